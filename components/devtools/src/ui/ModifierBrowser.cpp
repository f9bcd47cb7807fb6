// The browser: search fields, the modifiers the game applies, and the list
// of every modifier, where a click selects one for editing and a right click
// copies or pastes its parameters. What the game applies is tagged in the
// list, and a right click on its row offers to select it.
#include "base/XmlText.h"
#include "editing/EditorState.h"
#include "editing/ModifierDocumentOfGame.h"
#include "editing/ModifierPaste.h"
#include "editing/ModifierSearch.h"
#include "ui/AppliedModifierMarks.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"

#include <imgui.h>

#include <charconv>
#include <cstring>
#include <span>
#include <string>
#include <utility>

namespace tceditor
{
namespace
{
// Modifiers the editor changed this session; the label stays the name.
constexpr ImU32 kChangedColour = IM_COL32(255, 190, 90, 255);

const char* ModifierNameOrInvalid(GameTimecycle& game, int index)
{
    tcModifier* modifier = game.GetTimecycleByIndex(static_cast<unsigned>(index));
    return modifier ? game.GetTimecycleName(*modifier).c_str() : "INVALID";
}

void DrawSearchFields(TimecycleEditorState& state)
{
    ImGui::TextUnformatted("Search timecycle:");
    ImGui::Columns(2, nullptr, true);
    ImGui::SetColumnWidth(0, ImGui::CalcTextSize("By param ").x);

    ImGui::TextUnformatted("By name");
    ImGui::SameLine();
    ImGui::NextColumn();
    if (ImGui::InputTextWithHint("##controls_search_name", "name contains...", state.searchName, kTextBufferSize, 0,
                                 nullptr))
        RebuildFilter(state);

    ImGui::NextColumn();
    ImGui::TextUnformatted("By param");
    ImGui::SameLine();
    ImGui::NextColumn();
    if (ImGui::InputTextWithHint("##controls_search_param", "parameter contains...", state.searchParam,
                                 kTextBufferSize, 0, nullptr))
        RebuildFilter(state);

    ImGui::NextColumn();
    ImGui::Separator();
    internals::EndColumns();
}

// One applied modifier with its strength and a "Clear" button, or
// `noneText`; returns whether "Clear" was pressed.
// "TITLE modifier: NAME", written into a text kept from frame to frame: once
// it has room, drawing the applied modifiers allocates nothing.
const std::string& AppliedModifierText(GameTimecycle& game, const char* title, int index)
{
    static std::string text;
    text.assign(title).append(" modifier: ").append(ModifierNameOrInvalid(game, index));
    return text;
}

bool DrawAppliedModifierRow(TimecycleEditorState& state, const char* title, const char* noneText, int index,
                            const char* strengthId, float& strength)
{
    if (index == -1)
    {
        ImGui::TextUnformatted(noneText);
        // The strength's line stays, empty: applying a modifier moves nothing
        // below it.
        ImGui::Dummy(ImVec2(0.0f, ImGui::GetFrameHeight()));
        return false;
    }

    const std::string& text = AppliedModifierText(state.game, title, index);
    ImGui::TextUnformatted(text.c_str());
    OfferSelectOnText(state, text.c_str(), index);
    const float minStrength = -10.0f;
    const float maxStrength = 10.0f;
    ImGui::DragScalar(strengthId, ImGuiDataType_Float, &strength, 0.05f, &minStrength, &maxStrength, "%.3f", 0);
    ImGui::SameLine();
    // Both rows show "Clear"; the row's own id scope keeps them apart.
    ImGui::PushID(strengthId);
    const bool cleared = ImGui::Button("Clear", ImVec2(0.0f, 0.0f));
    ImGui::PopID();
    return cleared;
}

// What ticking "Apply selected" did to a primary modifier applied by hand:
// outdoors the selection takes its place, inside a room it goes, as the
// selection replaces the room's own timecycle instead.
std::string ReplacedPrimaryText(GameTimecycle& game, int primary, int selected)
{
    const std::string primaryName = DisplayName(ModifierNameOrInvalid(game, primary));
    if (game.IsInsideInteriorRoom())
        return "Apply selected cleared the primary modifier " + primaryName + ": inside a room, " +
               DisplayName(ModifierNameOrInvalid(game, selected)) + " replaces the room's own timecycle";
    return "Apply selected replaced the primary modifier " + primaryName + " with " +
           DisplayName(ModifierNameOrInvalid(game, selected));
}

void DrawActiveModifiers(TimecycleEditorState& state, TimecycleScriptData& scriptData)
{
    GameTimecycle& game = state.game;
    const tcModifier* selected = state.SelectedModifier();
    const int selectedIndex = selected ? game.GetTimecycleIndex(*selected) : -1;
    const int interior = game.GetInteriorModifierOverride();

    if (DrawAppliedModifierRow(state, "Primary", "Primary modifier: NONE", scriptData.primaryIndex, "##primary-strength",
                               scriptData.primaryStrength))
    {
        scriptData.primaryIndex = -1;
        state.applySelected = false;
    }
    ImGui::Separator();

    if (DrawAppliedModifierRow(state, "Transition", "Transition modifier: NONE", scriptData.transitionIndex,
                               "##transition-strength", scriptData.transitionStrength))
        scriptData.transitionIndex = -1;
    ImGui::Separator();

    if (interior == -1)
        ImGui::TextUnformatted("Interior modifier: NONE");
    else
    {
        const std::string& text = AppliedModifierText(game, "Interior", interior);
        ImGui::TextUnformatted(text.c_str());
        OfferSelectOnText(state, text.c_str(), interior);
    }
    ImGui::Separator();

    const int primaryBefore = scriptData.primaryIndex;
    if (ImGui::Checkbox("Apply selected", &state.applySelected))
    {
        if (!state.applySelected)
            scriptData.primaryIndex = -1;
        else if (primaryBefore != -1 && selectedIndex != -1 && primaryBefore != selectedIndex)
            state.SetStatus(ReplacedPrimaryText(game, primaryBefore, selectedIndex), false);
    }
    if (ImGui::IsItemHovered(0))
        ImGui::SetTooltip("Applies the selected timecycle globally, the way a script would.\n"
                          "Inside an MLO it replaces the rooms own timecycle instead.");

    // Applied every frame while the window is drawn, so the selection keeps
    // winning over whatever else sets these.
    if (!state.applySelected)
    {
        game.SetInteriorModifierOverride(-1);
    }
    else if (selectedIndex != -1)
    {
        if (!game.IsInsideInteriorRoom())
        {
            scriptData.primaryIndex = selectedIndex;
            game.SetInteriorModifierOverride(-1);
        }
        else
        {
            scriptData.primaryIndex = -1;
            game.SetInteriorModifierOverride(selectedIndex);
        }
    }
}

// The row's context menu: the modifier's parameters to and from the
// clipboard. Returns whether it was shown.
bool DrawRowMenu(TimecycleEditorState& state, tcModifier& modifier)
{
    if (!internals::ContextMenuMayShow() || !ImGui::BeginPopupContextItem())
        return false;
    if (ImGui::MenuItem("Copy parameters"))
    {
        const DocumentModifier document = DocumentOfModifier(state.game, modifier);
        ImGui::SetClipboardText(ModifierDocumentText({ document }).c_str());
        state.SetStatus("Copied the parameters of " + DisplayName(document.name), false);
    }
    if (ImGui::MenuItem("Paste parameters"))
    {
        const char* clipboard = ImGui::GetClipboardText();
        PasteOutcome outcome = PasteParameters(state.game, state.history, modifier, clipboard ? clipboard : "");
        state.RefreshSelection();
        state.SetStatus(std::move(outcome.message), outcome.failed);
    }
    ImGui::EndPopup();
    return true;
}

// A click on a row with Shift held, acted on once the list is drawn: the
// range needs every listed row, checked against the game.
struct ListClicks
{
    // Asked once a frame, not once a row.
    bool leftClicked = ImGui::IsMouseClicked(0);
    // No row can open its menu without the right button let go.
    bool menusMayShow = internals::ContextMenusMayShow();
    std::string shiftClicked;
    bool selectAll = false;
};

// One modifier of the list; `selected` is the selected modifier as found
// this frame. Returns whether a click or its menu may have changed the selection.
bool DrawModifierListEntry(TimecycleEditorState& state, tcModifier& modifier, const tcModifier* selected,
                           const AppliedModifiers& applied, ListClicks& clicks)
{
    const std::string& name = state.game.GetTimecycleName(modifier);
    ImGuiTreeNodeFlags flags = ImGuiTreeNodeFlags_Leaf;
    if (&modifier == selected || (state.MultiSelected() && state.multiSelection.Contains(name)))
        flags |= ImGuiTreeNodeFlags_Selected;

    const bool changed = state.changes.IsChanged(name);
    if (changed)
        ImGui::PushStyleColor(ImGuiCol_Text, kChangedColour);
    const bool open = internals::TreeNode(&modifier, flags, name);
    if (changed)
        ImGui::PopStyleColor(1);
    if (applied.Has(modifier))
        DrawAppliedTags(applied, modifier);
    if (!open)
        return false;
    bool acted = false;
    // ImGui::IsItemClicked(0), with the click asked once a frame.
    if (clicks.leftClicked && ImGui::IsItemHovered(0))
    {
        const ImGuiIO& io = ImGui::GetIO();
        if (io.KeyShift)
            clicks.shiftClicked = name;
        else if (io.KeyCtrl)
            state.CtrlClickInBrowser(modifier);
        else
            state.SelectFromBrowser(modifier);
        acted = true;
    }
    if (clicks.menusMayShow)
        acted |= DrawRowMenu(state, modifier);
    ImGui::TreePop();
    return acted;
}

// Shift+click and Ctrl+A, after the list is drawn, over every listed row.
void ActOnListClicks(TimecycleEditorState& state, const ListClicks& clicks, bool filterActive)
{
    if (clicks.shiftClicked.empty() && !clicks.selectAll)
        return;
    const std::span<tcModifier* const> rows =
        state.listedModifiers.Update(state.game.Modifiers(), filterActive ? &state.filterHashes : nullptr, true);
    if (!clicks.shiftClicked.empty())
        state.ShiftClickInBrowser(clicks.shiftClicked, rows);
    else
        state.SelectAllListed(rows);
}

// The row of the list the browser was asked to scroll to, or -1 when it
// lists no such modifier (the search leaves it out); asked once.
int TakeScrollTarget(TimecycleEditorState& state, std::span<tcModifier* const> rows)
{
    if (state.browserScrollTarget.empty())
        return -1;
    const std::string target = std::move(state.browserScrollTarget);
    state.browserScrollTarget.clear();
    for (size_t row = 0; row < rows.size(); ++row)
    {
        if (state.game.GetTimecycleName(*rows[row]) == target)
            return static_cast<int>(row);
    }
    return -1;
}

void DrawModifierList(TimecycleEditorState& state)
{
    ImGui::PushStyleVar(ImGuiStyleVar_IndentSpacing, ImGui::GetFontSize());

    // Names are asked and rows submitted only for the rows the list shows;
    // the scroll to a modifier reads every row's name.
    const bool filterActive = IsFilterActive(state);
    const std::span<tcModifier* const> modifiers = state.game.Modifiers();
    const std::span<tcModifier* const> rows = state.listedModifiers.Update(
        modifiers, filterActive ? &state.filterHashes : nullptr, !state.browserScrollTarget.empty());

    const AppliedModifiers applied = AppliedModifiers::Of(state.game);
    const int scrollTo = TakeScrollTarget(state, rows);

    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(rows.size()));
    if (scrollTo >= 0)
        clipper.ForceDisplayRangeByIndices(scrollTo, scrollTo + 1);
    const tcModifier* selected = state.SelectedModifier();
    ListClicks clicks;
    while (clipper.Step())
    {
        for (int row = clipper.DisplayStart; row < clipper.DisplayEnd; ++row)
        {
            // A click may change the selection: it is found again after one.
            // A row whose slot the game changed is left out until the rows
            // are collected again, next frame.
            tcModifier* modifier = state.listedModifiers.RowToDraw(modifiers, static_cast<size_t>(row));
            if (modifier && DrawModifierListEntry(state, *modifier, selected, applied, clicks))
                selected = state.SelectedModifier();
            if (row == scrollTo)
                ImGui::SetScrollHereY(0.5f);
        }
    }
    clipper.End();

    // Ctrl+A while the list has the focus and no widget the keys.
    const ImGuiIO& io = ImGui::GetIO();
    clicks.selectAll = io.KeyCtrl && !io.KeyAlt && ImGui::IsWindowFocused() && !ImGui::IsAnyItemActive() &&
                       ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_A), false);
    ActOnListClicks(state, clicks, filterActive);

    ImGui::PopStyleVar(1);

    if (rows.empty() && filterActive)
    {
        ImGui::TextUnformatted("No timecycles found");
        if (ImGui::Button("Clear search query", ImVec2(0.0f, 0.0f)))
        {
            ClearTextBuffer(state.searchName);
            ClearTextBuffer(state.searchParam);
            RebuildFilter(state);
        }
    }
}
}

void DrawModifierBrowser(TimecycleEditorState& state)
{
    DrawSearchFields(state);

    if (TimecycleScriptData* scriptData = state.game.GetScriptData())
        DrawActiveModifiers(state, *scriptData);

    // The list leaves one line below it for the count of changed modifiers.
    const float countHeight = ImGui::GetTextLineHeightWithSpacing();
    if (ImGui::BeginChild("list", ImVec2(-1.0f, -countHeight), false, 0))
        DrawModifierList(state);
    ImGui::EndChild();
    // Written into a buffer of the frame: no text is allocated for it.
    static constexpr char kCountLabel[] = "Changed this session: ";
    char count[sizeof kCountLabel + 20];
    std::memcpy(count, kCountLabel, sizeof kCountLabel - 1);
    const auto written =
        std::to_chars(count + sizeof kCountLabel - 1, count + sizeof count - 1, state.changes.ChangedCount());
    // Ended as a C string all the same: Dear ImGui's text logging reads the
    // byte at the end it is given.
    *written.ptr = '\0';
    // A button that reads as the count: it opens the "Session changes" window.
    ImGui::PushStyleColor(ImGuiCol_Text, kChangedColour);
    if (ImGui::Selectable(count, false, 0, ImVec2(ImGui::CalcTextSize(count, written.ptr).x, 0.0f)))
        state.sessionChangesOpen = true;
    ImGui::PopStyleColor(1);
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Lists each change of this session, with its original, to revert one by one");
}
}
