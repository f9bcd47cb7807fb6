// The session's changes as the "Session changes" window lists them, over the
// in-memory game and the stand-in game: what each line says, "Revert" on a
// parameter and on a modifier as one undoable step, and what the game changed
// itself shown as the game's and never reverted over.
#include "editing/EditHistory.h"
#include "editing/SessionChangeList.h"
#include "editing/SessionChanges.h"
#include "EitherGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace tceditor;
using namespace smallgame;
using testing::HasSubstr;
using testing::IsEmpty;
using Kind = ChangedParameter::Kind;

namespace
{
class SessionChangeListTest : public testing::TestWithParam<GameKind>
{
protected:
    SessionChangeListTest() : either(GetParam())
    {
        either.Add("foggy", { { kFogDensity, 0.9f, 0.2f }, { kFogStart, 5.0f, 15.0f } });
        either.Add("clear", { { kLightDirMult, 2.0f, 1.5f } });
    }

    tcModifier& Named(const std::string& name) { return either.Named(name); }
    std::vector<ChangedModifier> List() { return ListSessionChanges(game, changes); }
    ChangedModifier Only(const std::vector<ChangedModifier>& list)
    {
        EXPECT_EQ(list.size(), 1u);
        return list.empty() ? ChangedModifier{} : list.front();
    }
    // Edits foggy three ways: a value, a parameter added, one deleted.
    void EditFoggy()
    {
        history.SetValue(Named("foggy"), kFogDensity, ValueColumn::Outdoor, 0.5f);
        history.AddParameter(Named("foggy"), "water_fog_density", nullptr, ParameterChangeKind::AddedOrDeleted);
        history.RemoveParameter(Named("foggy"), kFogStart, ParameterChangeKind::AddedOrDeleted);
    }

    EitherGame either;
    GameTimecycle& game = either.Game();
    SessionChanges changes{ game };
    EditHistory history{ game, changes };
};
}

INSTANTIATE_TEST_SUITE_P(Games, SessionChangeListTest, testing::Values(GameKind::InMemory, GameKind::StandIn),
                         GameKindName);

TEST_P(SessionChangeListTest, ListsEachParameterAgainstItsOriginal)
{
    EditFoggy();
    const ChangedModifier foggy = Only(List());
    EXPECT_EQ(foggy.name, "foggy");
    EXPECT_EQ(foggy.kind, ChangedModifier::Kind::Changed);
    EXPECT_FALSE(foggy.byGame);
    ASSERT_EQ(foggy.parameters.size(), 3u);
    EXPECT_EQ(foggy.parameters[0].varId, kFogDensity);
    EXPECT_EQ(foggy.parameters[0].kind, Kind::Changed);
    EXPECT_EQ(foggy.parameters[0].original.value1, 0.9f);
    EXPECT_EQ(foggy.parameters[0].now.value1, 0.5f);
    EXPECT_EQ(foggy.parameters[1].kind, Kind::Removed);
    EXPECT_EQ(foggy.parameters[1].original.value2, 15.0f);
    EXPECT_EQ(foggy.parameters[2].kind, Kind::Added);
    EXPECT_EQ(foggy.parameters[2].varId, kWaterFogDensity);
}

TEST_P(SessionChangeListTest, RevertOfEachParameterIsOneStepThatUndoTakesBack)
{
    const auto original = either.Records();
    EditFoggy();
    const auto edited = either.Records();
    for (int32_t varId : { kFogDensity, kFogStart, kWaterFogDensity })
    {
        std::string why;
        const size_t steps = history.StepCount();
        EXPECT_TRUE(RevertParameter(game, history, changes, "foggy", varId, why)) << why;
        EXPECT_EQ(history.StepCount(), steps + 1);
        EXPECT_THAT(history.UndoDescription(), HasSubstr("revert"));
    }
    EXPECT_EQ(either.Records()["foggy"].size(), original.at("foggy").size());
    EXPECT_THAT(List(), IsEmpty());
    for (int undo = 0; undo < 3; ++undo)
        history.Undo();
    EXPECT_EQ(either.Records(), edited);
}

TEST_P(SessionChangeListTest, RevertOfAModifierPutsBackTheOriginalCreatedOrRemoved)
{
    const auto original = either.Records();
    EditFoggy();
    history.CreateModifier(std::string("fresh"));
    history.DeleteModifier(Named("clear"));
    const auto edited = either.Records();
    const std::vector<ChangedModifier> list = List();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, ChangedModifier::Kind::Removed);
    EXPECT_EQ(list[1].kind, ChangedModifier::Kind::Changed);
    EXPECT_EQ(list[2].kind, ChangedModifier::Kind::Created);

    for (const char* name : { "clear", "foggy", "fresh" })
    {
        std::string why;
        EXPECT_TRUE(RevertModifier(game, history, changes, name, why)) << name << ": " << why;
    }
    EXPECT_EQ(either.Records(), original);
    for (int undo = 0; undo < 3; ++undo)
        history.Undo();
    EXPECT_EQ(either.Records(), edited);
}

TEST_P(SessionChangeListTest, WhatTheGameChangedIsShownAsTheGamesAndNeverReverted)
{
    EditFoggy();
    game.GetTimecycleModData(Named("foggy"), kFogDensity)->value2 = 0.7f;

    const ChangedModifier foggy = Only(List());
    EXPECT_TRUE(foggy.byGame);
    EXPECT_TRUE(foggy.parameters[0].byGame);
    EXPECT_FALSE(foggy.parameters[2].byGame) << "the editor's own addition";

    std::string why;
    const size_t steps = history.StepCount();
    EXPECT_FALSE(RevertParameter(game, history, changes, "foggy", kFogDensity, why));
    EXPECT_THAT(why, HasSubstr("the game changed fog_density"));
    EXPECT_FALSE(RevertModifier(game, history, changes, "foggy", why));
    EXPECT_EQ(history.StepCount(), steps);
    EXPECT_EQ(game.GetTimecycleModData(Named("foggy"), kFogDensity)->value2, 0.7f);

    // The editor's own lines can still go back.
    EXPECT_TRUE(RevertParameter(game, history, changes, "foggy", kWaterFogDensity, why)) << why;
    EXPECT_EQ(game.GetTimecycleModData(Named("foggy"), kFogDensity)->value2, 0.7f);
}
