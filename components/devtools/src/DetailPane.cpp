// The detail pane: controls for the selected modifier (create, rename,
// clone, delete, export, undo and redo, apply) and the variable field with
// its suggestions, above the parameter table (ParameterTable.cpp). Every
// change to the game goes through the edit history.
#include "EditorPanes.h"
#include "EditorState.h"
#include "ModifierSearch.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstring>
#include <string>

namespace
{
// Whether the suggestion popup under the "Variable" field is shown; it
// outlives the editor's resets on purpose.
bool variablePopupOpen = false;

constexpr float kLabelColumnWidth = 100.0f;
constexpr float kPopupHeight = 450.0f;
constexpr ImGuiWindowFlags kPopupFlags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                         ImGuiWindowFlags_NoMove | ImGuiWindowFlags_Tooltip;

// Names for "Create", "Rename" and "Clone" must be 2 to 128 bytes long.
bool IsAcceptableName(const char* name)
{
    const size_t length = strnlen(name, kTextBufferSize);
    return length >= 2 && length <= 128;
}

// Starts a row of the two-column layout: label left, controls right.
void BeginRow(const char* label, bool firstRow = false)
{
    if (!firstRow)
        ImGui::NextColumn();
    ImGui::Text("%s", label);
    ImGui::SameLine();
    ImGui::NextColumn();
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

// The valid selection, or null after dropping a stale one.
tcModifier* CurrentSelection(ModifierSelection& selection)
{
    tcModifier* modifier = selection.modifier;
    if (modifier && !modifier->modData)
    {
        selection.ClearSelection();
        return nullptr;
    }
    return modifier;
}

void DrawVariableField(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos)
{
    ImGui::InputText("##input", state.varInput, kTextBufferSize, 0, nullptr);
    ImGui::SameLine();
    bool focused = ImGui::IsItemFocused();
    if (ImGui::IsItemActive())
        variablePopupOpen = true;

    if (!variablePopupOpen)
        return;

    ImGui::SetNextWindowPos(ImVec2(ImGui::GetItemRectMin().x, ImGui::GetItemRectMax().y), 0, ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(ImGui::GetItemRectSize().x, kPopupHeight), 0);
    if (ImGui::Begin("##popup", &variablePopupOpen, kPopupFlags))
    {
        ImGui::BringWindowToDisplayFront(ImGui::GetCurrentWindow());
        if (ImGui::IsWindowFocused(0))
            focused = true;

        for (int i = 0; i < TimecycleManager::GetConfigVarInfoCount(); ++i)
        {
            const tcVarInfo& info = varInfos[i];
            const char* name = TimecycleManager::GetVarInfoName(info);
            if (!name || !ContainsIgnoreCase(name, state.varInput) || HasLiveParameter(modifier, info.varId))
                continue;

            const bool clicked = ImGui::Selectable(name, false, 0, ImVec2(0.0f, 0.0f));
            if (clicked || (ImGui::IsItemFocused() && ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter), true)))
            {
                CopyToTextBuffer(state.varInput, name);
                variablePopupOpen = false;
            }
        }
    }
    ImGui::End();

    if (!focused)
        variablePopupOpen = false;
}

void DrawDetailContents(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    TimecycleManager& manager = *TheTimecycleManager;
    ModifierSelection& selection = state.selection;

    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, kLabelColumnWidth);

    BeginRow("Name", true);
    ImGui::InputText("##detail_name", state.nameInput, kTextBufferSize, 0, nullptr);
    selection.ValidateSelection();
    if (selection.modifier)
    {
        ImGui::SameLine();
        ImGui::Text("(index: %d)", manager.GetTimecycleIndex(*selection.modifier));
    }

    BeginRow("Controls");
    if (ImGui::Button("Create", ImVec2(0.0f, 0.0f)) && IsAcceptableName(state.nameInput))
    {
        if (tcModifier* created = state.history.CreateModifier(state.nameInput))
        {
            selection.SelectModifier(*created);
            ClearTextBuffer(state.nameInput);
        }
    }

    tcModifier* modifier = CurrentSelection(selection);
    if (!modifier)
    {
        ImGui::Separator();
        return;
    }

    ImGui::SameLine();
    if (ImGui::Button("Rename", ImVec2(0.0f, 0.0f)) && IsAcceptableName(state.nameInput))
        state.history.RenameModifier(*modifier, state.nameInput);
    ImGui::SameLine();
    if (ImGui::Button("Clone", ImVec2(0.0f, 0.0f)) && IsAcceptableName(state.nameInput))
    {
        if (tcModifier* clone = state.history.CloneModifier(*modifier, state.nameInput))
        {
            selection.SelectModifier(*clone);
            ClearTextBuffer(state.nameInput);
        }
    }
    ImGui::SameLine();
    if (ImGui::Button("Delete", ImVec2(0.0f, 0.0f)))
    {
        state.history.DeleteModifier(*modifier);
        selection.ClearSelection();
    }
    ImGui::SameLine();
    if (ImGui::Button("Generate XML", ImVec2(0.0f, 0.0f)))
        GenerateModifierXml(state);

    // The buttons may have changed the selection: the rest acts on what is
    // selected now.
    if (!(modifier = CurrentSelection(selection)))
        return;

    BeginRow("Edit");
    DrawEditRow(state, *modifier);
    // An undo or redo may have selected another modifier, or none.
    if (!(modifier = CurrentSelection(selection)))
        return;
    selection.CaptureParams();

    BeginRow("Filter");
    ImGui::InputText("##detail_filter_param", state.paramFilter, kTextBufferSize, 0, nullptr);
    ImGui::SameLine();
    ImGui::PushID("filter");
    if (ImGui::Button("Clear", ImVec2(0.0f, 0.0f)))
        ClearTextBuffer(state.paramFilter);
    ImGui::PopID();

    if (TimecycleScriptData* scriptData = TimecycleManager::GetScriptData())
    {
        BeginRow("Apply");
        if (ImGui::Button("As primary", ImVec2(0.0f, 0.0f)))
            scriptData->primaryIndex = manager.GetTimecycleIndex(*modifier);
        ImGui::SameLine();
        if (ImGui::Button("As transition", ImVec2(0.0f, 0.0f)))
        {
            scriptData->transitionIndex = manager.GetTimecycleIndex(*modifier);
            scriptData->transitionParam = 0.1f;
            scriptData->transitionStrength = 0.0f;
        }
    }

    BeginRow("Variable");
    DrawVariableField(state, *modifier, varInfos);
    if (ImGui::Button("Add", ImVec2(0.0f, 0.0f)) &&
        state.history.AddParameter(*modifier, state.varInput, nullptr, ParameterRow::AddedOrDeleted))
        ClearTextBuffer(state.varInput);
    ImGui::SameLine();
    ImGui::PushID("variable");
    if (ImGui::Button("Clear", ImVec2(0.0f, 0.0f)))
        ClearTextBuffer(state.varInput);
    ImGui::PopID();

    ImGui::Separator();
    ImGui::Columns(1);
    DrawParameterTable(state, *modifier, varInfos);
}
}

void DrawDetailPane(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    if (ImGui::BeginChild("detail", ImVec2(-1.0f, -1.0f), true, 0))
        DrawDetailContents(state, varInfos);
    ImGui::EndChild();
}
