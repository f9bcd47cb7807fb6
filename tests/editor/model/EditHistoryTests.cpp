// The edit history without frames, over the in-memory game and over the
// stand-in game: every step kind undone and redone with the game's records as
// the judge, gestures, the bound, steps whose modifier the game removed, and
// the session's originals and change marks.
#include "editing/EditHistory.h"
#include "editing/SessionChanges.h"
#include "EitherGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

using namespace tceditor;
using namespace smallgame;
using testing::HasSubstr;

namespace
{
// A history over a game with two modifiers, "foggy" and "clear".
class HistoryOverGame
{
protected:
    explicit HistoryOverGame(GameKind kind) : either(kind)
    {
        either.Add("foggy", { { kFogDensity, 0.9f, 0.2f }, { kFogStart, 5.0f, 15.0f }, { kSkyZenithR, 0.4f, 0.3f } })
            .userFlags = 7;
        either.Add("clear", { { kLightDirMult, 2.0f, 1.5f } });
    }

    tcModifier& Named(const std::string& name) { return either.Named(name); }
    float Value1(const std::string& name, int varId) { return game.GetTimecycleModData(Named(name), varId)->value1; }
    int IndexOf(const tcModifier& modifier) { return game.GetTimecycleIndex(modifier); }

    EitherGame either;
    GameTimecycle& game = either.Game();
    SessionChanges changes{ game };
    EditHistory history{ game, changes };
};
}

class EditHistoryTest : public testing::TestWithParam<GameKind>, protected HistoryOverGame
{
protected:
    EditHistoryTest() : HistoryOverGame(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(Games, EditHistoryTest, testing::Values(GameKind::InMemory, GameKind::StandIn), GameKindName);

struct StepCase
{
    const char* name;
    std::function<void(EditHistory&, EitherGame&)> change;
};

void PrintTo(const StepCase& param, std::ostream* out)
{
    *out << param.name;
}

class StepKindTest : public testing::TestWithParam<std::tuple<GameKind, StepCase>>, protected HistoryOverGame
{
protected:
    StepKindTest() : HistoryOverGame(std::get<GameKind>(GetParam())) {}
    const StepCase& Step() const { return std::get<StepCase>(GetParam()); }
};

TEST_P(StepKindTest, UndoRestoresTheGameExactlyAndRedoRepeatsTheChange)
{
    const auto before = either.Records();
    Step().change(history, either);
    const auto after = either.Records();
    ASSERT_NE(after, before);
    ASSERT_EQ(history.StepCount(), 1u);

    for (int round = 0; round < 2; ++round)
    {
        ASSERT_TRUE(history.Undo().has_value()) << history.Message();
        EXPECT_EQ(either.Records(), before);
        EXPECT_FALSE(history.CanUndo());
        ASSERT_TRUE(history.Redo().has_value()) << history.Message();
        EXPECT_EQ(either.Records(), after);
        EXPECT_FALSE(history.CanRedo());
    }
    EXPECT_TRUE(history.Message().empty());
}

// The count the browser and the buttons show is kept as records change:
// after each step, undo and redo it agrees with the records themselves.
TEST_P(StepKindTest, ChangedCountFollowsTheRecords)
{
    const auto counted = [&] {
        int changed = 0;
        for (const auto& [name, record] : changes.Touched())
            changed += record.changed;
        return changed;
    };
    Step().change(history, either);
    EXPECT_EQ(changes.ChangedCount(), counted());
    for (int round = 0; round < 2; ++round)
    {
        ASSERT_TRUE(history.Undo().has_value()) << history.Message();
        EXPECT_EQ(changes.ChangedCount(), counted());
        ASSERT_TRUE(history.Redo().has_value()) << history.Message();
        EXPECT_EQ(changes.ChangedCount(), counted());
    }
    history.CreateModifier("other");
    EXPECT_EQ(changes.ChangedCount(), counted());
    history.RenameModifier(Named("other"), "another");
    EXPECT_EQ(changes.ChangedCount(), counted());
    history.DeleteModifier(Named("another"));
    history.DeleteModifier(Named("clear"));
    EXPECT_EQ(changes.ChangedCount(), counted());
    changes.Clear();
    EXPECT_EQ(changes.ChangedCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EditHistory, StepKindTest,
    testing::Combine(testing::Values(GameKind::InMemory, GameKind::StandIn), testing::Values(
        StepCase{ "Value", [](EditHistory& h, EitherGame& g) { h.SetValue(g.Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f); } },
        StepCase{ "IndoorValue", [](EditHistory& h, EitherGame& g) { h.SetValue(g.Named("foggy"), kFogStart, ValueColumn::Indoor, -1.0f); } },
        // From the middle of the array: the undo puts it back in its place.
        StepCase{ "SwitchOff", [](EditHistory& h, EitherGame& g) { h.RemoveParameter(g.Named("foggy"), kFogStart, ParameterChangeKind::Switched); } },
        StepCase{ "DeleteRow",
                  [](EditHistory& h, EitherGame& g) { h.RemoveParameter(g.Named("foggy"), kFogDensity, ParameterChangeKind::AddedOrDeleted); } },
        StepCase{ "AddParameter",
                  [](EditHistory& h, EitherGame& g) {
                      h.AddParameter(g.Named("foggy"), "water_fog_density", nullptr, ParameterChangeKind::AddedOrDeleted);
                  } },
        StepCase{ "SwitchOnWithValues",
                  [](EditHistory& h, EitherGame& g) {
                      const tcModData values{ kFogStart, 3.0f, 4.0f };
                      h.AddParameter(g.Named("clear"), "fog_start", &values, ParameterChangeKind::Switched);
                  } },
        StepCase{ "Create", [](EditHistory& h, EitherGame&) { h.CreateModifier("fresh"); } },
        StepCase{ "Clone", [](EditHistory& h, EitherGame& g) { h.CloneModifier(g.Named("foggy"), "foggy_copy"); } },
        StepCase{ "Rename", [](EditHistory& h, EitherGame& g) { h.RenameModifier(g.Named("foggy"), "misty"); } },
        StepCase{ "DeleteModifier", [](EditHistory& h, EitherGame& g) { h.DeleteModifier(g.Named("foggy")); } },
        StepCase{ "Replace",
                  [](EditHistory& h, EitherGame& g) {
                      ModifierSnapshot target{ "misty", 3, { { kSkyZenithR, 0.1f, 0.2f }, { kGradeSaturation, 1.0f, 0.5f } } };
                      h.ReplaceModifier(g.Named("foggy"), target, "paste");
                  } },
        StepCase{ "CreateWithContent",
                  [](EditHistory& h, EitherGame&) {
                      h.CreateModifier(ModifierSnapshot{ "fresh", 9, { { kFogStart, 1.0f, 2.0f }, { kFogDensity, 3.0f, 4.0f } } });
                  } },
        StepCase{ "Group",
                  [](EditHistory& h, EitherGame& g) {
                      h.BeginGroup("paste of 3 modifiers");
                      h.ReplaceModifier(g.Named("foggy"), ModifierSnapshot{ "foggy", 1, { { kFogStart, 8.0f, 9.0f } } }, "paste");
                      h.CreateModifier(ModifierSnapshot{ "fresh", 2, { { kSkyZenithR, 0.5f, 0.6f } } });
                      h.SetValue(g.Named("clear"), kLightDirMult, ValueColumn::Outdoor, 4.0f);
                      h.EndGroup();
                  } })),
    [](const testing::TestParamInfo<std::tuple<GameKind, StepCase>>& info) {
        const GameKind kind = std::get<GameKind>(info.param);
        return std::string(kind == GameKind::InMemory ? "InMemory" : "StandIn") + std::get<StepCase>(info.param).name;
    });

TEST_P(EditHistoryTest, StepsAreDescribedAsTheUserSeesThem)
{
    history.SetValue(Named("foggy"), kSkyZenithR, ValueColumn::Outdoor, 0.844f);
    EXPECT_EQ(history.UndoDescription(), "sky_zenith_col_r 0.400 -> 0.844 in foggy");
    history.SetValue(Named("foggy"), kSkyZenithR, ValueColumn::Indoor, 0.5f);
    EXPECT_EQ(history.UndoDescription(), "sky_zenith_col_r (Value 2) 0.300 -> 0.500 in foggy");
    history.RemoveParameter(Named("foggy"), kFogStart, ParameterChangeKind::Switched);
    EXPECT_EQ(history.UndoDescription(), "switch off fog_start in foggy");
    history.CloneModifier(Named("foggy"), "foggy_copy");
    EXPECT_EQ(history.UndoDescription(), "clone foggy as foggy_copy");
    history.RenameModifier(Named("foggy_copy"), "misty");
    EXPECT_EQ(history.UndoDescription(), "rename foggy_copy to misty");
    history.DeleteModifier(Named("misty"));
    EXPECT_EQ(history.UndoDescription(), "delete misty");

    history.Undo();
    EXPECT_EQ(history.RedoDescription(), "delete misty");
    EXPECT_EQ(history.UndoDescription(), "rename foggy_copy to misty");
}

TEST_P(EditHistoryTest, AGroupIsOneStepNamedByItsAction)
{
    const uint64_t start = history.Revision();
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 6.0f, 7);
    history.BeginGroup("paste of 2 modifiers");
    // A change inside the group never joins a gesture before it.
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 6.5f, 7);
    history.CreateModifier(ModifierSnapshot{ "fresh", 0, {} });
    EXPECT_EQ(history.StepCount(), 1u) << "recorded when the group ends";
    history.EndGroup();
    EXPECT_EQ(history.StepCount(), 2u);
    EXPECT_EQ(history.UndoDescription(), "paste of 2 modifiers");
    EXPECT_GT(history.Revision(), start);

    // The selection follows the first modifier the group leaves in the game.
    const std::optional<StepEffect> undone = history.Undo();
    ASSERT_TRUE(undone.has_value());
    EXPECT_EQ(undone->kind, StepEffect::Kind::Replaced);
    EXPECT_EQ(undone->modifier, "foggy");
    EXPECT_FLOAT_EQ(Value1("foggy", kFogStart), 6.0f);
    EXPECT_EQ(game.FindModifierByName("fresh"), nullptr);

    // A group of one change is that change's step; an empty one is none.
    history.BeginGroup("paste of 1 modifier");
    history.ReplaceModifier(Named("clear"), ModifierSnapshot{ "clear", 5, {} }, "paste");
    history.EndGroup();
    EXPECT_EQ(history.UndoDescription(), "paste clear");
    history.BeginGroup("paste of 1 modifier");
    history.EndGroup();
    EXPECT_EQ(history.StepCount(), 2u);
}

TEST_P(EditHistoryTest, AGroupWhoseModifierTheGameRemovedIsUndoneInPartWithAMessage)
{
    history.BeginGroup("paste of 2 modifiers");
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f);
    history.SetValue(Named("clear"), kLightDirMult, ValueColumn::Outdoor, 3.0f);
    history.EndGroup();
    game.RemoveTimecycle(Named("foggy"));

    EXPECT_TRUE(history.Undo().has_value());
    EXPECT_THAT(history.Message(), HasSubstr("Undo incomplete (the game no longer has foggy): paste of 2 modifiers"));
    EXPECT_FLOAT_EQ(Value1("clear", kLightDirMult), 2.0f);
}

TEST_P(EditHistoryTest, OneGestureIsOneStepAndANewChangeDropsWhatCouldBeRedone)
{
    for (float value : { 5.5f, 6.0f, 6.5f })
        history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, value, 42);
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoDescription(), "fog_start 5.000 -> 6.500 in foggy");

    history.EndGesture();
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f, 42);
    EXPECT_EQ(history.StepCount(), 2u);
    // Another value never joins the gesture.
    history.SetValue(Named("foggy"), kFogDensity, ValueColumn::Outdoor, 0.1f, 42);
    EXPECT_EQ(history.StepCount(), 3u);

    history.Undo();
    history.Undo();
    EXPECT_FLOAT_EQ(Value1("foggy", kFogStart), 6.5f);
    history.SetValue(Named("clear"), kLightDirMult, ValueColumn::Outdoor, 1.0f);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 2u);
}

TEST_P(EditHistoryTest, TheBoundDropsTheOldestSteps)
{
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 1.0f);
    const size_t stepBytes = history.Bytes();
    ASSERT_GT(stepBytes, 0u);
    history.SetByteLimit(10 * stepBytes);

    for (int i = 2; i <= 30; ++i)
        history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, float(i));

    EXPECT_EQ(history.StepCount(), 10u);
    EXPECT_LE(history.Bytes(), history.ByteLimit());
    while (history.CanUndo())
        history.Undo();
    // The ten newest steps went back to the value before the 21st.
    EXPECT_FLOAT_EQ(Value1("foggy", kFogStart), 20.0f);
}

TEST_P(EditHistoryTest, AStepWhoseModifierTheGameRemovedIsSkippedWithAMessage)
{
    history.SetValue(Named("clear"), kLightDirMult, ValueColumn::Outdoor, 3.0f);
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f);
    game.RemoveTimecycle(Named("foggy"));

    EXPECT_FALSE(history.Undo().has_value());
    EXPECT_THAT(history.Message(), HasSubstr("Undo skipped"));
    EXPECT_THAT(history.Message(), HasSubstr("fog_start 5.000 -> 7.000 in foggy"));
    ASSERT_TRUE(history.CanUndo());

    EXPECT_TRUE(history.Undo().has_value());
    EXPECT_TRUE(history.Message().empty());
    EXPECT_FLOAT_EQ(Value1("clear", kLightDirMult), 2.0f);

    // Redo skips it again the other way.
    history.Redo();
    EXPECT_FALSE(history.Redo().has_value());
    EXPECT_THAT(history.Message(), HasSubstr("Redo skipped"));
}

// A step acts only on the modifier it left: when the game has changed the
// modifier under the step's name since (loaded its own, changed a value), the
// step is skipped with a message and the game's modifier stays as it is.
struct ForeignChangeCase
{
    const char* name;
    // The editor's steps; `undoFirst` of them are undone before the game acts.
    std::function<void(EditHistory&, EitherGame&)> steps;
    int undoFirst;
    // What the game does behind the editor.
    std::function<void(EitherGame&)> gameChange;
    // Whether the step then met is undone (false: redone).
    bool undo;
    const char* message;
};

void PrintTo(const ForeignChangeCase& param, std::ostream* out)
{
    *out << param.name;
}

class ForeignChangeTest : public testing::TestWithParam<std::tuple<GameKind, ForeignChangeCase>>,
                          protected HistoryOverGame
{
protected:
    ForeignChangeTest() : HistoryOverGame(std::get<GameKind>(GetParam())) {}
};

TEST_P(ForeignChangeTest, TheStepIsSkippedAndTheGamesModifierStays)
{
    const ForeignChangeCase& c = std::get<ForeignChangeCase>(GetParam());
    c.steps(history, either);
    for (int i = 0; i < c.undoFirst; ++i)
        ASSERT_TRUE(history.Undo().has_value());
    c.gameChange(either);
    const auto changed = either.Records();

    EXPECT_FALSE(c.undo ? history.Undo().has_value() : history.Redo().has_value());
    EXPECT_EQ(history.Message(), c.message);
    EXPECT_EQ(either.Records(), changed);
}

namespace
{
// The game loads its own modifier under the name: another record, other
// content.
void GameLoadsItsOwn(EitherGame& either, const std::string& name)
{
    if (tcModifier* existing = either.Game().FindModifierByName(name))
        either.Game().RemoveTimecycle(*existing);
    either.Add(name, { { kGradeSaturation, 0.25f, 0.5f } });
}
void GameSetsFogDensity(EitherGame& either, const std::string& name)
{
    either.Game().GetTimecycleModData(either.Named(name), kFogDensity)->value1 = 0.125f;
}
}

INSTANTIATE_TEST_SUITE_P(
    Games, ForeignChangeTest,
    testing::Combine(
        testing::Values(GameKind::InMemory, GameKind::StandIn),
        testing::Values(
            ForeignChangeCase{ "UndoCreate",
                               [](EditHistory& h, EitherGame&) { h.CreateModifier("foo"); }, 0,
                               [](EitherGame& e) { GameLoadsItsOwn(e, "foo"); }, true,
                               "Undo skipped (the game changed foo since): create foo" },
            ForeignChangeCase{ "UndoValue",
                               [](EditHistory& h, EitherGame& e) {
                                   h.SetValue(e.Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f);
                               },
                               0, [](EitherGame& e) { GameSetsFogDensity(e, "foggy"); }, true,
                               "Undo skipped (the game changed foggy since): fog_start 5.000 -> 7.000 in foggy" },
            ForeignChangeCase{ "RedoValue",
                               [](EditHistory& h, EitherGame& e) {
                                   h.SetValue(e.Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f);
                               },
                               1, [](EitherGame& e) { GameSetsFogDensity(e, "foggy"); }, false,
                               "Redo skipped (the game changed foggy since): fog_start 5.000 -> 7.000 in foggy" },
            ForeignChangeCase{ "UndoAddedParameter",
                               [](EditHistory& h, EitherGame& e) {
                                   h.AddParameter(e.Named("clear"), "fog_density", nullptr,
                                                  ParameterChangeKind::AddedOrDeleted);
                               },
                               0, [](EitherGame& e) { GameSetsFogDensity(e, "clear"); }, true,
                               "Undo skipped (the game changed clear since): add fog_density to clear" },
            ForeignChangeCase{ "UndoRename",
                               [](EditHistory& h, EitherGame& e) { h.RenameModifier(e.Named("foggy"), "misty"); },
                               0, [](EitherGame& e) { GameSetsFogDensity(e, "misty"); }, true,
                               "Undo skipped (the game changed misty since): rename foggy to misty" },
            ForeignChangeCase{ "RedoDeletionOfARestoredModifier",
                               [](EditHistory& h, EitherGame& e) { h.DeleteModifier(e.Named("foggy")); }, 1,
                               [](EitherGame& e) { GameSetsFogDensity(e, "foggy"); }, false,
                               "Redo skipped (the game changed foggy since): delete foggy" },
            ForeignChangeCase{ "UndoReplace",
                               [](EditHistory& h, EitherGame& e) {
                                   ModifierSnapshot target = ModifierSnapshot::Take(e.Game(), e.Named("foggy"));
                                   target.params.pop_back();
                                   h.ReplaceModifier(e.Named("foggy"), target, "revert");
                               },
                               0, [](EitherGame& e) { GameSetsFogDensity(e, "foggy"); }, true,
                               "Undo skipped (the game changed foggy since): revert foggy" })),
    [](const testing::TestParamInfo<std::tuple<GameKind, ForeignChangeCase>>& info) {
        return std::string(GameKindName(testing::TestParamInfo<GameKind>(std::get<GameKind>(info.param), info.index))) + "_" +
               std::get<ForeignChangeCase>(info.param).name;
    });

// Create, delete, a foreign load of the name, then two undos: the second
// one must not remove the game's modifier either.
TEST_P(EditHistoryTest, UndoingPastAForeignLoadLeavesTheLoadedModifier)
{
    history.CreateModifier("foo");
    history.DeleteModifier(Named("foo"));
    GameLoadsItsOwn(either, "foo");
    const auto loaded = either.Records();

    history.Undo();
    history.Undo();
    EXPECT_EQ(either.Records(), loaded);
    EXPECT_EQ(history.Message(), "Undo skipped (the game changed foo since): create foo");
    EXPECT_FALSE(history.CanUndo());
}

// A parameter switched on (or added) with values while the modifier has it
// already (the game gave it back): both values change as one step.
TEST_P(EditHistoryTest, AddingValuesToAParameterTheModifierHasIsOneStep)
{
    const auto before = either.Records();
    const tcModData values{ kFogStart, 8.0f, 9.0f };
    ASSERT_TRUE(history.AddParameter(Named("foggy"), "fog_start", &values, ParameterChangeKind::Switched));

    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoDescription(), "switch on fog_start in foggy");
    EXPECT_EQ(game.GetTimecycleModData(Named("foggy"), kFogStart)->value2, 9.0f);
    history.Undo();
    EXPECT_EQ(either.Records(), before);
}

TEST_P(EditHistoryTest, UndoingADeletionBringsBackWhatTheGameAppliedItAs)
{
    TimecycleScriptData& script = *game.GetScriptData();
    script.primaryIndex = IndexOf(Named("foggy"));
    script.transitionIndex = IndexOf(Named("clear"));

    history.DeleteModifier(Named("foggy"));
    ASSERT_EQ(script.primaryIndex, -1);

    const std::optional<StepEffect> effect = history.Undo();
    ASSERT_TRUE(effect.has_value());
    EXPECT_EQ(effect->kind, StepEffect::Kind::Modifier);
    EXPECT_TRUE(effect->present);
    EXPECT_EQ(script.primaryIndex, IndexOf(Named("foggy")));
    EXPECT_EQ(script.transitionIndex, IndexOf(Named("clear")));
}

TEST_P(EditHistoryTest, SessionKeepsTheFirstStateOfEachModifierAndMarksWhatDiffers)
{
    EXPECT_EQ(changes.Find("foggy"), nullptr);
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 7.0f);
    history.SetValue(Named("foggy"), kFogStart, ValueColumn::Outdoor, 8.0f);
    history.RenameModifier(Named("foggy"), "misty");
    history.CreateModifier("fresh");
    history.DeleteModifier(Named("clear"));

    const SessionChanges::Record* misty = changes.Find("misty");
    ASSERT_NE(misty, nullptr);
    ASSERT_TRUE(misty->original.has_value());
    EXPECT_EQ(misty->original->name, "foggy");
    EXPECT_EQ(misty->original->userFlags, 7u);
    ASSERT_NE(misty->OriginalParameter(kFogStart), nullptr);
    EXPECT_FLOAT_EQ(misty->OriginalParameter(kFogStart)->value1, 5.0f);
    EXPECT_EQ(misty->OriginalParameter(kWaterFogDensity), nullptr);
    EXPECT_TRUE(changes.IsChanged("misty"));
    EXPECT_TRUE(changes.IsChanged("fresh"));
    EXPECT_FALSE(changes.Find("fresh")->original.has_value());
    EXPECT_EQ(changes.ChangedCount(), 2);
    EXPECT_EQ(changes.Touched().size(), 2u);
    EXPECT_TRUE(changes.Removed().contains("clear"));

    while (history.CanUndo())
        history.Undo();
    EXPECT_FALSE(changes.IsChanged("foggy"));
    EXPECT_FALSE(changes.IsChanged("clear"));
    EXPECT_EQ(changes.ChangedCount(), 0);
    EXPECT_TRUE(changes.Removed().empty());

    history.Clear();
    changes.Clear();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(changes.Find("foggy"), nullptr);
}

// Names of any length (the game's loader takes them) go into step texts and
// messages shortened as the status line shows them, whole into the game.
TEST_P(EditHistoryTest, StepTextsShortenNamesOfAnyLength)
{
    const std::string big = "big_" + std::string(40000 - 4, 'n');
    const std::string shown = big.substr(0, 64) + "... (40,000 bytes)";
    const std::string bigger = big + "_renamed";
    either.Add(big, { { kFogStart, 5.0f, 6.0f } });
    const auto inGame = [&](const std::string& name) {
        for (const tcModifier* modifier : game.Modifiers())
            if (modifier && game.GetTimecycleName(*modifier) == name)
                return true;
        return false;
    };

    const std::function<void()> steps[] = {
        [&] { history.SetValue(Named(big), kFogStart, ValueColumn::Outdoor, 7.0f); },
        [&] { history.RemoveParameter(Named(big), kFogStart, ParameterChangeKind::Switched); },
        [&] {
            const tcModData values{ kFogStart, 3.0f, 4.0f };
            history.AddParameter(Named(big), "fog_start", &values, ParameterChangeKind::Switched);
        },
        [&] { history.AddParameter(Named(big), "water_fog_density", nullptr, ParameterChangeKind::AddedOrDeleted); },
        [&] { history.CloneModifier(Named(big), bigger + "_copy"); },
        [&] { history.RenameModifier(Named(big), bigger); },
        [&] { history.ReplaceModifier(Named(bigger), ModifierSnapshot{ bigger, 1, {} }, "paste"); },
    };
    for (const auto& step : steps)
    {
        step();
        const std::string text = history.UndoDescription();
        EXPECT_LT(text.size(), 300u) << text.substr(0, 300);
        EXPECT_THAT(text, HasSubstr("(40,0"));
    }
    EXPECT_TRUE(inGame(bigger)) << "the game has the whole name";

    // A step skipped because the game removed its modifier says so briefly.
    game.RemoveTimecycle(Named(bigger));
    EXPECT_FALSE(history.Undo().has_value());
    EXPECT_THAT(history.Message(), HasSubstr("Undo skipped"));
    EXPECT_LT(history.Message().size(), 400u);
    EXPECT_EQ(history.RedoDescription(), "paste " + bigger.substr(0, 64) + "... (40,008 bytes)");
    history.Undo();
    EXPECT_EQ(history.RedoDescription(), "rename " + shown + " to " + bigger.substr(0, 64) + "... (40,008 bytes)");
}
