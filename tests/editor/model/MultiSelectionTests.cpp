// Several modifiers selected at once, without frames, over the in-memory game
// and the stand-in game: Ctrl, Shift and Ctrl+A selections over the listed
// rows, the union table with its mixed values, and every edit of the
// selection as one step that undo takes back to the bit, with the game's own
// changes left alone.
#include "editing/EditorState.h"
#include "editing/ModifierSearch.h"
#include "editing/MultiEdit.h"
#include "EitherGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

using namespace tceditor;
using namespace smallgame;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::UnorderedElementsAre;

namespace
{
// Four night modifiers with light_dir_mult mixed, fog_density in two of
// them, and one day modifier.
class EditorOverGame
{
protected:
    explicit EditorOverGame(GameKind kind) : either(kind)
    {
        either.Add("day_clear", { { kLightDirMult, 3.0f, 3.0f } });
        either.Add("a_night", { { kLightDirMult, 0.1f, 0.5f }, { kFogDensity, 0.3f, 0.3f } });
        either.Add("b_night", { { kLightDirMult, 0.7f, 0.5f } });
        either.Add("c_night", { { kLightDirMult, 1.3f, 0.5f }, { kFogDensity, 0.3f, 0.3f } });
        either.Add("d_night", { { kFogStart, 2.0f, 4.0f } });
    }

    std::span<tcModifier* const> Listed()
    {
        return state.listedModifiers.Update(game.Modifiers(), IsFilterActive(state) ? &state.filterHashes : nullptr, true);
    }
    void Search(const char* text)
    {
        CopyToTextBuffer(state.searchName, text);
        RebuildFilter(state);
    }
    const std::vector<MultiParameterRow>& Rows()
    {
        return state.multiRows.Update(game, state.multiSelection, state.history.Revision(), "");
    }
    const MultiParameterRow& Row(int32_t varId)
    {
        for (const MultiParameterRow& row : Rows())
        {
            if (row.varId == varId)
                return row;
        }
        throw std::runtime_error("no row");
    }
    // Selects the modifiers whose names hold "night", with Ctrl+A over the
    // search.
    void SelectNights()
    {
        Search("night");
        state.SelectAllListed(Listed());
        Rows();
    }
    tcModData* Live(const std::string& name, int32_t varId)
    {
        return game.GetTimecycleModData(either.Named(name), varId);
    }

    EitherGame either;
    GameTimecycle& game = either.Game();
    TimecycleEditorState state{ game };
};

class MultiSelectionTest : public testing::TestWithParam<GameKind>, protected EditorOverGame
{
protected:
    MultiSelectionTest() : EditorOverGame(GetParam()) {}
};
}

INSTANTIATE_TEST_SUITE_P(Games, MultiSelectionTest, testing::Values(GameKind::InMemory, GameKind::StandIn),
                         GameKindName);

TEST_P(MultiSelectionTest, ShiftClickSelectsTheListedRowsBetweenTheLastClickAndThisOne)
{
    Search("night");
    std::span<tcModifier* const> rows = Listed();
    ASSERT_EQ(rows.size(), 4u);
    state.SelectFromBrowser(*rows[0]);
    // The search leaves the day modifier out, wherever it stands in the game.
    state.ShiftClickInBrowser("c_night", rows);

    EXPECT_TRUE(state.MultiSelected());
    EXPECT_THAT(state.multiSelection.Names(), ElementsAre("a_night", "b_night", "c_night"));
    EXPECT_EQ(state.SelectedModifier(), nullptr);

    // A Ctrl+click takes one out and the anchor moves to it.
    state.CtrlClickInBrowser(either.Named("b_night"));
    EXPECT_THAT(state.multiSelection.Names(), ElementsAre("a_night", "c_night"));
    state.ShiftClickInBrowser("d_night", Listed());
    EXPECT_THAT(state.multiSelection.Names(), ElementsAre("b_night", "c_night", "d_night"));
}

TEST_P(MultiSelectionTest, CtrlClickDownToOneIsThatOneSelectedAsAPlainClick)
{
    state.SelectFromBrowser(either.Named("a_night"));
    state.CtrlClickInBrowser(either.Named("b_night"));
    ASSERT_TRUE(state.MultiSelected());

    state.CtrlClickInBrowser(either.Named("a_night"));
    EXPECT_FALSE(state.MultiSelected());
    ASSERT_NE(state.SelectedModifier(), nullptr);
    EXPECT_EQ(state.selection.Name(), "b_night");
    EXPECT_STREQ(state.nameInput, "b_night");
}

TEST_P(MultiSelectionTest, PlainClickAfterAMultiSelectionSelectsOnlyThatModifier)
{
    SelectNights();
    ASSERT_TRUE(state.MultiSelected());
    state.SelectFromBrowser(either.Named("day_clear"));
    EXPECT_FALSE(state.MultiSelected());
    EXPECT_EQ(state.selection.Name(), "day_clear");
    EXPECT_EQ(state.selection.workingParams.size(), 1u);
}

TEST_P(MultiSelectionTest, RowsCountWhoHasAParameterAndWhetherTheValuesAgree)
{
    SelectNights();
    ASSERT_EQ(Rows().size(), 3u);
    const MultiParameterRow& light = Row(kLightDirMult);
    EXPECT_EQ(light.present, 3u);
    EXPECT_FALSE(light.Common(ValueColumn::Outdoor));
    EXPECT_TRUE(light.Common(ValueColumn::Indoor));
    EXPECT_EQ(light.Value(ValueColumn::Indoor), 0.5f);
    EXPECT_EQ(Row(kFogDensity).present, 2u);
    EXPECT_EQ(Row(kFogStart).present, 1u);

    // The rows follow a value the game changed, without any step.
    Live("b_night", kLightDirMult)->value2 = 9.0f;
    for (size_t frame = 0; frame < 2; ++frame)
        Rows();
    EXPECT_FALSE(Row(kLightDirMult).Common(ValueColumn::Indoor));
    EXPECT_THAT(state.multiRows.DistinctValues(game, kLightDirMult, ValueColumn::Indoor),
                ElementsAre(std::pair(0.5f, size_t(2)), std::pair(9.0f, size_t(1))));
}

TEST_P(MultiSelectionTest, TheSelectionOutlivesTheDeletionOfAMember)
{
    SelectNights();
    game.RemoveTimecycle(either.Named("b_night"));
    Rows();
    EXPECT_THAT(state.multiSelection.Names(), ElementsAre("a_night", "c_night", "d_night"));
    EXPECT_EQ(Row(kLightDirMult).present, 2u);
}

struct MultiEditCase
{
    const char* name;
    std::function<size_t(TimecycleEditorState&)> edit;
    // light_dir_mult's value 1 in a_night, b_night and c_night afterwards.
    float expected[3];
    const char* action;
};

void PrintTo(const MultiEditCase& param, std::ostream* out)
{
    *out << param.name;
}

class MultiEditTest : public testing::TestWithParam<std::tuple<GameKind, MultiEditCase>>, protected EditorOverGame
{
protected:
    MultiEditTest() : EditorOverGame(std::get<GameKind>(GetParam())) {}
    const MultiEditCase& Edit() const { return std::get<MultiEditCase>(GetParam()); }
};

TEST_P(MultiEditTest, OneStepOverTheMixedValueThatUndoTakesBackToTheBit)
{
    SelectNights();
    const auto before = either.Records();

    EXPECT_EQ(Edit().edit(state), 3u);
    const auto after = either.Records();
    const char* names[] = { "a_night", "b_night", "c_night" };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Live(names[i], kLightDirMult)->value1, Edit().expected[i]) << names[i];
    EXPECT_EQ(state.history.StepCount(), 1u);
    EXPECT_THAT(state.history.UndoDescription(), HasSubstr(Edit().action));
    EXPECT_THAT(state.history.UndoDescription(), HasSubstr("in 3 modifiers"));
    EXPECT_EQ(state.changes.ChangedCount(), 3);

    state.Undo();
    EXPECT_EQ(either.Records(), before);
    EXPECT_EQ(state.changes.ChangedCount(), 0);
    EXPECT_TRUE(state.MultiSelected()) << "undo keeps the selection";
    state.Redo();
    EXPECT_EQ(either.Records(), after);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, MultiEditTest,
    testing::Combine(
        testing::Values(GameKind::InMemory, GameKind::StandIn),
        testing::Values(
            MultiEditCase{ "TypedNumber",
                           [](TimecycleEditorState& s) {
                               return *MultiApplyTypedText(s, kLightDirMult, ValueColumn::Outdoor, " 0.25", "-");
                           },
                           { 0.25f, 0.25f, 0.25f }, "set light_dir_mult to 0.250" },
            MultiEditCase{ "Expression",
                           [](TimecycleEditorState& s) {
                               return *MultiApplyTypedText(s, kLightDirMult, ValueColumn::Outdoor, "*0.8", "-");
                           },
                           { 0.1f * 0.8f, 0.7f * 0.8f, 1.3f * 0.8f }, "light_dir_mult *0.8" },
            MultiEditCase{ "Division",
                           [](TimecycleEditorState& s) {
                               return *MultiApplyTypedText(s, kLightDirMult, ValueColumn::Outdoor, "/2", "-");
                           },
                           { 0.05f, 0.35f, 0.65f }, "light_dir_mult /2" },
            MultiEditCase{ "DragOverTwoFrames",
                           [](TimecycleEditorState& s) {
                               MultiOffsetValue(s, kLightDirMult, ValueColumn::Outdoor, 0.5f, 7);
                               return MultiOffsetValue(s, kLightDirMult, ValueColumn::Outdoor, 0.25f, 7);
                           },
                           { 0.1f + 0.5f + 0.25f, 0.7f + 0.5f + 0.25f, 1.3f + 0.5f + 0.25f }, "drag light_dir_mult" },
            MultiEditCase{ "ResetToDefault",
                           [](TimecycleEditorState& s) { return MultiResetToDefault(s, kLightDirMult, ValueColumn::Outdoor); },
                           { 1.0f, 1.0f, 1.0f }, "reset light_dir_mult to default" })));

TEST_P(MultiSelectionTest, ResetToOriginalGivesEachMemberItsOwnOriginal)
{
    SelectNights();
    const auto before = either.Records();
    MultiSetValue(state, kLightDirMult, ValueColumn::Outdoor, 5.0f);
    EXPECT_EQ(MultiResetToOriginal(state, kLightDirMult, ValueColumn::Outdoor), 3u);
    EXPECT_EQ(either.Records(), before);
    EXPECT_EQ(state.history.StepCount(), 2u);
}

TEST_P(MultiSelectionTest, AddGoesToThoseLackingAndDeleteToThoseHaving)
{
    SelectNights();
    const auto before = either.Records();

    EXPECT_EQ(MultiAddVariable(state, "fog_density"), 2u);
    EXPECT_EQ(state.history.UndoDescription(), "add fog_density in 2 modifiers");
    for (const char* name : { "a_night", "b_night", "c_night", "d_night" })
        EXPECT_NE(Live(name, kFogDensity), nullptr) << name;
    EXPECT_EQ(Live("a_night", kFogDensity)->value1, 0.3f) << "one that had it keeps its value";
    EXPECT_EQ(Live("day_clear", kFogDensity), nullptr);

    EXPECT_EQ(MultiRemoveVariable(state, kFogStart, ParameterChangeKind::AddedOrDeleted), 1u);
    EXPECT_EQ(MultiRemoveVariable(state, kFogDensity, ParameterChangeKind::AddedOrDeleted), 4u);
    EXPECT_EQ(state.history.UndoDescription(), "delete fog_density in 4 modifiers");
    for (int undo = 0; undo < 3; ++undo)
        state.Undo();
    EXPECT_EQ(either.Records(), before);
}

TEST_P(MultiSelectionTest, UndoLeavesAMemberTheGameChangedAloneAndNamesIt)
{
    SelectNights();
    MultiApplyTypedText(state, kLightDirMult, ValueColumn::Outdoor, "+1", "-");
    Live("b_night", kLightDirMult)->value1 = 42.0f;

    state.Undo();
    EXPECT_EQ(Live("a_night", kLightDirMult)->value1, 0.1f);
    EXPECT_EQ(Live("c_night", kLightDirMult)->value1, 1.3f);
    EXPECT_EQ(Live("b_night", kLightDirMult)->value1, 42.0f);
    EXPECT_THAT(state.history.Message(), HasSubstr("the game changed b_night since"));
    EXPECT_THAT(state.history.Message(), testing::Not(HasSubstr("a_night")));
}

TEST_P(MultiSelectionTest, ADragTheGameInterruptsStaysOneStepAndUndoSparesTheGamesChange)
{
    SelectNights();
    MultiOffsetValue(state, kLightDirMult, ValueColumn::Outdoor, 1.0f, 3);
    Live("c_night", kFogDensity)->value1 = 0.9f;
    MultiOffsetValue(state, kLightDirMult, ValueColumn::Outdoor, 1.0f, 3);
    state.history.EndGesture();
    ASSERT_EQ(state.history.StepCount(), 1u);

    state.Undo();
    EXPECT_EQ(Live("a_night", kLightDirMult)->value1, 0.1f);
    // c_night's first frame is behind the game's change: only the second
    // frame comes back.
    EXPECT_EQ(Live("c_night", kLightDirMult)->value1, 1.3f + 1.0f);
    EXPECT_EQ(Live("c_night", kFogDensity)->value1, 0.9f);
    EXPECT_THAT(state.history.Message(), HasSubstr("c_night"));
}

TEST_P(MultiSelectionTest, AColourGoesToEveryCompleteTriple)
{
    // The small table has only the red channel of sky_zenith_col: no member
    // is complete, and nothing is written.
    SelectNights();
    EXPECT_EQ(MultiSetColour(state, { kSkyZenithR, kFogDensity, kFogStart }, "mixed", ValueColumn::Outdoor,
                             { 0.1f, 0.2f, 0.3f }, 0),
              0u);
    either.Add("e_night", { { kSkyZenithR, 1.0f, 1.0f }, { kFogDensity, 1.0f, 1.0f }, { kFogStart, 1.0f, 1.0f } });
    SelectNights();
    EXPECT_EQ(MultiSetColour(state, { kSkyZenithR, kFogDensity, kFogStart }, "mixed", ValueColumn::Outdoor,
                             { 0.1f, 0.2f, 0.3f }, 0),
              1u);
    EXPECT_EQ(Live("e_night", kFogStart)->value1, 0.3f);
    EXPECT_EQ(Live("e_night", kSkyZenithR)->value1, 0.1f);
    EXPECT_EQ(state.history.UndoDescription(), "colour mixed value 1 in 1 modifier");
}

TEST_P(MultiSelectionTest, ARowSwitchedOffStaysAndSwitchesOnWithItsValues)
{
    SelectNights();
    const auto before = either.Records();
    EXPECT_EQ(MultiRemoveVariable(state, kFogDensity, ParameterChangeKind::Switched), 2u);
    EXPECT_EQ(Live("a_night", kFogDensity), nullptr);
    const MultiParameterRow& off = Row(kFogDensity);
    EXPECT_TRUE(off.switchedOff);
    EXPECT_EQ(off.present, 0u);

    EXPECT_EQ(MultiSwitchOn(state, kFogDensity), 2u);
    EXPECT_EQ(state.history.UndoDescription(), "switch on fog_density in 2 modifiers");
    EXPECT_FALSE(Row(kFogDensity).switchedOff);
    EXPECT_EQ(Live("c_night", kFogDensity)->value1, 0.3f);
    // Each member has its values back.
    EXPECT_EQ(either.Records(), before);
}
