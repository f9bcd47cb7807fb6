// The detail pane: controls for the selected modifier (create, rename,
// clone, delete, export, undo and redo, apply) and the variable field with
// its suggestions (VariableSuggestions.cpp), above the parameter table
// (ParameterTable.cpp). Every change to the game goes through the edit
// history.
#include "EditorPanes.h"
#include "EditorState.h"

#include <imgui.h>

#include <cstring>
#include <string>

namespace
{
constexpr float kLabelColumnWidth = 100.0f;

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
    const bool addByEnter = DrawVariableField(state, *modifier, varInfos);
    if ((ImGui::Button("Add", ImVec2(0.0f, 0.0f)) || addByEnter) &&
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
