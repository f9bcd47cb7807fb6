// The panel that shows what the game applies (primary, transition and
// interior modifier), clears it, and applies the selected modifier.
#include "EditorOverSmallGame.h"

#include <gmock/gmock.h>

using namespace tceditor;

namespace
{
using ActiveModifierPanel = EditorOverSmallGame;

constexpr const char* kApplySelected = "Apply selected";

// The index, among the window's "Clear" buttons, of the one on the same line
// as the strength drag `dragId`; fails when there is none.
int ClearIndexBeside(const uidriver::UiDriver& ui, const char* dragId)
{
    const std::string_view window = "Timecycle Editor";
    float dragY = -1.0f;
    for (const uidriver::UiItem& item : ui.Items())
        if (item.TopWindowName() == window && item.label == dragId)
            dragY = (item.rect.Min.y + item.rect.Max.y) / 2;

    int index = 0;
    for (const uidriver::UiItem& item : ui.Items())
    {
        if (item.TopWindowName() != window || item.VisibleLabel() != "Clear")
            continue;
        if (item.rect.Min.y <= dragY && dragY <= item.rect.Max.y)
            return index;
        ++index;
    }
    ADD_FAILURE() << "no \"Clear\" beside " << dragId;
    return 0;
}

struct RowCase
{
    const char* name;
    int32_t primaryIndex;
    const char* shown;
    bool hasControls;
};

void PrintTo(const RowCase& row, std::ostream* out)
{
    *out << row.name;
}

class PrimaryRow : public EditorOverSmallGame, public testing::WithParamInterface<RowCase>
{
};

TEST_P(PrimaryRow, ShowsTheAppliedModifier)
{
    const RowCase& row = GetParam();
    Script().primaryIndex = row.primaryIndex;
    ui.Frame();

    EXPECT_TRUE(Shows(row.shown)) << testing::PrintToString(ui.Texts(kWindow));
    EXPECT_EQ(ui.Exists(kWindow, "##primary-strength"), row.hasControls);
    EXPECT_EQ(ui.Exists(kWindow, "Clear"), row.hasControls);
}

INSTANTIATE_TEST_SUITE_P(Indices, PrimaryRow,
                         testing::Values(RowCase{ "None", -1, "Primary modifier: NONE", false },
                                         RowCase{ "First", 0, "Primary modifier: sunny_day", true },
                                         RowCase{ "Last", 4, "Primary modifier: vault_dark", true },
                                         RowCase{ "PastTheEnd", 5, "Primary modifier: INVALID", true },
                                         RowCase{ "Negative", -7, "Primary modifier: INVALID", true }),
                         [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST_F(ActiveModifierPanel, TransitionAndInteriorRowsShowTheirModifiers)
{
    ui.Frame();
    EXPECT_TRUE(Shows("Transition modifier: NONE"));
    EXPECT_TRUE(Shows("Interior modifier: NONE"));

    Script().transitionIndex = IndexOf(underwater);
    // Shown in the frame that clears it again: "Apply selected" is off.
    Manager().SetInteriorModifierOverride(IndexOf(vault));
    ui.Frame();
    EXPECT_TRUE(Shows("Transition modifier: underwater"));
    EXPECT_TRUE(ui.Exists(kWindow, "##transition-strength"));
    EXPECT_TRUE(Shows("Interior modifier: vault_dark"));
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);

    Script().transitionIndex = 99;
    Manager().SetInteriorModifierOverride(42);
    ui.Frame();
    EXPECT_TRUE(Shows("Transition modifier: INVALID"));
    EXPECT_TRUE(Shows("Interior modifier: INVALID"));
}

TEST_F(ActiveModifierPanel, StrengthDragsWriteTheScriptData)
{
    Script().primaryIndex = IndexOf(sunny);
    Script().primaryStrength = 1.0f;
    Script().transitionIndex = 99;
    Script().transitionStrength = 0.0f;
    ui.Frame();

    ui.Drag(kWindow, "##primary-strength", ImVec2(40.0f, 0.0f));
    EXPECT_GT(Script().primaryStrength, 1.0f);
    EXPECT_LE(Script().primaryStrength, 10.0f);
    EXPECT_EQ(Script().transitionStrength, 0.0f);

    // An index without a modifier keeps its drag.
    ui.Drag(kWindow, "##transition-strength", ImVec2(-40.0f, 0.0f));
    EXPECT_LT(Script().transitionStrength, 0.0f);
    EXPECT_GE(Script().transitionStrength, -10.0f);
}

TEST_F(ActiveModifierPanel, StrengthDragStopsAtTen)
{
    Script().primaryIndex = IndexOf(sunny);
    Script().primaryStrength = 9.9f;
    ui.Frame();

    ui.Drag(kWindow, "##primary-strength", ImVec2(300.0f, 0.0f));
    EXPECT_FLOAT_EQ(Script().primaryStrength, 10.0f);
}

TEST_F(ActiveModifierPanel, EachClearActsOnItsOwnRow)
{
    ui.Frame();
    ui.Click(kWindow, "sunny_day");
    ui.Click(kWindow, kApplySelected);
    ASSERT_TRUE(state.applySelected);
    // "Apply selected" made sunny_day the primary modifier.
    ASSERT_EQ(Script().primaryIndex, IndexOf(sunny));
    Script().transitionIndex = IndexOf(foggy);
    ui.Frame();

    ui.Click(kWindow, "Clear", ClearIndexBeside(ui, "##transition-strength"));
    EXPECT_EQ(Script().transitionIndex, -1);
    EXPECT_EQ(Script().primaryIndex, IndexOf(sunny));
    EXPECT_TRUE(state.applySelected) << "the transition's Clear leaves \"Apply selected\" alone";
    EXPECT_TRUE(Shows("Transition modifier: NONE"));

    ui.Click(kWindow, "Clear", ClearIndexBeside(ui, "##primary-strength"));
    EXPECT_EQ(Script().primaryIndex, -1);
    EXPECT_FALSE(state.applySelected) << "the primary's Clear turns \"Apply selected\" off";
    EXPECT_FALSE(ui.Find(kWindow, kApplySelected).Checked());
    EXPECT_TRUE(Shows("Primary modifier: NONE"));

    // With the switch off, nothing puts the selection back.
    ui.Frame(3);
    EXPECT_EQ(Script().primaryIndex, -1);
}

TEST_F(ActiveModifierPanel, PrimaryClearLeavesTheTransition)
{
    Script().primaryIndex = IndexOf(vault);
    Script().transitionIndex = IndexOf(foggy);
    ui.Frame();

    ui.Click(kWindow, "Clear", ClearIndexBeside(ui, "##primary-strength"));
    EXPECT_EQ(Script().primaryIndex, -1);
    EXPECT_EQ(Script().transitionIndex, IndexOf(foggy));
}

TEST_F(ActiveModifierPanel, ApplySelectedOutsideAnInteriorMakesThePrimaryModifier)
{
    Manager().SetInteriorModifierOverride(IndexOf(vault));
    ui.Frame();
    ui.Click(kWindow, "Foggy_Morning");
    ui.Click(kWindow, kApplySelected);

    EXPECT_EQ(Script().primaryIndex, IndexOf(foggy));
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);
    EXPECT_FLOAT_EQ(*timecycle::EffectiveValue(smallgame::kFogDensity), 0.9f) << "the game renders with it";

    // Kept every frame, also against other writers.
    Script().primaryIndex = IndexOf(sunny);
    ui.Frame();
    EXPECT_EQ(Script().primaryIndex, IndexOf(foggy));
    ui.Frame();
    EXPECT_TRUE(Shows("Primary modifier: Foggy_Morning"));

    // Follows the selection.
    ui.Click(kWindow, "city_fog_night");
    EXPECT_EQ(Script().primaryIndex, IndexOf(cityFog));
}

TEST_F(ActiveModifierPanel, ApplySelectedInsideAnInteriorOverridesTheRoom)
{
    timecycle::SetInsideInteriorRoom(true);
    Script().primaryIndex = IndexOf(sunny);
    ui.Frame();
    ui.Click(kWindow, "Foggy_Morning");
    ui.Click(kWindow, kApplySelected);

    EXPECT_EQ(Script().primaryIndex, -1);
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), IndexOf(foggy));
    EXPECT_FLOAT_EQ(*timecycle::EffectiveValue(smallgame::kFogDensity), 0.2f) << "value2 inside an interior room";
    ui.Frame();
    EXPECT_TRUE(Shows("Interior modifier: Foggy_Morning"));
    EXPECT_TRUE(Shows("Primary modifier: NONE"));

    // Leaving the room moves the selection to the primary modifier.
    timecycle::SetInsideInteriorRoom(false);
    ui.Frame();
    EXPECT_EQ(Script().primaryIndex, IndexOf(foggy));
    EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);
}

TEST_F(ActiveModifierPanel, TurningApplySelectedOffClearsBoth)
{
    for (bool inside : { false, true })
    {
        SCOPED_TRACE(inside ? "inside" : "outside");
        timecycle::SetInsideInteriorRoom(inside);
        ui.Frame();
        ui.Click(kWindow, "underwater");
        if (!state.applySelected)
            ui.Click(kWindow, kApplySelected);
        ASSERT_TRUE(state.applySelected);

        ui.Click(kWindow, kApplySelected);

        EXPECT_FALSE(state.applySelected);
        EXPECT_EQ(Script().primaryIndex, -1);
        EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);
    }
}

TEST_F(ActiveModifierPanel, WhileOffTheInteriorOverrideIsClearedEveryFrame)
{
    Script().primaryIndex = IndexOf(sunny);
    ui.Frame();
    for (int frame = 0; frame < 2; ++frame)
    {
        Manager().SetInteriorModifierOverride(IndexOf(underwater));
        ui.Frame();
        EXPECT_EQ(Manager().GetInteriorModifierOverride(), -1);
    }
    EXPECT_EQ(Script().primaryIndex, IndexOf(sunny)) << "only the override is cleared";
}

TEST_F(ActiveModifierPanel, ApplySelectedWithNothingSelectedChangesNothing)
{
    ui.Frame();
    ui.Click(kWindow, kApplySelected);
    for (bool inside : { false, true })
    {
        timecycle::SetInsideInteriorRoom(inside);
        Script().primaryIndex = IndexOf(vault);
        Manager().SetInteriorModifierOverride(IndexOf(sunny));
        ui.Frame();

        EXPECT_TRUE(state.applySelected);
        EXPECT_EQ(Script().primaryIndex, IndexOf(vault));
        EXPECT_EQ(Manager().GetInteriorModifierOverride(), IndexOf(sunny));
    }
}

TEST_F(ActiveModifierPanel, ApplySelectedExplainsItself)
{
    ui.Frame();
    ui.Hover(kWindow, kApplySelected);
    ui.Frame();

    const std::vector<std::string> texts = ui.Texts(kWindow);
    EXPECT_THAT(texts, testing::Contains("Applies the selected timecycle globally, the way a script would."));
    EXPECT_THAT(texts, testing::Contains("Inside an MLO it replaces the rooms own timecycle instead."));
}
}
