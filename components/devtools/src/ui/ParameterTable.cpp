// The parameter table: every parameter of the selected modifier, edited live
// through the edit history, switched off and on, or deleted. Values the
// editor changed this session are marked, with the original in a tooltip,
// and each value has a context menu to copy, paste and reset it. Only the
// rows in view are drawn, from rows gathered when their source changes
// (ParameterTableRows); the values they show are the game's live ones, or the
// original's while "Compare" is held (TableValues).
#include "base/EditorAssert.h"
#include "base/FloatText.h"
#include "base/TypedExpression.h"
#include "editing/EditorState.h"
#include "editing/TableValues.h"
#include "ui/ColourSwatch.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"
#include "ui/ValueCells.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tceditor
{
namespace
{
constexpr ImGuiTableFlags kTableFlags = ImGuiTableFlags_Resizable | ImGuiTableFlags_Sortable |
                                        ImGuiTableFlags_RowBg | ImGuiTableFlags_Borders;
constexpr ImU32 kHighlightColour = 0xFFECB351;                      // light blue: red 81, green 179, blue 236
constexpr ImU32 kChangedValueColour = IM_COL32(122, 82, 18, 255);  // dark amber behind a changed value
constexpr ImU32 kAddedRowColour = IM_COL32(46, 110, 62, 255);      // dark green behind a row just added
constexpr double kAddedRowSeconds = 1.5;

// The clipboard's text as a value, or none.
std::optional<float> ParseClipboardValue()
{
    const char* text = ImGui::GetClipboardText();
    return text ? ParseNumberText(text) : std::nullopt;
}

// One drawn row of the table and what it edits.
struct EditedParameter
{
    tcModifier& modifier;
    const tcVarInfo& info;
    const DragRange& drag;  // the row's, before the value widens it
    tcModData& working;
    tcModData* live;
    bool enabled;
    // The modifier's record of this session; null until the editor changes it.
    const SessionChanges::Record* record;
    // internals::NoWidgetBusy() as the table began.
    bool widgetsIdle;
    // Besides, neither the mouse nor the keyboard focus is on the table's
    // window: no cell of it has anything to react to but its own edit.
    bool quiet;
};

// A new value for one of the row's values: the working copy takes it, and so
// does the game while the row is live. A value that is not finite is refused
// and `previous` stays.
void SetRowValue(TimecycleEditorState& state, const EditedParameter& row, ValueColumn column, float value, float previous,
                 uint32_t gesture = 0)
{
    float& working = ValueIn(row.working, column);
    working = std::isfinite(value) ? value : previous;
    if (std::isfinite(value) && row.enabled && row.live)
        state.history.SetValue(row.modifier, row.working.varId, column, value, gesture);
}

void DrawValueMenu(TimecycleEditorState& state, const EditedParameter& row, ValueColumn column, const tcModData* original)
{
    if (!internals::ContextMenuMayShow() || !ImGui::BeginPopupContextItem())
        return;
    const float value = ValueIn(row.working, column);
    const std::optional<float> clipboard = ParseClipboardValue();

    if (ImGui::MenuItem("Copy value"))
        ImGui::SetClipboardText(ExactFloatText(value).c_str());
    if (ImGui::MenuItem("Paste value", nullptr, false, clipboard.has_value()))
        SetRowValue(state, row, column, *clipboard, value);
    if (ImGui::MenuItem("Reset to default"))
        SetRowValue(state, row, column, row.info.defaultValue, value);
    if (ImGui::MenuItem("Reset to original", nullptr, false, original != nullptr))
        SetRowValue(state, row, column, ValueIn(*original, column), value);
    ImGui::EndPopup();
}

// What a value cell does once its widget was used, hovered, or is being
// typed into: the edit into the history, the tooltip, the context menu. Kept
// out of DrawValue, which every cell in view runs each frame.
void ReactToValue(TimecycleEditorState& state, const EditedParameter& row, ValueColumn column, const DragRange& range,
                  const tcModData* original, bool changed, float before, bool edited)
{
    float& value = ValueIn(row.working, column);

    // A drag gesture is one step; a typed value is one step once typing ends.
    const ImGuiID widget = internals::LastItemId();
    TimecycleEditorState::TypedValue& typed = state.typedValue;
    if (ImGui::IsItemActivated())
        state.history.EndGesture();
    if (internals::IsTypingInto(widget))
    {
        if (typed.widget != widget)
            typed = { widget, row.working.varId, before };
    }
    else if (typed.widget == widget)
    {
        const float initial = typed.initial;
        typed = {};
        // Dear ImGui applied "+x", "*x" and "/x" to the three decimals shown.
        const std::optional<internals::TypedTexts> texts = internals::TypedTextsOf(widget);
        const std::optional<float> exact = texts ? TypedOperationResult(texts->now, texts->initial, initial) : std::nullopt;
        SetRowValue(state, row, column, exact.value_or(value), initial);
    }
    else if (edited)
    {
        SetRowValue(state, row, column, value, before, widget);
    }
    if (ImGui::IsItemDeactivated())
        state.history.EndGesture();

    if (ImGui::IsItemHovered())
    {
        // The original of a changed value and the value now, exactly, then
        // how to edit it.
        std::string tooltip;
        if (changed && original)
            tooltip = "Original: " + ExactValueText(ValueIn(*original, column)) + "\n";
        else if (changed)
            tooltip = row.record->original ? "Original: not in the modifier\n" : "Original: none, created this session\n";
        if (changed)
            tooltip += "Now: " + ExactValueText(value) + "\n";
        ImGui::SetTooltip("%s%s", tooltip.c_str(), EditHint(range.speed).c_str());
    }
    DrawValueMenu(state, row, column, original);
}

// The drag of a value under the mouse or being typed, showing it exactly.
// Kept out of DrawValue, whose usual drag then builds no format text.
bool DragExactValue(const char* label, float& value, const DragRange& range)
{
    const std::string format = ExactValueFormat(value);
    return ImGui::DragScalar(label, ImGuiDataType_Float, &value, range.speed, &range.min, &range.max, format.c_str(), 0);
}

void DrawValue(TimecycleEditorState& state, const EditedParameter& row, ValueColumn column, const char* label)
{
    float& value = ValueIn(row.working, column);
    const DragRange range = DragRangeFor(row.drag, value);
    const tcModData* original = row.record ? row.record->OriginalParameter(row.working.varId) : nullptr;
    const bool changed = row.record && (!original || !SameValue(ValueIn(*original, column), value));

    const float before = value;
    if (changed)
        ImGui::PushStyleColor(ImGuiCol_FrameBg, kChangedValueColour);
    // Three decimals in the table, to which a drag also rounds; the exact
    // value under the mouse and while it is typed, so that typing starts
    // from it.
    const bool exact = !row.widgetsIdle && internals::WasHoveredIdleOrTypingInto(label);
    const bool edited = exact ? DragExactValue(label, value, range)
                              : ImGui::DragScalar(label, ImGuiDataType_Float, &value, range.speed, &range.min,
                                                  &range.max, "%.3f", 0);
    if (changed)
        ImGui::PopStyleColor(1);
    const bool idle = row.quiet || (row.widgetsIdle ? !internals::LastItemUnderMouseOrFocused()
                                                    : state.typedValue.widget != internals::LastItemId() &&
                                                          internals::LastItemIdle());
    if (edited || !idle)
        ReactToValue(state, row, column, range, original, changed, before, edited);
}

// A value of the original while "Compare" is held: greyed by the table's
// disabled block, and drawn from a copy, so nothing can change it.
void DrawOriginalValue(const tcModData* original, ValueColumn column, const char* label)
{
    float value = original ? ValueIn(*original, column) : 0.0f;
    ImGui::DragScalar(label, ImGuiDataType_Float, &value, 0.0f, nullptr, nullptr,
                      original ? "%.3f" : "not in the original", 0);
}

// One value cell, showing what TableValues gives.
void DrawValueCell(TimecycleEditorState& state, const EditedParameter& row, const ShownValues& shown,
                   ValueColumn column, const char* label)
{
    if (shown.original)
        DrawOriginalValue(shown.values, column, label);
    else
        DrawValue(state, row, column, label);
}

// A name the column is too narrow for shows whole in a tooltip.
void DrawName(const std::string& name, bool highlighted, bool quiet)
{
    if (highlighted)
        ImGui::PushStyleColor(ImGuiCol_Text, kHighlightColour);
    ImGui::TextUnformatted(name.data(), name.data() + name.size());
    if (highlighted)
        ImGui::PopStyleColor(1);
    if (quiet || !ImGui::IsItemHovered())
        return;
    // The room from where the name starts to the column's end, measured only
    // under the mouse.
    const float columnWidth = ImGui::GetContentRegionMax().x + ImGui::GetWindowPos().x - ImGui::GetItemRectMin().x;
    if (ImGui::CalcTextSize(name.c_str()).x > columnWidth)
        ImGui::SetTooltip("%s", name.c_str());
}

// One parameter row; `record` is the modifier's record of this session, or
// null. A row whose "Delete" the game accepted goes into deletedVars, to be
// forgotten once the table is drawn.
void DrawParameterRow(TimecycleEditorState& state, tcModifier& modifier, const tcVarInfo& info,
                      const ParameterRowView& texts, const SessionChanges::Record* record, bool widgetsIdle,
                      bool quiet, std::set<int32_t>& deletedVars)
{
    tcModData& working = *texts.working;
    // The rows hold the working copy their variable is keyed by.
    TCE_ASSERT(working.varId == texts.varId);
    GameTimecycle& game = state.game;
    ModifierSelection& selection = state.selection;
    const int32_t varId = working.varId;
    const char* name = texts.name.c_str();

    ImGui::TableNextRow(0, 0.0f);
    ImGui::TableSetColumnIndex(0);
    ImGui::TextUnformatted(texts.varText.data(), texts.varText.data() + texts.varText.size());
    ImGui::TableSetColumnIndex(1);
    if (texts.colourChannel)
        DrawColourSwatch(state, modifier, varId, texts.channels, texts.swatchLabel.c_str(), quiet);
    DrawName(texts.name, texts.highlighted, quiet);
    ImGui::TableSetColumnIndex(2);
    ImGui::TextUnformatted(texts.defaultText.data(), texts.defaultText.data() + texts.defaultText.size());

    const bool enabled = !selection.switchedOff.contains(varId);
    tcModData* live = selection.LiveEntry(game, modifier, varId);
    // The game may have changed the parameter behind the editor's back: the
    // row shows the live value and a drag starts from it, so no stale copy is
    // ever written back. Not while the original is shown, nor into a value
    // being typed.
    const bool typing = state.typedValue.widget != 0 && state.typedValue.varId == varId;
    if (enabled && live && !state.comparedEdit && !typing)
    {
        working.value1 = live->value1;
        working.value2 = live->value2;
    }
    const EditedParameter row{ modifier, info, texts.drag, working, live, enabled, record, widgetsIdle, quiet };

    if (!enabled)
        ImGui::BeginDisabled(true);
    const ShownValues shown = TableValues(state, varId, working);
    TCE_ASSERT(shown.original || shown.values == &working);
    ImGui::TableSetColumnIndex(3);
    DrawValueCell(state, row, shown, ValueColumn::Outdoor, texts.value1Label.c_str());
    ImGui::TableSetColumnIndex(4);
    DrawValueCell(state, row, shown, ValueColumn::Indoor, texts.value2Label.c_str());

    ImGui::TableSetColumnIndex(5);
    // Switched-off rows keep their switch and "Delete" usable.
    if (!enabled)
        ImGui::EndDisabled();
    bool checked = enabled;
    if (ImGui::Checkbox(texts.checkLabel.c_str(), &checked))
    {
        if (checked)
        {
            if (state.history.AddParameter(modifier, name, &working, ParameterChangeKind::Switched))
                selection.switchedOff.erase(varId);
        }
        else if (state.history.RemoveParameter(modifier, varId, ParameterChangeKind::Switched))
        {
            selection.switchedOff.insert(varId);
        }
    }

    ImGui::SameLine();
    if (ImGui::Button(texts.deleteLabel.c_str(), ImVec2(0.0f, 0.0f)))
    {
        // A switched-off parameter is already gone from the game, which then
        // has nothing to remove; the row is forgotten all the same.
        const bool goneAlready = !enabled && !game.GetTimecycleModData(modifier, varId);
        if (goneAlready || state.history.RemoveParameter(modifier, varId, ParameterChangeKind::AddedOrDeleted))
            deletedVars.insert(info.varId);
    }
}

// The index of the row "Add" added a moment ago, while it is highlighted; -1
// otherwise.
int AddedRowIndex(TimecycleEditorState& state, const tcModifier& modifier, const std::vector<ParameterRowView>& rows)
{
    const TimecycleEditorState::AddedRow& added = state.addedRow;
    if (added.modifierHash != modifier.nameHash || ImGui::GetTime() - added.addedAt > kAddedRowSeconds)
        return -1;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const ParameterRowView& view) { return view.varId == added.varId; });
    return row == rows.end() ? -1 : static_cast<int>(row - rows.begin());
}

// Called right after the added row is drawn: it is scrolled into view the
// first time and has its highlight.
void ShowAddedRow(TimecycleEditorState& state)
{
    ImGui::TableSetBgColor(ImGuiTableBgTarget_RowBg1, kAddedRowColour);
    if (!state.addedRow.scrolled)
    {
        internals::ScrollLastItemIntoView();
        state.addedRow.scrolled = true;
    }
}

// Column widths: "Var" as narrow as its numbers, "Name" as wide as its
// longest name with the swatch before a colour's channels (or as the user
// made them), the values sharing the rest. Measured again only when the rows
// or the font change: a frame costs what the table shows.
void SetUpColumns(TimecycleEditorState& state, const std::vector<ParameterRowView>& rows)
{
    auto& widths = state.columnWidths;
    const uint64_t generation = state.tableRows.Generation();
    if (widths.rowsGeneration != generation || widths.fontSize != ImGui::GetFontSize())
    {
        const float swatch = ImGui::GetTextLineHeight() + ImGui::GetStyle().ItemSpacing.x;
        float varWidth = ImGui::CalcTextSize("Var").x;
        float nameWidth = ImGui::CalcTextSize("Name").x;
        for (const ParameterRowView& row : rows)
        {
            varWidth = std::max(varWidth, ImGui::CalcTextSize(row.varText.c_str()).x);
            nameWidth = std::max(nameWidth, ImGui::CalcTextSize(row.name.c_str()).x + (row.colourChannel ? swatch : 0.0f));
        }
        widths = { generation, ImGui::GetFontSize(), varWidth, nameWidth };
    }
    ImGui::TableSetupColumn("Var", ImGuiTableColumnFlags_WidthFixed, widths.varWidth);
    ImGui::TableSetupColumn("Name", ImGuiTableColumnFlags_WidthFixed, widths.nameWidth);
    for (const char* heading : { "Default", "Value 1", "Value 2", "" })
        ImGui::TableSetupColumn(heading, ImGuiTableColumnFlags_WidthStretch);
    internals::FitTableColumn(0, widths.varWidth, state.varColumn.applied, state.varColumn.byUser);
    internals::FitTableColumn(1, widths.nameWidth, state.nameColumn.applied, state.nameColumn.byUser);
}
}

void DrawParameterTable(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos)
{
    ModifierSelection& selection = state.selection;
    std::set<int32_t> deletedVars;
    int shownRows = 0;

    // Typing that ended away from its row (another modifier selected, a
    // button pressed) is dropped, as if it had been cancelled.
    if (state.typedValue.widget != 0 && internals::ActiveId() != state.typedValue.widget)
        state.typedValue = {};
    // Then no value is being typed either.
    const bool widgetsIdle = internals::NoWidgetBusy();
    const bool quiet = widgetsIdle && !internals::MouseOrKeyboardOnCurrentWindow();

    GameTimecycle& game = state.game;
    const std::vector<ParameterRowView>& rows =
        state.tableRows.Update(game, selection, state.colourTriples, modifier.nameHash, state.paramFilter,
                               state.searchParam);
    const int varCount = game.GetConfigVarInfoCount();

    // While "Compare" shows the original, the value cells show it too and
    // the table takes no input.
    const bool comparing = state.comparedEdit.has_value();
    if (comparing)
        ImGui::BeginDisabled(true);
    if (ImGui::BeginTable("##proptable", 6, kTableFlags, ImVec2(0.0f, 0.0f), 0.0f))
    {
        SetUpColumns(state, rows);
        ImGui::TableNextRow(0, 0.0f);
        const char* headings[] = { "Var", "Name", "Default", "Value 1", "Value 2", "" };
        for (int column = 0; column < 6; ++column)
        {
            ImGui::TableSetColumnIndex(column);
            ImGui::TextUnformatted(headings[column]);
        }

        // Only the rows in view are drawn; the one holding the keyboard
        // focus stays, so a value being dragged or typed outlives a scroll.
        ImGuiListClipper clipper;
        clipper.Begin(static_cast<int>(rows.size()));
        const int addedRow = AddedRowIndex(state, modifier, rows);
        if (addedRow >= 0 && !state.addedRow.scrolled)
            clipper.ForceDisplayRangeByIndices(addedRow, addedRow + 1);
        // The modifier's record, found again only after a row's edit: the
        // first edit of the session makes it.
        const SessionChanges::Record* record = nullptr;
        uint64_t recordRevision = 0;
        bool recordFound = false;
        while (clipper.Step())
        {
            for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i)
            {
                const int32_t varId = rows[i].varId;
                // The rows are gathered again whenever the table's size
                // changes, so every row's id indexes the table.
                TCE_ASSERT(varId >= 0 && varId < varCount);
                const tcVarInfo& info = varInfos[varId];
                if (!recordFound || recordRevision != state.history.Revision())
                {
                    record = state.changes.Find(game.GetTimecycleName(modifier));
                    recordRevision = state.history.Revision();
                    recordFound = true;
                }
                DrawParameterRow(state, modifier, info, rows[i], record, widgetsIdle, quiet, deletedVars);
                if (i == addedRow)
                    ShowAddedRow(state);
            }
        }
        shownRows = static_cast<int>(rows.size());
        ImGui::EndTable();
    }
    if (comparing)
        ImGui::EndDisabled();
    DrawColourPopup(state, modifier);
    ImGui::Columns(1);

    if (shownRows == 0 && state.paramFilter[0] != '\0')
    {
        ImGui::TextUnformatted("No parameters found");
        if (ImGui::Button("Clear filter query", ImVec2(0.0f, 0.0f)))
            ClearTextBuffer(state.paramFilter);
    }

    for (int32_t varId : deletedVars)
    {
        if (selection.ForgetWorking(varId))
            selection.switchedOff.erase(varId);
    }
}
}
