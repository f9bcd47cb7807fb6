// The parameter table of several selected modifiers: one row per variable any
// of them has, how many have it, and each value as the common value or a dash
// where they differ, the distinct values in the tooltip. A drag, a typed
// number or operation, a reset, a colour, the check box and "Delete" act on
// every member that has the parameter (MultiEdit). Only the rows in view are
// drawn, from rows gathered when they change (MultiParameterRows).
#include "base/XmlText.h"
#include "editing/EditorState.h"
#include "editing/MultiEdit.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"
#include "ui/ValueCells.h"

#include <imgui.h>

#include <array>
#include <cstdio>
#include <string>

namespace tceditor
{
namespace
{
constexpr ImGuiTableFlags kTableFlags = ImGuiTableFlags_Resizable | ImGuiTableFlags_RowBg | ImGuiTableFlags_Borders;
// The distinct values a tooltip lists before it counts the rest.
constexpr size_t kTooltipValues = 8;

// The widget labels of a row, written into the frame's buffers.
struct RowLabels
{
    char value1[48];
    char value2[48];
    char check[48];
    char remove[48];
    char colour[48];
};

RowLabels LabelsOf(int32_t varId)
{
    RowLabels labels;
    std::snprintf(labels.value1, sizeof labels.value1, "##multi-%d-1", varId);
    std::snprintf(labels.value2, sizeof labels.value2, "##multi-%d-2", varId);
    std::snprintf(labels.check, sizeof labels.check, "##multi-%d-check", varId);
    std::snprintf(labels.remove, sizeof labels.remove, "Delete##multi-%d-del", varId);
    std::snprintf(labels.colour, sizeof labels.colour, "##multi-%d-colour", varId);
    return labels;
}

void DrawValueTooltip(TimecycleEditorState& state, const MultiParameterRow& row, ValueColumn column, float speed)
{
    const size_t members = state.multiRows.MemberCount();
    std::string text = "In " + std::to_string(row.present) + " of " + std::to_string(members) + " modifiers\n";
    if (row.Common(column))
        text += "Value: " + ExactValueText(row.Value(column)) + "\n";
    else
    {
        const auto values = state.multiRows.DistinctValues(state.game, row.varId, column);
        text += "Values differ:\n";
        for (size_t i = 0; i < values.size() && i < kTooltipValues; ++i)
            text += "  " + ExactValueText(values[i].first) + " in " + std::to_string(values[i].second) + "\n";
        if (values.size() > kTooltipValues)
            text += "  and " + std::to_string(values.size() - kTooltipValues) + " more values\n";
    }
    ImGui::SetTooltip("%s%s", text.c_str(), EditHint(speed).c_str());
}

void DrawValueMenu(TimecycleEditorState& state, const MultiParameterRow& row, ValueColumn column)
{
    if (!internals::ContextMenuMayShow() || !ImGui::BeginPopupContextItem())
        return;
    if (ImGui::MenuItem("Reset to default"))
        MultiResetToDefault(state, row.varId, column);
    if (ImGui::MenuItem("Reset to original"))
    {
        if (MultiResetToOriginal(state, row.varId, column) == 0)
            state.SetStatus("Reset to original: no selected modifier has another original value", false);
    }
    ImGui::EndPopup();
}

// What a value cell does once its widget was used, hovered, or is typed
// into. A drag moves every member by what it moved the cell (sets them all
// while they agree); typing acts once it ends.
void ReactToValue(TimecycleEditorState& state, const MultiParameterRow& row, ValueColumn column, const DragRange& range,
                  float value, float before, bool edited)
{
    const ImGuiID widget = internals::LastItemId();
    TimecycleEditorState::TypedValue& typed = state.typedValue;
    if (ImGui::IsItemActivated())
        state.history.EndGesture();
    if (internals::IsTypingInto(widget))
    {
        if (typed.widget != widget)
            typed = { widget, row.varId, before };
    }
    else if (typed.widget == widget)
    {
        typed = {};
        if (const std::optional<internals::TypedTexts> texts = internals::TypedTextsOf(widget);
            texts && !MultiApplyTypedText(state, row.varId, column, texts->now, texts->initial))
            state.SetStatus("Not a number, nor +x, *x or /x: \"" + DisplayName(texts->now) + "\"", true);
    }
    else if (edited && row.Common(column))
    {
        MultiSetValue(state, row.varId, column, value, widget);
    }
    else if (edited)
    {
        MultiOffsetValue(state, row.varId, column, value - before, widget);
    }
    if (ImGui::IsItemDeactivated())
        state.history.EndGesture();

    if (ImGui::IsItemHovered())
        DrawValueTooltip(state, row, column, range.speed);
    DrawValueMenu(state, row, column);
}

void DrawValue(TimecycleEditorState& state, const MultiParameterRow& row, const tcVarInfo& info, ValueColumn column,
               const char* label)
{
    const bool common = row.Common(column);
    float value = row.Value(column);
    const float before = value;
    const DragRange range = DragRangeFor(DragRangeOfDefault(info.defaultValue), value);
    // A dash where the members differ; typing into it starts from the dash.
    std::string exactFormat;
    const char* format = "-";
    if (common)
    {
        const bool exact = internals::WasHoveredIdleOrTypingInto(label);
        format = exact ? (exactFormat = ExactValueFormat(value)).c_str() : "%.3f";
    }
    const bool edited = ImGui::DragScalar(label, ImGuiDataType_Float, &value, range.speed, &range.min, &range.max, format, 0);
    if (edited || state.typedValue.widget == internals::LastItemId() || !internals::LastItemIdle())
        ReactToValue(state, row, column, range, value, before, edited);
}

// A swatch before the red channel of a colour: the colour picked goes into
// every member that has all three channels.
void DrawColourSwatch(TimecycleEditorState& state, const MultiParameterRow& row, const char* label)
{
    const ColourTriple* triple = state.colourTriples.Of(state.game, row.varId);
    if (!triple || triple->channels[0] != row.varId)
        return;
    std::array<float, 3> colour{};
    for (size_t i = 0; i < 3; ++i)
    {
        if (const tcVarInfo* info = state.game.GetConfigVarInfo(triple->channels[i]))
            colour[i] = info->defaultValue;
    }
    // Each channel as its row shows it: the common value, or the first
    // member's.
    for (size_t i = 0; i < 3; ++i)
    {
        if (const MultiParameterRow* channel = state.multiRows.Find(triple->channels[i]))
            colour[i] = channel->Value(ValueColumn::Outdoor);
    }
    if (ImGui::ColorEdit3(label, colour.data(), ImGuiColorEditFlags_NoInputs | ImGuiColorEditFlags_NoLabel |
                                                    ImGuiColorEditFlags_Float | ImGuiColorEditFlags_HDR))
        MultiSetColour(state, triple->channels, triple->stem, ValueColumn::Outdoor, colour, internals::LastItemId());
    if (ImGui::IsItemDeactivated())
        state.history.EndGesture();
    ImGui::SameLine();
}

void DrawRow(TimecycleEditorState& state, const MultiParameterRow& row, const tcVarInfo& info, const char* name,
             size_t members)
{
    const RowLabels labels = LabelsOf(row.varId);
    char text[64];

    ImGui::TableNextRow(0, 0.0f);
    ImGui::TableSetColumnIndex(0);
    std::snprintf(text, sizeof text, "%d", row.varId);
    ImGui::TextUnformatted(text);
    ImGui::TableSetColumnIndex(1);
    DrawColourSwatch(state, row, labels.colour);
    ImGui::TextUnformatted(name);
    ImGui::TableSetColumnIndex(2);
    std::snprintf(text, sizeof text, "%f", info.defaultValue);
    ImGui::TextUnformatted(text);
    ImGui::TableSetColumnIndex(3);
    std::snprintf(text, sizeof text, "%u/%zu", row.present, members);
    ImGui::TextUnformatted(text);
    // A switched-off row keeps its switch and "Delete" usable.
    if (row.switchedOff)
        ImGui::BeginDisabled(true);
    ImGui::TableSetColumnIndex(4);
    DrawValue(state, row, info, ValueColumn::Outdoor, labels.value1);
    ImGui::TableSetColumnIndex(5);
    DrawValue(state, row, info, ValueColumn::Indoor, labels.value2);
    if (row.switchedOff)
        ImGui::EndDisabled();

    ImGui::TableSetColumnIndex(6);
    bool checked = !row.switchedOff;
    if (ImGui::Checkbox(labels.check, &checked))
    {
        if (checked)
            MultiSwitchOn(state, row.varId);
        else
            MultiRemoveVariable(state, row.varId, ParameterChangeKind::Switched);
    }
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip(row.switchedOff ? "Switches the parameter on again with the values it had"
                                          : "Switches the parameter off in the selected modifiers that have it");
    ImGui::SameLine();
    if (ImGui::Button(labels.remove, ImVec2(0.0f, 0.0f)))
    {
        // The values kept for switching it on go with the row.
        state.multiSelection.switchedOff.erase(row.varId);
        state.multiRows.Invalidate();
        MultiRemoveVariable(state, row.varId, ParameterChangeKind::AddedOrDeleted);
    }
}
}

void DrawMultiParameterTable(TimecycleEditorState& state, const std::vector<MultiParameterRow>& rows)
{
    // Typing that ended away from its row is dropped, as if cancelled.
    if (state.typedValue.widget != 0 && internals::ActiveId() != state.typedValue.widget)
        state.typedValue = {};
    GameTimecycle& game = state.game;
    const size_t members = state.multiRows.MemberCount();
    if (ImGui::BeginTable("##multitable", 7, kTableFlags, ImVec2(0.0f, 0.0f), 0.0f))
    {
        ImGui::TableSetupColumn("Var", ImGuiTableColumnFlags_WidthFixed, ImGui::CalcTextSize("0000").x);
        ImGui::TableSetupColumn("Name", ImGuiTableColumnFlags_WidthStretch, 2.0f);
        ImGui::TableSetupColumn("Default", ImGuiTableColumnFlags_WidthStretch, 1.0f);
        ImGui::TableSetupColumn("In", ImGuiTableColumnFlags_WidthFixed, ImGui::CalcTextSize("0000/0000").x);
        const char* headings[] = { "Var", "Name", "Default", "In", "Value 1", "Value 2", "" };
        for (const char* heading : { "Value 1", "Value 2", "" })
            ImGui::TableSetupColumn(heading, ImGuiTableColumnFlags_WidthStretch, 1.0f);
        // Plain texts, as the single table's headings.
        ImGui::TableNextRow(0, 0.0f);
        for (int column = 0; column < 7; ++column)
        {
            ImGui::TableSetColumnIndex(column);
            ImGui::TextUnformatted(headings[column]);
        }

        // A row's edit shows in the rows gathered next frame.
        ImGuiListClipper clipper;
        clipper.Begin(static_cast<int>(rows.size()));
        while (clipper.Step())
        {
            for (int i = clipper.DisplayStart; i < clipper.DisplayEnd; ++i)
            {
                const MultiParameterRow& row = rows[static_cast<size_t>(i)];
                const tcVarInfo* info = game.GetConfigVarInfo(row.varId);
                const char* name = info ? game.GetVarInfoName(*info) : nullptr;
                if (name)
                    DrawRow(state, row, *info, name, members);
            }
        }
        ImGui::EndTable();
    }
    if (rows.empty() && state.paramFilter[0] != '\0')
    {
        ImGui::TextUnformatted("No parameters found");
        if (ImGui::Button("Clear filter query", ImVec2(0.0f, 0.0f)))
            ClearTextBuffer(state.paramFilter);
    }
}
}
