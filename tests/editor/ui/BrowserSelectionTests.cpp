// A click on a row of the modifier list selects the modifier for editing.
#include "EditorOverSmallGame.h"

#include <gmock/gmock.h>

using namespace tceditor;
using testing::ElementsAre;

namespace
{
using BrowserSelection = EditorOverSmallGame;

// The check box that switches a parameter row off and on.
std::string SwitchOf(const tcModifier& modifier, int32_t varId)
{
    char label[64];
    snprintf(label, sizeof(label), "##%x-%d-check", modifier.nameHash, varId);
    return label;
}

TEST_F(BrowserSelection, ClickSelectsTheRowsModifier)
{
    ui.Frame();
    ASSERT_FALSE(timecycle::HasBackup(*foggy));

    ui.Click(kWindow, "Foggy_Morning");
    MouseAway();

    EXPECT_EQ(state.SelectedModifier(), foggy);
    EXPECT_TRUE(timecycle::HasBackup(*foggy)) << "the game keeps its own copy before the editor changes anything";
    EXPECT_FALSE(timecycle::HasBackup(*sunny));
    EXPECT_STREQ(state.nameInput, "Foggy_Morning");
    EXPECT_TRUE(ShowsPart("Name { Foggy_Morning }")) << "the name field shows the name";

    // Only the selected row stays highlighted once the mouse is elsewhere.
    for (const std::string& name : AllNames())
        EXPECT_EQ(ui.Find(kWindow, name).highlighted, name == "Foggy_Morning") << name;

    // Its parameters became the editor's working copy.
    ASSERT_EQ(state.selection.workingParams.size(), 2u);
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(smallgame::kFogDensity).value1, 0.9f);
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(smallgame::kFogStart).value2, 15.0f);
}

TEST_F(BrowserSelection, ClickOnAnotherRowMovesTheSelection)
{
    ui.Frame();
    ui.Click(kWindow, "Foggy_Morning");
    ui.Click(kWindow, "vault_dark");
    MouseAway();

    EXPECT_EQ(state.SelectedModifier(), vault);
    EXPECT_STREQ(state.nameInput, "vault_dark");
    EXPECT_TRUE(ui.Find(kWindow, "vault_dark").highlighted);
    EXPECT_FALSE(ui.Find(kWindow, "Foggy_Morning").highlighted);
    EXPECT_THAT(state.selection.workingParams, testing::SizeIs(1));
}

TEST_F(BrowserSelection, ClickingTheSelectedRowAgainForgetsSwitchedOffParameters)
{
    ui.Frame();
    ui.Click(kWindow, "Foggy_Morning");
    ui.Click(kWindow, SwitchOf(*foggy, smallgame::kFogStart));
    ASSERT_THAT(state.selection.switchedOff, ElementsAre(smallgame::kFogStart));
    ASSERT_EQ(Manager().GetTimecycleModData(*foggy, smallgame::kFogStart), nullptr);

    ui.Click(kWindow, "Foggy_Morning");
    MouseAway();

    EXPECT_EQ(state.SelectedModifier(), foggy);
    EXPECT_TRUE(state.selection.switchedOff.empty());
    // The working copy is the live modifier again: the switched-off row is gone.
    EXPECT_THAT(state.selection.workingParams, testing::SizeIs(1));
    EXPECT_TRUE(state.selection.workingParams.contains(smallgame::kFogDensity));
    EXPECT_FALSE(ui.Exists(kWindow, SwitchOf(*foggy, smallgame::kFogStart)));
    EXPECT_TRUE(ui.Find(kWindow, "Foggy_Morning").highlighted);
}

TEST_F(BrowserSelection, ClickOnAnyRowClosesTheXmlOutput)
{
    for (const char* row : { "Foggy_Morning", "sunny_day" })
    {
        SCOPED_TRACE(row);
        ui.Frame();
        ui.Click(kWindow, "Foggy_Morning");
        ui.Click(kWindow, "Generate XML");
        ASSERT_TRUE(state.showingXmlOutput);
        ASSERT_TRUE(ui.Exists(kWindow, "##xml_output"));
        ASSERT_FALSE(ui.Exists(kWindow, "##detail_name"));

        ui.Click(kWindow, row);

        EXPECT_FALSE(state.showingXmlOutput) << "only the terminating NUL is left";
        EXPECT_FALSE(ui.Exists(kWindow, "##xml_output"));
        EXPECT_TRUE(ui.Exists(kWindow, "##detail_name"));
    }
}

TEST_F(BrowserSelection, ListShowsEveryModifierInTheGamesOrder)
{
    ui.Frame();
    EXPECT_EQ(ListedRows(), AllNames());

    Manager().RemoveTimecycle(*underwater);
    ui.Frame();
    EXPECT_THAT(ListedRows(), ElementsAre("sunny_day", "Foggy_Morning", "city_fog_night", "vault_dark"));
}

TEST_F(BrowserSelection, SelectionOfARemovedModifierIsDropped)
{
    ui.Frame();
    ui.Click(kWindow, "underwater");
    ASSERT_EQ(state.SelectedModifier(), underwater);

    Manager().RemoveTimecycle(*underwater);
    ui.Frame();

    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_TRUE(state.selection.workingParams.empty());
}
}
