// The "Variable" field and its suggestion popup. While the field is active
// the popup lists the suggestions (VariableSuggestions), drawing only those in
// view. A click or Enter on a suggestion takes its name into the field; in
// the field, Down and Up move through the suggestions, Enter takes the one
// moved to or else asks for the field's variable to be added, and Escape
// closes the popup and keeps the text.
#include "VariableSuggestions.h"

#include "EditorPanes.h"
#include "EditorState.h"
#include "ModifierSearch.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cstring>

namespace
{
// Whether the suggestion popup under the "Variable" field is shown; it
// outlives the editor's resets on purpose.
bool variablePopupOpen = false;

constexpr float kPopupHeight = 450.0f;
constexpr ImGuiWindowFlags kPopupFlags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                         ImGuiWindowFlags_NoMove | ImGuiWindowFlags_Tooltip;

bool KeyPressed(ImGuiKey key, bool repeat)
{
    return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), repeat);
}

bool EnterPressed()
{
    return KeyPressed(ImGuiKey_Enter, false) || KeyPressed(ImGuiKey_KeyPadEnter, false);
}

// Up and Down in the field, which claims them from keyboard navigation.
int OnFieldKey(ImGuiInputTextCallbackData* data)
{
    auto& suggestions = *static_cast<VariableSuggestions*>(data->UserData);
    if (data->EventFlag == ImGuiInputTextFlags_CallbackHistory)
        suggestions.MoveHighlight(data->EventKey == ImGuiKey_DownArrow ? 1 : -1);
    return 0;
}

void TakeSuggestion(TimecycleEditorState& state, const char* name)
{
    CopyToTextBuffer(state.varInput, name);
    variablePopupOpen = false;
    state.variableSuggestions.highlighted = -1;
}

bool HasLiveParameter(const tcModifier& modifier, int32_t varId)
{
    for (int i = 0; i < modifier.numMods; ++i)
    {
        if (modifier.modData[i].varId == varId)
            return true;
    }
    return false;
}
}

const std::vector<int32_t>& VariableSuggestions::Update(const char* text, const tcModifier& modifier,
                                                        const tcVarInfo* varInfos, int varCount)
{
    if (SameSource(text, modifier, varInfos, varCount))
        return m_list;

    m_list.clear();
    for (int32_t i = 0; i < varCount; ++i)
    {
        const tcVarInfo& info = varInfos[i];
        const char* name = TimecycleManager::GetVarInfoName(info);
        if (name && ContainsIgnoreCase(name, text) && !HasLiveParameter(modifier, info.varId))
            m_list.push_back(i);
    }
    m_text = text;
    m_modifier = &modifier;
    m_modData = modifier.modData;
    m_liveVars.clear();
    for (int i = 0; i < modifier.numMods; ++i)
        m_liveVars.push_back(modifier.modData[i].varId);
    m_varInfos = varInfos;
    m_varCount = varCount;
    highlighted = -1;
    return m_list;
}

bool VariableSuggestions::SameSource(const char* text, const tcModifier& modifier, const tcVarInfo* varInfos,
                                     int varCount) const
{
    // The game may add or remove parameters behind the editor's back, or
    // move them to a new array: the var ids are compared, not only the count.
    if (&modifier != m_modifier || modifier.modData != m_modData || modifier.numMods != m_liveVars.size() ||
        varInfos != m_varInfos || varCount != m_varCount || m_text != text)
        return false;
    for (size_t i = 0; i < m_liveVars.size(); ++i)
    {
        if (modifier.modData[i].varId != m_liveVars[i])
            return false;
    }
    return true;
}

void VariableSuggestions::MoveHighlight(int step)
{
    const int last = static_cast<int>(m_list.size()) - 1;
    if (last < 0)
        return;
    highlighted = std::clamp(highlighted + step, -1, last);
    highlightMoved = true;
}

bool DrawVariableField(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos)
{
    VariableSuggestions& suggestions = state.variableSuggestions;
    char before[kTextBufferSize];
    memcpy(before, state.varInput, sizeof before);

    ImGui::InputText("##input", state.varInput, kTextBufferSize, ImGuiInputTextFlags_CallbackHistory, &OnFieldKey,
                     &suggestions);
    ImGui::SameLine();
    bool focused = ImGui::IsItemFocused();
    if (ImGui::IsItemActive())
        variablePopupOpen = true;

    // Enter and Escape end the field's editing in the frame they are pressed.
    bool addRequested = false;
    if (ImGui::IsItemDeactivated() && variablePopupOpen)
    {
        if (KeyPressed(ImGuiKey_Escape, false))
        {
            // Dear ImGui puts back the text the field had before; the user
            // only closed the suggestions.
            memcpy(state.varInput, before, sizeof before);
            variablePopupOpen = false;
            suggestions.highlighted = -1;
        }
        else if (EnterPressed())
        {
            // The list is last frame's: its variable is checked against the
            // game's table as it is now.
            const std::vector<int32_t>& list = suggestions.List();
            const int highlighted = suggestions.highlighted;
            if (highlighted >= 0 && highlighted < static_cast<int>(list.size()))
            {
                const int32_t index = list[highlighted];
                const char* name = index < TimecycleManager::GetConfigVarInfoCount()
                                       ? TimecycleManager::GetVarInfoName(varInfos[index])
                                       : nullptr;
                if (name)
                    TakeSuggestion(state, name);
            }
            else
            {
                addRequested = true;
                variablePopupOpen = false;
            }
        }
    }

    if (!variablePopupOpen)
        return addRequested;

    const std::vector<int32_t>& list =
        suggestions.Update(state.varInput, modifier, varInfos, TimecycleManager::GetConfigVarInfoCount());

    ImGui::SetNextWindowPos(ImVec2(ImGui::GetItemRectMin().x, ImGui::GetItemRectMax().y), 0, ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(ImGui::GetItemRectSize().x, kPopupHeight), 0);
    if (ImGui::Begin("##popup", &variablePopupOpen, kPopupFlags))
    {
        ImGui::BringWindowToDisplayFront(ImGui::GetCurrentWindow());
        if (ImGui::IsWindowFocused(0))
            focused = true;

        ImGuiListClipper clipper;
        clipper.Begin(static_cast<int>(list.size()));
        if (suggestions.highlighted >= 0)
            clipper.ForceDisplayRangeByIndices(suggestions.highlighted, suggestions.highlighted + 1);
        const char* taken = nullptr;
        while (clipper.Step())
        {
            for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i)
            {
                const char* name = TimecycleManager::GetVarInfoName(varInfos[list[i]]);
                if (!name)
                    continue;
                const bool highlighted = i == suggestions.highlighted;
                const bool clicked = ImGui::Selectable(name, highlighted, 0, ImVec2(0.0f, 0.0f));
                if (highlighted && suggestions.highlightMoved)
                {
                    ImGui::ScrollToItem(ImGuiScrollFlags_KeepVisibleEdgeY);
                    suggestions.highlightMoved = false;
                }
                if (clicked || (ImGui::IsItemFocused() && KeyPressed(ImGuiKey_Enter, true)))
                    taken = name;
            }
        }
        if (taken)
            TakeSuggestion(state, taken);
    }
    ImGui::End();

    if (!focused)
    {
        variablePopupOpen = false;
        suggestions.highlighted = -1;
    }
    return addRequested;
}
