// The detail pane: controls for the selected modifier (create, rename,
// clone, delete, export, undo and redo, apply) and the variable field with
// its suggestions (VariableSuggestions.cpp), above the parameter table
// (ParameterTable.cpp). Every change to the game goes through the edit
// history.
#include "EditorPanes.h"
#include "EditorState.h"
#include "XmlText.h"

#include <imgui.h>

#include <cstring>
#include <string>
#include <utility>

namespace
{
constexpr float kLabelColumnWidth = 100.0f;

const ImVec4 kRefusalColour(1.0f, 0.45f, 0.35f, 1.0f);
const ImVec4 kReportColour(0.6f, 0.85f, 0.6f, 1.0f);

// Names for "Create", "Rename" and "Clone" must be 2 to 128 bytes long.
// Returns why the name cannot be used, or an empty text.
std::string NameProblem(const char* action, const char* name)
{
    const size_t length = strnlen(name, kTextBufferSize);
    if (length >= 2 && length <= 128)
        return {};
    return std::string(action) + " refused: \"" + DisplayName(name) + "\" is too " + (length < 2 ? "short" : "long") +
           "; a modifier name needs 2 to 128 bytes";
}

// Why the game did not take a name it was given.
std::string NameRefusal(const char* action, const std::string& name)
{
    if (FindModifierByName(name))
        return std::string(action) + " refused: a modifier named \"" + DisplayName(name) + "\" exists already";
    return std::string(action) + " refused: the game did not take the name \"" + DisplayName(name) + "\"";
}

// Why "Add" did nothing.
std::string AddRefusal(const char* varName, const tcModifier& modifier)
{
    if (!*varName)
        return "Add refused: the variable field is empty";
    if (VariableIdByName(varName) < 0)
        return "Add refused: no variable is named \"" + DisplayName(varName) + "\"";
    return "Add refused: the game did not add " + DisplayName(varName) + " to " +
           DisplayName(TheTimecycleManager->GetTimecycleName(modifier));
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

// The status line, while there is one.
void DrawStatusRow(TimecycleEditorState& state)
{
    const std::string& text = state.CurrentStatus();
    if (text.empty())
        return;
    BeginRow("Status");
    ImGui::PushStyleColor(ImGuiCol_Text, state.status.refusal ? kRefusalColour : kReportColour);
    ImGui::TextWrapped("%s", text.c_str());
    ImGui::PopStyleColor(1);
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
    if (ImGui::Button("Create", ImVec2(0.0f, 0.0f)))
    {
        if (std::string problem = NameProblem("Create", state.nameInput); !problem.empty())
            state.SetStatus(std::move(problem), true);
        else if (tcModifier* created = state.history.CreateModifier(state.nameInput))
        {
            selection.SelectModifier(*created);
            ClearTextBuffer(state.nameInput);
        }
        else
            state.SetStatus(NameRefusal("Create", state.nameInput), true);
    }

    tcModifier* modifier = CurrentSelection(selection);
    if (!modifier)
    {
        DrawStatusRow(state);
        ImGui::Separator();
        return;
    }

    ImGui::SameLine();
    if (ImGui::Button("Rename", ImVec2(0.0f, 0.0f)))
    {
        const bool sameName = manager.GetTimecycleName(*modifier) == state.nameInput;
        if (std::string problem = NameProblem("Rename", state.nameInput); !problem.empty())
            state.SetStatus(std::move(problem), true);
        else if (!state.history.RenameModifier(*modifier, state.nameInput) && !sameName)
            state.SetStatus(NameRefusal("Rename", state.nameInput), true);
    }
    ImGui::SameLine();
    if (ImGui::Button("Clone", ImVec2(0.0f, 0.0f)))
    {
        if (std::string problem = NameProblem("Clone", state.nameInput); !problem.empty())
            state.SetStatus(std::move(problem), true);
        else if (tcModifier* clone = state.history.CloneModifier(*modifier, state.nameInput))
        {
            selection.SelectModifier(*clone);
            ClearTextBuffer(state.nameInput);
        }
        else
            state.SetStatus(NameRefusal("Clone", state.nameInput), true);
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
    DrawStatusRow(state);
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
    if (ImGui::Button("Add", ImVec2(0.0f, 0.0f)) || addByEnter)
    {
        if (state.history.AddParameter(*modifier, state.varInput, nullptr, ParameterRow::AddedOrDeleted))
            ClearTextBuffer(state.varInput);
        else
            state.SetStatus(AddRefusal(state.varInput, *modifier), true);
    }
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
