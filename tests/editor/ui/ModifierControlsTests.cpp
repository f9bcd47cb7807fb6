// The detail pane's modifier controls: the name field with "Create",
// "Rename", "Clone" and "Delete", and the "Apply" row.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <ostream>

using namespace tceditor;
using testing::ElementsAre;

namespace
{
constexpr const char* kSeparator = "--------------------------------";
// The "Edit" row below the separator when no modifier is selected.
constexpr const char* kEditRowWithoutModifier = "Edit [ Undo ] [ Redo ] [ Paste XML ] [ Copy changed ] [ Save changed ]";
}

TEST_F(DetailPaneTest, NothingSelectedShowsTheNameRowCreateASeparatorAndTheEditRow)
{
    ui.Frame();

    EXPECT_THAT(DetailTexts(), ElementsAre("Name { }", "Controls [ Create ]", kSeparator, kEditRowWithoutModifier));
    EXPECT_THAT(DetailWidgets(), ElementsAre("##detail_name", "Create", "Undo", "Redo", "Paste XML", "Copy changed",
                                             "Save changed"));
}

// Right after a delete nothing is selected: the history and the session's
// documents stay in reach.
TEST_F(DetailPaneTest, TheEditRowWithoutASelectionUndoesAndCopiesTheSession)
{
    tcModifier& modifier = MakeModifier("doomed", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    PressAndRelease("Delete", 0);
    ui.Frame();
    ASSERT_EQ(state.SelectedModifier(), nullptr);

    ui.Click(kWindow, "Copy changed");
    EXPECT_THAT(ui.Clipboard(), testing::HasSubstr("doomed"));

    ui.Click(kWindow, "Undo");
    tcModifier* back = timecycle::FindModifier("doomed");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(state.SelectedModifier(), back);

    state.selection.Clear();
    ui.Frame();
    ui.Click(kWindow, "Redo");
    EXPECT_EQ(timecycle::FindModifier("doomed"), nullptr);
}

TEST_F(DetailPaneTest, ModifierRemovedBehindTheEditorIsDroppedWithoutIndex)
{
    tcModifier& modifier = MakeModifier("short_lived", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    Manager().RemoveTimecycle(modifier);

    ui.Frame();

    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_TRUE(state.selection.workingParams.empty());
    EXPECT_THAT(DetailTexts(),
                ElementsAre("Name { short_lived }", "Controls [ Create ]", kSeparator, kEditRowWithoutModifier));
}

TEST_F(DetailPaneTest, CreateSelectsTheNewModifierAndNamesItInTheNameField)
{
    MakeModifier("already_there");
    ui.SetText(kWindow, "##detail_name", "fresh_mod");

    ui.Click(kWindow, "Create");

    tcModifier* created = timecycle::FindModifier("fresh_mod");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(state.SelectedModifier(), created);
    EXPECT_STREQ(state.nameInput, "fresh_mod");
    // Only a click in the browser takes a backup.
    EXPECT_FALSE(timecycle::HasBackup(*created));
    EXPECT_THAT(DetailTexts(), testing::Contains("Name { fresh_mod } (index: 1)"));

    // Renamed at once: the field already holds its name to change.
    ui.SetText(kWindow, "##detail_name", "fresh_mod_2");
    ui.Click(kWindow, "Rename");
    EXPECT_EQ(Manager().GetTimecycleName(*created), "fresh_mod_2");
}

TEST_F(DetailPaneTest, CloneSelectsTheCopyAndNamesItInTheNameField)
{
    tcModifier& source = MakeModifier("source_mod", { { kFogStart, 1.5f, 2.5f } });
    source.userFlags = 6;
    Select(source);
    ui.SetText(kWindow, "##detail_name", "copy_mod");

    ui.Click(kWindow, "Clone");

    tcModifier* clone = timecycle::FindModifier("copy_mod");
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(state.SelectedModifier(), clone);
    EXPECT_STREQ(state.nameInput, "copy_mod");
    EXPECT_FALSE(timecycle::HasBackup(*clone));
    ASSERT_EQ(clone->numMods, 1);
    EXPECT_EQ(clone->modData[0].varId, kFogStart);
    EXPECT_FLOAT_EQ(clone->modData[0].value1, 1.5f);
    EXPECT_EQ(clone->userFlags, 6u);
    // The table now edits the copy.
    EXPECT_TRUE(RowDrawn(*clone, kFogStart));
    EXPECT_FALSE(RowDrawn(source, kFogStart));
}

TEST_F(DetailPaneTest, RenameKeepsTheSelectionAndTheNameField)
{
    tcModifier& modifier = MakeModifier("old_name");
    Select(modifier);
    ui.SetText(kWindow, "##detail_name", "new_name");

    ui.Click(kWindow, "Rename");

    EXPECT_EQ(Manager().GetTimecycleName(modifier), "new_name");
    EXPECT_EQ(state.SelectedModifier(), &modifier);
    EXPECT_STREQ(state.nameInput, "new_name");
}

TEST_F(DetailPaneTest, NameTakenByAnotherModifierChangesNothing)
{
    tcModifier& taken = MakeModifier("taken");
    tcModifier& modifier = MakeModifier("mine");
    Select(modifier);
    ui.SetText(kWindow, "##detail_name", "taken");

    for (const char* button : { "Create", "Clone", "Rename" })
    {
        SCOPED_TRACE(button);
        ui.Click(kWindow, button);

        EXPECT_EQ(TimecycleManager::GetGameManager()->modifierCount, 2);
        EXPECT_EQ(state.SelectedModifier(), &modifier);
        EXPECT_EQ(Manager().GetTimecycleName(modifier), "mine");
        EXPECT_EQ(Manager().GetTimecycleName(taken), "taken");
        EXPECT_STREQ(state.nameInput, "taken");
    }
}

// The name rule counts bytes: at least 2.
struct NameRuleCase
{
    const char* button;
    const char* name;
    bool accepted;
};

void PrintTo(const NameRuleCase& param, std::ostream* out)
{
    *out << param.button << " with \"" << param.name << "\"";
}

class NameRuleTest : public DetailPaneTest, public testing::WithParamInterface<NameRuleCase>
{
};

TEST_P(NameRuleTest, ButtonActsOnlyOnNamesOfTwoBytesOrMore)
{
    const NameRuleCase& param = GetParam();
    tcModifier& base = MakeModifier("base_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(base);
    ui.SetText(kWindow, "##detail_name", param.name);

    ui.Click(kWindow, param.button);

    const std::string button = param.button;
    if (button == "Rename")
    {
        EXPECT_EQ(Manager().GetTimecycleName(base), param.accepted ? param.name : "base_mod");
        EXPECT_EQ(state.SelectedModifier(), &base);
        EXPECT_STREQ(state.nameInput, param.name);
        return;
    }
    tcModifier* made = timecycle::FindModifier(param.name);
    EXPECT_EQ(made != nullptr, param.accepted);
    EXPECT_EQ(TimecycleManager::GetGameManager()->modifierCount, param.accepted ? 2 : 1);
    EXPECT_EQ(state.SelectedModifier(), param.accepted ? made : &base);
    EXPECT_STREQ(state.nameInput, param.name);
}

INSTANTIATE_TEST_SUITE_P(
    DetailPane, NameRuleTest,
    testing::Values(NameRuleCase{ "Create", "", false }, NameRuleCase{ "Create", "a", false },
                    NameRuleCase{ "Create", "ab", true }, NameRuleCase{ "Create", "\xC3\xA9", true },
                    NameRuleCase{ "Rename", "", false }, NameRuleCase{ "Rename", "a", false },
                    NameRuleCase{ "Rename", "ab", true }, NameRuleCase{ "Rename", "\xC3\xA9", true },
                    NameRuleCase{ "Clone", "", false }, NameRuleCase{ "Clone", "a", false },
                    NameRuleCase{ "Clone", "ab", true }, NameRuleCase{ "Clone", "\xC3\xA9", true }),
    [](const testing::TestParamInfo<NameRuleCase>& info) {
        const std::string name = info.param.name;
        const std::string what = name.empty() ? "Empty" : name == "a" ? "OneByte" : name == "ab" ? "TwoAscii" : "OneTwoByteCharacter";
        return std::string(info.param.button) + what;
    });

TEST_F(DetailPaneTest, DeleteRemovesAndDeselectsInTheSameFrameAndTheRestOfThePaneIsNotDrawn)
{
    tcModifier& modifier = MakeModifier("doomed", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);

    // The modifier's "Delete" comes before the rows' "Delete" buttons.
    PressAndRelease("Delete", 0);

    EXPECT_EQ(timecycle::FindModifier("doomed"), nullptr);
    EXPECT_EQ(modifier.modData, nullptr);
    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_TRUE(state.selection.workingParams.empty());
    EXPECT_STREQ(state.nameInput, "doomed");
    EXPECT_THAT(DetailTexts(), ElementsAre("Name { doomed } (index: 0)",
                                           "Controls [ Create ] [ Rename ] [ Clone ] [ Delete ] [ Generate XML ]"));
    EXPECT_THAT(DetailWidgets(), ElementsAre("##detail_name", "Create", "Rename", "Clone", "Delete", "Generate XML"));

    ui.Frame();
    EXPECT_THAT(DetailTexts(), ElementsAre("Name { doomed }", "Controls [ Create ]", kSeparator, kEditRowWithoutModifier));
}

TEST_F(DetailPaneTest, AsPrimaryLeavesTheStrengthAlone)
{
    MakeModifier("first_mod");
    tcModifier& modifier = MakeModifier("second_mod");
    TimecycleScriptData& script = *TimecycleManager::GetScriptData();
    script = { -1, 0.7f, -1, 0.6f, 3.0f };
    Select(modifier);

    ui.Click(kWindow, "As primary");

    EXPECT_EQ(script.primaryIndex, 1);
    EXPECT_FLOAT_EQ(script.primaryStrength, 0.7f);
    EXPECT_EQ(script.transitionIndex, -1);
    EXPECT_FLOAT_EQ(script.transitionStrength, 0.6f);
    EXPECT_FLOAT_EQ(script.transitionParam, 3.0f);
}

TEST_F(DetailPaneTest, AsTransitionStartsAFadeFromZero)
{
    MakeModifier("first_mod");
    tcModifier& modifier = MakeModifier("second_mod");
    TimecycleScriptData& script = *TimecycleManager::GetScriptData();
    script = { 0, 0.7f, -1, 0.6f, 3.0f };
    Select(modifier);

    ui.Click(kWindow, "As transition");

    EXPECT_EQ(script.transitionIndex, 1);
    EXPECT_FLOAT_EQ(script.transitionParam, 0.1f);
    EXPECT_FLOAT_EQ(script.transitionStrength, 0.0f);
    EXPECT_EQ(script.primaryIndex, 0);
    EXPECT_FLOAT_EQ(script.primaryStrength, 0.7f);
}

// A refusal is about the work before it: a click on another modifier in the
// browser clears the status line, and a new refusal shows again.
TEST_F(DetailPaneTest, ANewSelectionClearsTheStatusLine)
{
    tcModifier& first = MakeModifier("first_mod");
    MakeModifier("second_mod");
    Select(first);
    ui.SetText(kWindow, "##detail_name", "x");
    ui.Click(kWindow, "Create");
    ASSERT_THAT(Status(), testing::StartsWith("Create refused"));

    ui.Click(kWindow, "second_mod");
    EXPECT_EQ(state.SelectedModifier(), timecycle::FindModifier("second_mod"));
    EXPECT_EQ(Status(), "");

    ui.SetText(kWindow, "##detail_name", "y");
    ui.Click(kWindow, "Rename");
    EXPECT_THAT(Status(), testing::StartsWith("Rename refused"));
}
