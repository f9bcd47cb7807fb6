// The editor never overwrites what it did not make: undo leaves a modifier
// the game loaded under the same name alone, selecting another modifier
// writes nothing, "Add" of a switched-off variable is its switch, and
// "Revert" says when it could not take the original name back.
#include "DetailPaneFixture.h"
#include "editing/ModifierNameRule.h"
#include "GameRecords.h"

#include <gmock/gmock.h>

#include <fstream>
#include <string>

using namespace tceditor;

class OthersWorkTest : public DetailPaneTest
{
protected:
    // The game loads its own modifiers from a timecycle_modifier_data file.
    void GameLoads(const std::string& document)
    {
        const std::filesystem::path file = m_folder / "loaded.xml";
        std::ofstream(file, std::ios::binary) << document;
        const timecycle::LoadReport report = timecycle::LoadModifierFile(file.string());
        ASSERT_EQ(report.modifiersLoaded, 1) << document;
    }
};

TEST_F(OthersWorkTest, UndoLeavesAModifierTheGameLoadedUnderTheSameName)
{
    MakeModifier("anchor_mod", { { kFogStart, 1.0f, 2.0f } });
    ui.Frame();
    ui.SetText(kWindow, "##detail_name", "foo");
    ui.Click(kWindow, "Create");
    ui.Click(kWindow, "Delete", 0);
    ASSERT_EQ(timecycle::FindModifier("foo"), nullptr);
    GameLoads(R"(<?xml version="1.0"?>
<timecycle_modifier_data version="1.000000">
    <modifier name="foo" description="" numMods="1" userFlags="5">
        <fog_start>4.5 6.5</fog_start>
    </modifier>
</timecycle_modifier_data>
)");
    const gamerecords::Records loaded = gamerecords::Read();

    ui.Key("ctrl+z");
    ui.Key("ctrl+z");

    EXPECT_EQ(gamerecords::Read(), loaded);
    ASSERT_NE(timecycle::FindModifier("foo"), nullptr);
    EXPECT_THAT(state.history.Message(), testing::HasSubstr("Undo skipped (the game changed foo since): create foo"));
}

// A parameter switched off, then "Add" of its variable, then a click on
// another modifier: "Add" switched the row on with its kept values as one
// step, and the click wrote nothing.
TEST_F(OthersWorkTest, AddOfASwitchedOffVariableSwitchesItOnAndSelectingWritesNothing)
{
    tcModifier& first = MakeModifier("first_mod", { { kFogDensity, 0.25f, 0.5f }, { kFogStart, 1.5f, 2.5f } });
    MakeModifier("second_mod", { { kZeroVar, 0.5f, 0.5f } });
    Select(first);
    const gamerecords::Records before = gamerecords::Read();
    ui.Click(kWindow, Check(first, kFogStart));
    const size_t steps = state.history.StepCount();

    ui.SetText(kWindow, "##input", "fog_start");
    ui.Click(kWindow, "Add");

    EXPECT_EQ(gamerecords::Read(), before) << "switched on with the values the row kept";
    EXPECT_EQ(state.history.StepCount(), steps + 1);
    EXPECT_TRUE(state.selection.switchedOff.empty());
    EXPECT_TRUE(ui.Find(kWindow, Check(first, kFogStart)).Checked());

    ui.Click(kWindow, "second_mod");
    EXPECT_EQ(gamerecords::Read(), before);
    EXPECT_EQ(state.history.StepCount(), steps + 1);

    ui.Key("ctrl+z");
    EXPECT_EQ(Manager().GetTimecycleModData(first, kFogStart), nullptr) << "the undo switches it off again";
    ui.Key("ctrl+z");
    EXPECT_EQ(gamerecords::Read(), before);
}

// Switched off, then the game gives the modifier the parameter again: moving
// to another modifier keeps the game's values.
TEST_F(OthersWorkTest, SelectingAnotherModifierKeepsWhatTheGameGaveASwitchedOffRow)
{
    tcModifier& first = MakeModifier("first_mod", { { kFogStart, 1.5f, 2.5f } });
    MakeModifier("second_mod", { { kZeroVar, 0.5f, 0.5f } });
    Select(first);
    ui.Click(kWindow, Check(first, kFogStart));
    Manager().AddTimecycleModData(first, "fog_start");
    const gamerecords::Records byGame = gamerecords::Read();
    const size_t steps = state.history.StepCount();

    ui.Click(kWindow, "second_mod");

    EXPECT_EQ(gamerecords::Read(), byGame);
    EXPECT_EQ(state.history.StepCount(), steps);
}

TEST_F(OthersWorkTest, RevertWhoseOriginalNameIsTakenRevertsTheContentAndSaysSo)
{
    tcModifier& modifier = MakeModifier("orig_name", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");
    ui.SetText(kWindow, "##detail_name", "new_name");
    ui.Click(kWindow, "Rename");
    MakeModifier("orig_name", { { kSkyTint, -1.0f, -1.0f } });
    const gamerecords::Modifier other = gamerecords::Read().at("orig_name");

    ui.Click(kWindow, "Revert");

    tcModifier* reverted = timecycle::FindModifier("new_name");
    ASSERT_NE(reverted, nullptr);
    EXPECT_EQ(Manager().GetTimecycleModData(*reverted, kFogStart)->value1, 1.0f);
    EXPECT_EQ(gamerecords::Read().at("orig_name"), other);
    EXPECT_EQ(Status(), "Reverted the content of new_name but not its name: another modifier is named orig_name");
}

// The name rule's upper end in the field: a name that fills it is taken whole.
TEST_F(OthersWorkTest, ANameThatFillsTheFieldIsTakenWhole)
{
    ui.Frame();
    ui.SetText(kWindow, "##detail_name", std::string(200, 'n'));
    ASSERT_EQ(std::string(state.nameInput).size(), kMaxModifierNameBytes);
    ui.Click(kWindow, "Create");
    EXPECT_NE(timecycle::FindModifier(std::string(kMaxModifierNameBytes, 'n')), nullptr);
    EXPECT_EQ(Status(), "");
}
