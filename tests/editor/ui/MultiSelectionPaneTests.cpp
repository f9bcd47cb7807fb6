// Several modifiers selected in real frames over the stand-in game: Ctrl and
// Shift clicks and Ctrl+A in the list, the detail pane for them with its
// mixed values, edits through the ##multi-V-1 fields, and the "Session
// changes" window's lines and reverts.
#include "EditorOverSmallGame.h"

#include <gmock/gmock.h>

using namespace smallgame;

namespace
{
class MultiSelectionPane : public EditorOverSmallGame
{
protected:
    void SetUp() override
    {
        EditorOverSmallGame::SetUp();
        ui.Frame(2);
    }
    std::string MultiField(int32_t varId, int column) const
    {
        return "##multi-" + std::to_string(varId) + "-" + std::to_string(column);
    }
    float Value1(tcModifier* modifier, int32_t varId)
    {
        return LiveGame().GetTimecycleModData(*modifier, varId)->value1;
    }
    // The rows drawn selected in the list.
    std::vector<std::string> HighlightedRows() const
    {
        std::vector<std::string> rows;
        for (const uidriver::UiItem& item : ui.Items())
        {
            if (std::string_view(item.WindowName()).find("/list_") != std::string_view::npos && item.highlighted)
                rows.push_back(item.label);
        }
        return rows;
    }
};
}

TEST_F(MultiSelectionPane, CtrlClickShowsBothWithAMixedValueAndHidesTheSingleControls)
{
    ui.Click(kWindow, "sunny_day");
    ui.Click(kWindow, "vault_dark", { .ctrl = true });
    MouseAway();

    EXPECT_TRUE(ShowsPart("2 modifiers selected"));
    EXPECT_THAT(HighlightedRows(), testing::ElementsAre("sunny_day", "vault_dark"));
    for (const char* hidden : { "Rename", "Clone", "Generate XML", "As primary" })
        EXPECT_FALSE(ui.Exists(kWindow, hidden)) << hidden;
    EXPECT_TRUE(ui.Exists(kWindow, "Copy selected"));
    EXPECT_TRUE(ShowsPart("| light_dir_mult | 1.000000 | 2/2 | { - } | { - } |"));

    // A plain click is one modifier again, with its own controls.
    ui.Click(kWindow, "underwater");
    EXPECT_FALSE(ShowsPart("modifiers selected"));
    EXPECT_TRUE(ui.Exists(kWindow, "Rename"));
}

TEST_F(MultiSelectionPane, TypedOperationActsOnEachValueAndCtrlZTakesItBack)
{
    ui.Click(kWindow, "sunny_day");
    ui.Click(kWindow, "vault_dark", { .shift = true });
    ASSERT_TRUE(ShowsPart("5 modifiers selected"));
    ui.EnterValue(kWindow, MultiField(kLightDirMult, 1), "/4");

    EXPECT_EQ(Value1(sunny, kLightDirMult), 0.5f);
    EXPECT_EQ(Value1(vault, kLightDirMult), 0.2f / 4);
    EXPECT_EQ(state.history.UndoDescription(), "light_dir_mult /4 in 2 modifiers");
    ui.Key("ctrl+z");
    EXPECT_EQ(Value1(sunny, kLightDirMult), 2.0f);
    EXPECT_EQ(Value1(vault, kLightDirMult), 0.2f);
    EXPECT_TRUE(ShowsPart("5 modifiers selected"));
}

TEST_F(MultiSelectionPane, CtrlAOverTheSearchSelectsWhatIsListed)
{
    ui.SetText(kWindow, "##controls_search_name", "fog");
    ui.Click(kWindow, "Foggy_Morning");
    ui.Key("ctrl+a");
    EXPECT_TRUE(ShowsPart("2 modifiers selected"));
    EXPECT_THAT(state.multiSelection.Names(), testing::ElementsAre("Foggy_Morning", "city_fog_night"));
}

TEST_F(MultiSelectionPane, SessionChangesWindowRevertsAParameterAsOneUndoableStep)
{
    ui.Click(kWindow, "sunny_day");
    ui.Click(kWindow, "vault_dark", { .ctrl = true });
    ui.EnterValue(kWindow, MultiField(kLightDirMult, 1), "3");
    ui.Click(kWindow, "Changed this session: 2");

    const std::vector<std::string> lines = ui.Texts("Session changes");
    EXPECT_THAT(lines, testing::Contains("[ Revert ] light_dir_mult: 2.000, 1.500 -> 3.000, 1.500"));
    EXPECT_THAT(lines, testing::Contains("[ Revert ] vault_dark"));

    // The second "Revert" is sunny_day's parameter line.
    ui.Click("Session changes", "Revert", 1);
    EXPECT_EQ(Value1(sunny, kLightDirMult), 2.0f);
    EXPECT_EQ(Value1(vault, kLightDirMult), 3.0f);
    EXPECT_THAT(state.history.UndoDescription(), testing::HasSubstr("revert light_dir_mult in sunny_day"));
    state.Undo();
    EXPECT_EQ(Value1(sunny, kLightDirMult), 3.0f);
}
