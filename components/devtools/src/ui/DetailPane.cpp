// The detail pane: controls for the selected modifier (create, rename,
// clone, delete, export, undo and redo, apply) and the variable field with
// its suggestions (VariableField.cpp), above the parameter table
// (ParameterTable.cpp). Every change to the game goes through the edit
// history.
#include "base/XmlText.h"
#include "editing/EditorState.h"
#include "editing/ModifierNameRule.h"
#include "editing/MultiEdit.h"
#include "recovery/SessionRecovery.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"

#include <imgui.h>

#include <string>
#include <vector>
#include <utility>

namespace tceditor
{
namespace
{
constexpr float kLabelColumnWidth = 100.0f;

const ImVec4 kRefusalColour(1.0f, 0.45f, 0.35f, 1.0f);
const ImVec4 kReportColour(0.6f, 0.85f, 0.6f, 1.0f);

// Whether the name field's text may name a modifier for Create, Rename or
// Clone; if not, the status line says why. A name the field shows only the
// start of is never used as it stands: the game's modifier would come out
// cut.
bool NameInputUsable(TimecycleEditorState& state, const char* action)
{
    if (state.nameInputCutFrom != 0)
    {
        state.SetStatus(std::string(action) + " refused: the name field holds " +
                            std::to_string(kMaxModifierNameBytes) + " bytes and shows only the start of a " +
                            std::to_string(state.nameInputCutFrom) + "-byte name; type a name that fits",
                        true);
        return false;
    }
    if (std::string problem = ModifierNameProblem(action, state.nameInput); !problem.empty())
    {
        state.SetStatus(std::move(problem), true);
        return false;
    }
    return true;
}

// Why the game did not take a name it was given.
std::string NameRefusal(GameTimecycle& game, const char* action, const std::string& name)
{
    if (game.FindModifierByName(name))
        return std::string(action) + " refused: a modifier named \"" + DisplayName(name) + "\" exists already";
    return std::string(action) + " refused: the game did not take the name \"" + DisplayName(name) + "\"";
}

// Why "Add" did nothing.
std::string AddRefusal(GameTimecycle& game, const char* varName, const tcModifier& modifier)
{
    if (!*varName)
        return "Add refused: the variable field is empty";
    if (game.VariableIdByName(varName) < 0)
        return "Add refused: no variable is named \"" + DisplayName(varName) + "\"";
    return "Add refused: the game did not add " + DisplayName(varName) + " to " +
           DisplayName(game.GetTimecycleName(modifier));
}

// "Add". A variable whose row is switched off is switched on with the values
// the row kept, as one step, as its switch would.
void AddVariable(TimecycleEditorState& state, tcModifier& modifier)
{
    GameTimecycle& game = state.game;
    ModifierSelection& selection = state.selection;
    const int32_t varId = game.VariableIdByName(state.varInput);
    const auto working = selection.workingParams.find(varId);
    const bool switchedOff = selection.switchedOff.contains(varId) && working != selection.workingParams.end();

    const bool added =
        switchedOff ? state.history.AddParameter(modifier, state.varInput, &working->second, ParameterChangeKind::Switched)
                    : state.history.AddParameter(modifier, state.varInput, nullptr, ParameterChangeKind::AddedOrDeleted);
    if (added && switchedOff)
        selection.switchedOff.erase(varId);
    if (added)
    {
        state.addedRow = { modifier.nameHash, varId, ImGui::GetTime() };
        ClearTextBuffer(state.varInput);
    }
    else
        state.SetStatus(AddRefusal(game, state.varInput, modifier), true);
}

// Starts a row of the two-column layout: label left, controls right.
void BeginRow(const char* label, bool firstRow = false)
{
    if (!firstRow)
        ImGui::NextColumn();
    ImGui::TextUnformatted(label);
    ImGui::SameLine();
    ImGui::NextColumn();
}

// The "Filter" row: the table's filter by parameter name, and "Clear".
void DrawFilterRow(TimecycleEditorState& state)
{
    BeginRow("Filter");
    ImGui::InputText("##detail_filter_param", state.paramFilter, kTextBufferSize, 0, nullptr);
    ImGui::SameLine();
    ImGui::PushID("filter");
    if (ImGui::Button("Clear", ImVec2(0.0f, 0.0f)))
        ClearTextBuffer(state.paramFilter);
    ImGui::PopID();
}

// The "Variable" row, the last of the controls: the field with the
// suggestions for `fieldModifier` (none without one), "Add" and "Clear".
// Returns whether "Add" was asked for, by the button or Enter.
bool DrawVariableRow(TimecycleEditorState& state, tcModifier* fieldModifier, tcVarInfo* varInfos)
{
    BeginRow("Variable");
    const bool addByEnter = fieldModifier && DrawVariableField(state, *fieldModifier, varInfos);
    const bool add = ImGui::Button("Add", ImVec2(0.0f, 0.0f)) || addByEnter;
    ImGui::SameLine();
    ImGui::PushID("variable");
    if (ImGui::Button("Clear", ImVec2(0.0f, 0.0f)))
        ClearTextBuffer(state.varInput);
    ImGui::PopID();

    ImGui::Separator();
    ImGui::Columns(1);
    return add;
}

// The status line, one line high, a long report cut and whole in its
// tooltip. Above the table it holds its place even while empty, so that the
// table stays where it is whatever the line says.
void DrawStatusRow(TimecycleEditorState& state, bool holdPlace)
{
    if (!holdPlace && state.CurrentStatus().empty())
        return;
    BeginRow("Status");
    ImGui::PushStyleColor(ImGuiCol_Text, state.status.refusal ? kRefusalColour : kReportColour);
    internals::OneLineText(state.CurrentStatus());
    ImGui::PopStyleColor(1);
}

// A row of its own for as long as the unsaved work cannot be written.
void DrawNotKeptRow(TimecycleEditorState& state)
{
    const std::string warning = state.recovery ? state.recovery->NotKeptWarning() : std::string();
    if (warning.empty())
        return;
    BeginRow("Warning");
    ImGui::PushStyleColor(ImGuiCol_Text, kRefusalColour);
    ImGui::TextWrapped("%s", warning.c_str());
    ImGui::PopStyleColor(1);
}

// "Add" with several modifiers selected: the variable goes to those that
// lack it.
void AddVariableToSelected(TimecycleEditorState& state)
{
    if (state.game.VariableIdByName(state.varInput) < 0)
        state.SetStatus(*state.varInput ? "Add refused: no variable is named \"" + DisplayName(state.varInput) + "\""
                                        : std::string("Add refused: the variable field is empty"),
                        true);
    else if (MultiAddVariable(state, state.varInput) == 0)
        state.SetStatus("Add: every selected modifier has " + DisplayName(state.varInput) + " already", false);
    else
        ClearTextBuffer(state.varInput);
}

// Several modifiers selected: their names, the "Edit" row acting on them,
// the filter, "Add", and their table. Rename, Clone, Generate XML and Apply
// are for one modifier and are not shown.
void DrawMultiDetailContents(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    const std::vector<MultiParameterRow>& rows = state.UpdateMultiRows();
    if (!state.MultiSelected())
        return;
    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, kLabelColumnWidth);

    BeginRow("Selected", true);
    const std::string heading = std::to_string(state.multiRows.MemberCount()) + " modifiers selected";
    ImGui::TextUnformatted(heading.c_str());
    ImGui::TextUnformatted(state.multiSelection.ShortList().c_str());

    BeginRow("Edit");
    DrawEditButtonsRow(state);
    DrawStatusRow(state, true);
    DrawNotKeptRow(state);
    // An undo may have ended the multi-selection.
    if (!state.MultiSelected())
    {
        ImGui::Columns(1);
        return;
    }

    DrawFilterRow(state);

    // The suggestions are those of one member.
    if (DrawVariableRow(state, state.multiRows.FirstMember(state.game), varInfos))
        AddVariableToSelected(state);
    DrawMultiParameterTable(state, rows);
}

void DrawDetailContents(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    if (state.MultiSelected())
        return DrawMultiDetailContents(state, varInfos);
    GameTimecycle& game = state.game;

    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, kLabelColumnWidth);

    BeginRow("Name", true);
    if (ImGui::InputText("##detail_name", state.nameInput, kTextBufferSize, 0, nullptr))
        state.nameInputCutFrom = 0;
    if (const tcModifier* selected = state.SelectedModifier())
    {
        ImGui::SameLine();
        ImGui::TextUnformatted(("(index: " + std::to_string(game.GetTimecycleIndex(*selected)) + ")").c_str());
    }

    BeginRow("Controls");
    if (ImGui::Button("Create", ImVec2(0.0f, 0.0f)) && NameInputUsable(state, "Create"))
    {
        if (tcModifier* created = state.history.CreateModifier(state.nameInput))
        {
            // The field names what is selected, ready for a rename.
            state.Select(*created);
            state.FillNameInput(game.GetTimecycleName(*created));
        }
        else
            state.SetStatus(NameRefusal(game, "Create", state.nameInput), true);
    }

    tcModifier* modifier = state.SelectedModifier();
    if (!modifier)
    {
        // The history and the session's documents stay in reach.
        ImGui::Separator();
        BeginRow("Edit");
        DrawEditButtonsRow(state);
        DrawStatusRow(state, false);
        DrawNotKeptRow(state);
        return;
    }

    ImGui::SameLine();
    if (ImGui::Button("Rename", ImVec2(0.0f, 0.0f)) && NameInputUsable(state, "Rename"))
    {
        const std::string oldName = game.GetTimecycleName(*modifier);
        const bool sameName = oldName == state.nameInput;
        if (state.history.RenameModifier(*modifier, state.nameInput))
            state.selection.FollowRename(oldName, game.GetTimecycleName(*modifier));
        else if (!sameName)
            state.SetStatus(NameRefusal(game, "Rename", state.nameInput), true);
    }
    ImGui::SameLine();
    if (ImGui::Button("Clone", ImVec2(0.0f, 0.0f)) && NameInputUsable(state, "Clone"))
    {
        if (tcModifier* clone = state.history.CloneModifier(*modifier, state.nameInput))
        {
            state.Select(*clone);
            state.FillNameInput(game.GetTimecycleName(*clone));
        }
        else
            state.SetStatus(NameRefusal(game, "Clone", state.nameInput), true);
    }
    ImGui::SameLine();
    if (ImGui::Button("Delete", ImVec2(0.0f, 0.0f)))
    {
        state.history.DeleteModifier(*modifier);
        state.selection.Clear();
    }
    ImGui::SameLine();
    if (ImGui::Button("Generate XML", ImVec2(0.0f, 0.0f)))
        GenerateModifierXml(state);

    // The buttons may have changed the selection: the rest acts on what is
    // selected now.
    if (!(modifier = state.SelectedModifier()))
        return;

    BeginRow("Edit");
    DrawEditButtonsRow(state, *modifier);
    DrawStatusRow(state, true);
    DrawNotKeptRow(state);
    // An undo or redo may have selected another modifier, or none.
    if (!(modifier = state.SelectedModifier()))
        return;
    // While "Compare" shows the original, the game's parameters are not the
    // edit's: the working copy takes none of them.
    if (!state.comparedEdit)
        state.selection.CaptureParams(game);

    DrawFilterRow(state);

    if (TimecycleScriptData* scriptData = game.GetScriptData())
    {
        BeginRow("Apply");
        if (ImGui::Button("As primary", ImVec2(0.0f, 0.0f)))
            scriptData->primaryIndex = game.GetTimecycleIndex(*modifier);
        ImGui::SameLine();
        if (ImGui::Button("As transition", ImVec2(0.0f, 0.0f)))
        {
            scriptData->transitionIndex = game.GetTimecycleIndex(*modifier);
            scriptData->transitionParam = 0.1f;
            scriptData->transitionStrength = 0.0f;
        }
    }

    if (DrawVariableRow(state, modifier, varInfos))
        AddVariable(state, *modifier);
    DrawParameterTable(state, *modifier, varInfos);
}
}

void DrawDetailPane(TimecycleEditorState& state, tcVarInfo* varInfos)
{
    if (ImGui::BeginChild("detail", ImVec2(-1.0f, -1.0f), true, 0))
        DrawDetailContents(state, varInfos);
    ImGui::EndChild();
}
}
