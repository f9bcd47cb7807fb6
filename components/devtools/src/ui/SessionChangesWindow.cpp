// The "Session changes" window: each modifier the session changed, created or
// removed, and under it each parameter as "name: original -> now" for both
// values. "Revert" on a line puts that parameter or that modifier back as one
// step of the history; a click on a modifier's name selects it. What the game
// changed itself is shown as the game's and has no "Revert".
#include "base/StatusText.h"
#include "base/XmlText.h"
#include "editing/EditorState.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"
#include "ui/ValueCells.h"

#include <imgui.h>

#include <string>
#include <vector>

namespace tceditor
{
namespace
{
const ImVec4 kGameColour(0.55f, 0.75f, 1.0f, 1.0f);

// One line of the window: a modifier, or one of its parameters.
struct Line
{
    size_t modifier;
    int parameter;  // -1 for the modifier's own line
};

std::string ValuesText(const tcModData& values)
{
    return ExactValueText(values.value1) + ", " + ExactValueText(values.value2);
}

const char* ModifierMark(const ChangedModifier& modifier)
{
    if (modifier.byGame)
        return " (changed by the game since)";
    switch (modifier.kind)
    {
    case ChangedModifier::Kind::Created:
        return " (created)";
    case ChangedModifier::Kind::Removed:
        return " (removed)";
    default:
        return "";
    }
}

std::string ParameterText(TimecycleEditorState& state, const ChangedModifier& modifier, const ChangedParameter& parameter)
{
    const char* variable = state.game.VariableName(parameter.varId);
    std::string text = std::string(variable ? variable : "variable " + std::to_string(parameter.varId)) + ": ";
    switch (parameter.kind)
    {
    case ChangedParameter::Kind::Changed:
        text += ValuesText(parameter.original) + " -> " + ValuesText(parameter.now);
        break;
    case ChangedParameter::Kind::Added:
        text += "none -> " + ValuesText(parameter.now) + " (added)";
        break;
    case ChangedParameter::Kind::Removed:
    {
        // A row switched off in the table keeps its values there.
        const bool switchedOff = state.selection.Name() == modifier.name && state.selection.switchedOff.contains(parameter.varId);
        text += ValuesText(parameter.original) + " -> none" + (switchedOff ? " (switched off)" : " (deleted)");
        break;
    }
    }
    if (parameter.byGame)
        text += " (changed by the game)";
    return text;
}

void SelectNamed(TimecycleEditorState& state, const std::string& name)
{
    if (tcModifier* modifier = state.game.FindModifierByName(name))
    {
        state.SelectFromBrowser(*modifier);
        state.browserScrollTarget = name;
    }
}

// The table of a selected modifier starts again from the game after a
// revert went round it.
void AfterRevert(TimecycleEditorState& state, bool reverted, const std::string& why)
{
    if (!reverted)
        state.SetStatus("Revert refused: " + why, true);
    else if (!state.MultiSelected())
        state.RefreshSelection();
}

void DrawModifierLine(TimecycleEditorState& state, const ChangedModifier& modifier)
{
    ImGui::PushID(modifier.name.c_str(), modifier.name.c_str() + modifier.name.size());
    const bool revertable = !modifier.byGame;
    if (!revertable)
        ImGui::BeginDisabled(true);
    const bool revert = ImGui::SmallButton("Revert");
    if (!revertable)
        ImGui::EndDisabled();
    ImGui::SameLine();
    if (modifier.kind == ChangedModifier::Kind::Removed)
        ImGui::TextUnformatted(modifier.name.c_str(), modifier.name.c_str() + modifier.name.size());
    else if (ImGui::Selectable(modifier.name.c_str(), false, 0,
                               ImVec2(ImGui::CalcTextSize(modifier.name.c_str(), modifier.name.c_str() + modifier.name.size()).x, 0.0f)))
        SelectNamed(state, modifier.name);
    std::string mark = ModifierMark(modifier);
    if (!modifier.originalName.empty() && modifier.originalName != modifier.name)
        mark += " (was " + DisplayName(modifier.originalName) + ")";
    if (!mark.empty())
    {
        ImGui::SameLine(0.0f, 0.0f);
        if (modifier.byGame)
            ImGui::PushStyleColor(ImGuiCol_Text, kGameColour);
        ImGui::TextUnformatted(mark.c_str());
        if (modifier.byGame)
            ImGui::PopStyleColor(1);
    }
    ImGui::PopID();
    if (revert)
    {
        std::string why;
        AfterRevert(state, RevertModifier(state.game, state.history, state.changes, modifier.name, why), why);
    }
}

void DrawParameterLine(TimecycleEditorState& state, const ChangedModifier& modifier, const ChangedParameter& parameter)
{
    ImGui::PushID(modifier.name.c_str(), modifier.name.c_str() + modifier.name.size());
    ImGui::PushID(parameter.varId);
    ImGui::Indent();
    if (parameter.byGame)
        ImGui::BeginDisabled(true);
    const bool revert = ImGui::SmallButton("Revert");
    if (parameter.byGame)
        ImGui::EndDisabled();
    ImGui::SameLine();
    if (parameter.byGame)
        ImGui::PushStyleColor(ImGuiCol_Text, kGameColour);
    const std::string text = ParameterText(state, modifier, parameter);
    ImGui::TextUnformatted(text.c_str());
    if (parameter.byGame)
        ImGui::PopStyleColor(1);
    ImGui::Unindent();
    ImGui::PopID();
    ImGui::PopID();
    if (revert)
    {
        std::string why;
        AfterRevert(state,
                    RevertParameter(state.game, state.history, state.changes, modifier.name, parameter.varId, why), why);
    }
}
}

void DrawSessionChangesWindow(TimecycleEditorState& state)
{
    if (!state.sessionChangesOpen)
        return;
    ImGui::SetNextWindowSize(ImVec2(640.0f, 420.0f), ImGuiCond_FirstUseEver);
    if (!ImGui::Begin("Session changes", &state.sessionChangesOpen, 0))
    {
        ImGui::End();
        return;
    }
    // Undo and redo keys work here as in the editor's window.
    HandleEditShortcuts(state);
    // Gathered again only in the next frame: a revert leaves it as it is.
    const std::vector<ChangedModifier>& list =
        state.sessionChangeList.Update(state.game, state.changes, state.history.Revision(), ImGui::GetFrameCount());
    if (!state.CurrentStatus().empty())
        internals::OneLineText(state.CurrentStatus());
    if (list.empty())
        ImGui::TextUnformatted("Nothing changed this session");

    std::vector<Line> lines;
    for (size_t m = 0; m < list.size(); ++m)
    {
        lines.push_back({ m, -1 });
        for (size_t p = 0; p < list[m].parameters.size(); ++p)
            lines.push_back({ m, static_cast<int>(p) });
    }
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(lines.size()));
    while (clipper.Step())
    {
        for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i)
        {
            const Line& line = lines[static_cast<size_t>(i)];
            const ChangedModifier& modifier = list[line.modifier];
            if (line.parameter < 0)
                DrawModifierLine(state, modifier);
            else
                DrawParameterLine(state, modifier, modifier.parameters[static_cast<size_t>(line.parameter)]);
        }
    }
    ImGui::End();
}
}
