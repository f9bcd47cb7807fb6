// The in-memory game against the stand-in game reached through LiveTimecycle:
// the same operations give the same answers and leave the same records, so a
// model test that passes over one means the same over the other.
#include "EitherGame.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace smallgame;
using tceditor::GameTimecycle;

namespace
{
// Runs the operations on a game with "a" (two parameters) and "b", and tells
// what each answered.
struct Script
{
    const char* name;
    std::function<std::string(GameTimecycle&, EitherGame&)> run;
};

void PrintTo(const Script& script, std::ostream* out)
{
    *out << script.name;
}

// The answers in the order they were asked: the operands of << are evaluated
// from left to right.
struct Log
{
    Log& operator<<(const std::string& text)
    {
        m_text += text;
        return *this;
    }
    operator std::string() const { return m_text; }

private:
    std::string m_text;
};

std::string Answer(bool answer)
{
    return answer ? "T " : "F ";
}

std::string Answer(const tcModifier* answer)
{
    return answer ? "modifier " : "null ";
}

std::string Answer(int answer)
{
    return std::to_string(answer) + " ";
}

std::string Live(GameTimecycle& game, tcModifier& modifier, int varId)
{
    const tcModData* entry = game.GetTimecycleModData(modifier, varId);
    return entry ? std::to_string(entry->value1) + "/" + std::to_string(entry->value2) + " " : "none ";
}

const Script kScripts[] = {
    { "CreateRefusesEmptyAndTakenNames",
      [](GameTimecycle& game, EitherGame&) -> std::string {
          return Log() << Answer(game.CreateTimecycle("")) << Answer(game.CreateTimecycle("a")) <<
                 Answer(game.CreateTimecycle("c")) << Answer(game.GetTimecycleIndex(*game.FindModifierByName("c")));
      } },
    { "CloneCopiesParametersAndFlags",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          either.Named("a").userFlags = 5;
          tcModifier* clone = game.CloneTimecycle(either.Named("a"), "a_copy");
          return Log() << Answer(clone) << Answer(game.CloneTimecycle(either.Named("a"), "b")) <<
                 Answer(static_cast<int>(clone->userFlags)) << Live(game, *clone, kFogStart);
      } },
    { "RenameKeepsNamesUnique",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          tcModifier& a = either.Named("a");
          const uint32_t hash = a.nameHash;
          return Log() << Answer(game.RenameTimecycle(a, "a")) << Answer(game.RenameTimecycle(a, "b")) <<
                 Answer(game.RenameTimecycle(a, "")) << Answer(game.RenameTimecycle(a, "z")) <<
                 game.GetTimecycleName(a) << Answer(a.nameHash != hash);
      } },
    { "ARemovedModifierIsATombstone",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          tcModifier& a = either.Named("a");
          game.RemoveTimecycle(a);
          game.RemoveTimecycle(a);
          return Log() << Answer(a.modData != nullptr) << Answer(static_cast<int>(a.numMods)) << game.GetTimecycleName(a) << " " <<
                 Answer(game.GetTimecycleIndex(a)) << Answer(game.AddTimecycleModData(a, "fog_start")) <<
                 Answer(game.RenameTimecycle(a, "q")) << Answer(game.CloneTimecycle(a, "q")) <<
                 Answer(game.FindModifierByName("a")) << Answer(static_cast<int>(game.Modifiers().size()));
      } },
    { "ParametersComeWithDefaultsOncePerVariable",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          tcModifier& b = either.Named("b");
          return Log() << Answer(game.AddTimecycleModData(b, "no_such_variable")) << Answer(game.AddTimecycleModData(b, "fog_start")) <<
                 Answer(game.AddTimecycleModData(b, "fog_start")) << Answer(static_cast<int>(b.numMods)) <<
                 Live(game, b, kFogStart) << Answer(game.RemoveTimecycleModData(b, std::string("fog_start"))) <<
                 Answer(game.RemoveTimecycleModData(b, tcModData{ kFogStart, 0.0f, 0.0f })) <<
                 Answer(b.modData != nullptr);
      } },
    { "RemovingAParameterKeepsTheOthersInOrder",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          tcModifier& a = either.Named("a");
          game.AddTimecycleModData(a, "grade_saturation");
          const bool removed = game.RemoveTimecycleModData(a, tcModData{ kFogStart, 0.0f, 0.0f });
          return Log() << Answer(removed) << Answer(a.modData[0].varId) << Answer(a.modData[1].varId) << Answer(static_cast<int>(a.numMods));
      } },
    { "ParameterQueries",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          const tcModifier& a = either.Named("a");
          return Log() << Answer(game.DoesTimecycleHasModData(a, "FOG_", true)) << Answer(game.DoesTimecycleHasModData(a, "", true)) <<
                 Answer(game.DoesTimecycleHasModData(a, "fog", false)) <<
                 Answer(game.DoesTimecycleHasModData(a, "fog_start", false)) <<
                 Answer(game.DoesTimecycleHasModData(a, "sky", true));
      } },
    { "IndicesFollowARemoval",
      [](GameTimecycle& game, EitherGame& either) -> std::string {
          either.Add("c");
          TimecycleScriptData& script = *game.GetScriptData();
          script.primaryIndex = 2;
          script.transitionIndex = 0;
          game.SetInteriorModifierOverride(1);
          game.RemoveTimecycle(either.Named("a"));
          Log log;
          log << Answer(script.primaryIndex) << Answer(script.transitionIndex) << Answer(game.GetInteriorModifierOverride());
          game.RemoveTimecycle(either.Named("c"));
          return log << Answer(script.primaryIndex) << Answer(game.GetTimecycleByIndex(1)) <<
                 game.GetTimecycleName(*game.GetTimecycleByIndex(0));
      } },
    { "Variables",
      [](GameTimecycle& game, EitherGame&) -> std::string {
          return Log() << Answer(game.GetConfigVarInfoCount()) << Answer(game.VariableIdByName("fog_start")) <<
                 Answer(game.VariableIdByName("nothing")) << game.VariableName(kGradeSaturation) << " " <<
                 Answer(game.VariableName(kVariableCount) == nullptr) << Answer(game.GetConfigVarInfo(-1) == nullptr) <<
                 std::to_string(game.GetConfigVarInfo(kFogStart)->defaultValue);
      } },
};

class GameTimecycleAgreement : public testing::TestWithParam<Script>
{
protected:
    // The script's answers and the game's records afterwards.
    static std::pair<std::string, std::map<std::string, std::vector<uint64_t>>> Run(GameKind kind)
    {
        EitherGame either(kind);
        either.Add("a", { { kFogDensity, 0.9f, 0.2f }, { kFogStart, 5.0f, 15.0f } });
        either.Add("b");
        const std::string answers = GetParam().run(either.Game(), either);
        return { answers, either.Records() };
    }
};

TEST_P(GameTimecycleAgreement, TheInMemoryGameAnswersAsTheStandInGame)
{
    const auto standIn = Run(GameKind::StandIn);
    const auto inMemory = Run(GameKind::InMemory);
    EXPECT_EQ(inMemory.first, standIn.first);
    EXPECT_EQ(inMemory.second, standIn.second);
}

INSTANTIATE_TEST_SUITE_P(Scripts, GameTimecycleAgreement, testing::ValuesIn(kScripts),
                         [](const testing::TestParamInfo<Script>& info) { return std::string(info.param.name); });
}
