// The "Variable" field and its suggestion popup. While the field is active
// the popup lists the suggestions (VariableSuggestions), drawing only those in
// view. A click on a suggestion takes its name into the field, Enter on one
// also asks for it to be added; in the field, Down and Up move through the
// suggestions, Enter asks for the one moved to or else the field's variable
// to be added, and Escape closes the popup and keeps the text.
#include "editing/EditorState.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"

#include <imgui.h>

#include <cstring>

namespace tceditor
{
namespace
{
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
    state.variablePopupOpen = false;
    state.variableSuggestions.highlighted = -1;
}
}

bool DrawVariableField(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos)
{
    GameTimecycle& game = state.game;
    VariableSuggestions& suggestions = state.variableSuggestions;
    bool& variablePopupOpen = state.variablePopupOpen;
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
                const char* name =
                    index < game.GetConfigVarInfoCount() ? game.GetVarInfoName(varInfos[index]) : nullptr;
                if (name)
                {
                    TakeSuggestion(state, name);
                    addRequested = true;
                }
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
        suggestions.Update(game, state.varInput, modifier);

    ImGui::SetNextWindowPos(ImVec2(ImGui::GetItemRectMin().x, ImGui::GetItemRectMax().y), 0, ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(ImGui::GetItemRectSize().x, kPopupHeight), 0);
    if (ImGui::Begin("##popup", &variablePopupOpen, kPopupFlags))
    {
        internals::BringCurrentWindowToFront();
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
                const char* name = game.GetVarInfoName(varInfos[list[i]]);
                if (!name)
                    continue;
                const bool highlighted = i == suggestions.highlighted;
                const bool clicked = ImGui::Selectable(name, highlighted, 0, ImVec2(0.0f, 0.0f));
                if (highlighted && suggestions.highlightMoved)
                {
                    internals::ScrollLastItemIntoView();
                    suggestions.highlightMoved = false;
                }
                const bool entered = ImGui::IsItemFocused() && KeyPressed(ImGuiKey_Enter, true);
                if (clicked || entered)
                {
                    taken = name;
                    addRequested = entered;
                }
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
}
