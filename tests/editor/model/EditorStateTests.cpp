// The editor's state record: finding, capturing, selecting and clearing
// the selection, the browser's selection sequence, and the reset.
#include "editing/EditorState.h"
#include "EitherGame.h"
#include "game/LiveTimecycle.h"
#include "SmallTimecycleGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

using namespace tceditor;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;
using testing::SizeIs;

namespace
{
using namespace smallgame;

MATCHER_P3(Entry, varId, value1, value2, "")
{
    return arg.varId == varId && arg.value1 == value1 && arg.value2 == value2;
}

// ModifierSelection over the in-memory and the stand-in game, with the edit
// history through which the parameter table switches parameters off.
class Selection : public testing::TestWithParam<GameKind>
{
protected:
    // Switches `varId` off as the parameter table does: the working copy
    // stays, the game's entry goes through the history.
    void SwitchOff(tcModifier& modifier, int32_t varId)
    {
        ASSERT_TRUE(history.RemoveParameter(modifier, varId, ParameterChangeKind::Switched));
        selection.switchedOff.insert(varId);
    }

    EitherGame either{ GetParam() };
    GameTimecycle& game = either.Game();
    SessionChanges changes{ game };
    EditHistory history{ game, changes };
    ModifierSelection selection;
};

TEST_P(Selection, WithNothingSelectedFindAndCaptureChangeNothing)
{
    either.Add("a", { { kFogStart, 1.0f, 1.0f } });
    EXPECT_EQ(selection.Find(game), nullptr);
    selection.CaptureParams(game);
    EXPECT_TRUE(selection.IsEmpty());
    EXPECT_THAT(selection.workingParams, IsEmpty());
    EXPECT_THAT(selection.switchedOff, IsEmpty());
}

TEST_P(Selection, SelectCapturesEveryParameterAndFindsTheModifierByName)
{
    tcModifier& a = either.Add("a", { { kFogStart, 2.0f, 2.5f }, { kFogDensity, 1.0f, 1.5f } });
    selection.Select(game, a);

    EXPECT_EQ(selection.Name(), "a");
    EXPECT_EQ(selection.Find(game), &a);
    EXPECT_THAT(selection.workingParams, ElementsAre(Pair(kFogDensity, Entry(kFogDensity, 1.0f, 1.5f)),
                                                     Pair(kFogStart, Entry(kFogStart, 2.0f, 2.5f))));
}

TEST_P(Selection, CaptureAddsNewParametersAndKeepsWorkingOnes)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f } });
    selection.Select(game, a);
    selection.workingParams.at(kFogDensity).value1 = 5.0f;  // edited in the table
    game.AddTimecycleModData(a, "fog_start");                // added by "Add"

    selection.CaptureParams(game);

    EXPECT_THAT(selection.workingParams, ElementsAre(Pair(kFogDensity, Entry(kFogDensity, 5.0f, 1.0f)),
                                                     Pair(kFogStart, Entry(kFogStart, 20.0f, 20.0f))));
}

// A capture that finds the game's var ids as the last one left them adds
// nothing; whatever changed since, in the game or in the working copies, is
// found, also when the number of parameters stays the same.
TEST_P(Selection, CaptureFindsEveryChangeSinceTheLastOne)
{
    struct Case
    {
        const char* change;
        std::function<void(tcModifier&)> make;
        std::vector<int32_t> expected;
    };
    const Case cases[] = {
        { "nothing", [](tcModifier&) {}, { kFogDensity, kFogStart } },
        { "the game swaps a parameter for another",
          [&](tcModifier& m) {
              ASSERT_TRUE(game.RemoveTimecycleModData(m, "fog_start"));
              ASSERT_TRUE(game.AddTimecycleModData(m, "light_dir_mult"));
          },
          { kLightDirMult, kFogDensity, kFogStart } },
        { "the game adds a parameter", [&](tcModifier& m) { ASSERT_TRUE(game.AddTimecycleModData(m, "sky_zenith_col_r")); },
          { kFogDensity, kFogStart, kSkyZenithR } },
        { "the editor forgets a copy the game still has", [&](tcModifier&) { selection.ForgetWorking(kFogStart); },
          { kFogDensity, kFogStart } },
        { "a copy is erased from the map itself", [&](tcModifier&) { selection.workingParams.erase(kFogStart); },
          { kFogDensity, kFogStart } },
    };
    for (const Case& c : cases)
    {
        tcModifier& a = either.Add(c.change, { { kFogDensity, 1.0f, 1.0f }, { kFogStart, 2.0f, 2.0f } });
        selection.Select(game, a);
        selection.CaptureParams(game);
        c.make(a);

        selection.CaptureParams(game);

        std::vector<int32_t> captured;
        for (const auto& entry : selection.workingParams)
            captured.push_back(entry.first);
        EXPECT_EQ(captured, c.expected) << c.change;
    }
}

// The parameter table's rows follow every parameter the working copies gain
// or lose, however it comes and goes.
TEST_P(Selection, TableRowsFollowTheWorkingParameters)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f }, { kSkyZenithR, 3.0f, 3.0f } });
    selection.Select(game, a);
    ParameterTableRows rows;
    ColourTriples colours;
    const auto rowIds = [&] {
        std::vector<int32_t> ids;
        for (const ParameterRowView& row : rows.Update(game, selection, colours, a.nameHash, "", ""))
            ids.push_back(row.varId);
        return ids;
    };

    EXPECT_THAT(rowIds(), ElementsAre(kFogDensity, kSkyZenithR));
    selection.ForgetWorking(kFogDensity);
    EXPECT_THAT(rowIds(), ElementsAre(kSkyZenithR));
    selection.SetWorking(kFogStart, { kFogStart, 1.0f, 1.0f });
    EXPECT_THAT(rowIds(), ElementsAre(kFogStart, kSkyZenithR));
    selection.workingParams.erase(kFogStart);
    EXPECT_THAT(rowIds(), ElementsAre(kSkyZenithR));
    // The capture takes the game's new parameter, and the one only the
    // working copies had forgotten.
    ASSERT_TRUE(game.AddTimecycleModData(a, "grade_saturation"));
    selection.CaptureParams(game);
    EXPECT_THAT(rowIds(), ElementsAre(kFogDensity, kSkyZenithR, kGradeSaturation));
}

TEST_P(Selection, ARemovedModifierIsDroppedWhenFoundAgainOrCaptured)
{
    for (bool byCapture : { false, true })
    {
        tcModifier& a = either.Add(byCapture ? "by_capture" : "by_find", { { kFogDensity, 1.0f, 1.0f } });
        selection.Select(game, a);
        SwitchOff(a, kFogDensity);
        game.RemoveTimecycle(a);

        if (byCapture)
            selection.CaptureParams(game);
        else
            EXPECT_EQ(selection.Find(game), nullptr);

        EXPECT_TRUE(selection.IsEmpty()) << byCapture;
        EXPECT_THAT(selection.workingParams, IsEmpty());
        EXPECT_THAT(selection.switchedOff, IsEmpty());
    }
}

TEST_P(Selection, ItFollowsTheModifierWhereverTheGameMovesIt)
{
    tcModifier& first = either.Add("first");
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f } });
    selection.Select(game, a);
    game.RemoveTimecycle(first);
    EXPECT_EQ(selection.Find(game), &a);
    EXPECT_THAT(selection.workingParams, SizeIs(1));
}

TEST_P(Selection, ARenameThroughTheEditorIsFollowedOneByTheGameIsNot)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f } });
    selection.Select(game, a);
    ASSERT_TRUE(history.RenameModifier(a, "b"));
    selection.FollowRename("a", "b");
    EXPECT_EQ(selection.Find(game), &a);

    // The selection knows the modifier by name only.
    game.RenameTimecycle(a, "c");
    EXPECT_EQ(selection.Find(game), nullptr);
    EXPECT_TRUE(selection.IsEmpty());
}

TEST_P(Selection, ClearForgetsEverything)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f } });
    selection.Select(game, a);
    SwitchOff(a, kFogDensity);
    selection.Clear();
    EXPECT_EQ(selection.Find(game), nullptr);
    EXPECT_THAT(selection.workingParams, IsEmpty());
    EXPECT_THAT(selection.switchedOff, IsEmpty());
}

// A switched-off parameter that the game has again (added back by another
// route) keeps the game's values: selecting writes nothing and records no step.
TEST_P(Selection, MovingOnNeverWritesEvenWhenASwitchedOffParameterCameBack)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.5f }, { kFogStart, 2.0f, 2.5f } });
    tcModifier& b = either.Add("b", { { kSkyZenithR, 3.0f, 3.0f } });
    selection.Select(game, a);
    SwitchOff(a, kFogStart);
    selection.workingParams.at(kFogDensity).value1 = 7.0f;
    game.AddTimecycleModData(a, "fog_start");
    const auto before = either.Records();
    const size_t steps = history.StepCount();

    selection.Select(game, b);

    EXPECT_EQ(either.Records(), before);
    EXPECT_THAT(std::vector<tcModData>(a.modData, a.modData + a.numMods),
                ElementsAre(Entry(kFogDensity, 1.0f, 1.5f), Entry(kFogStart, 20.0f, 20.0f)));
    EXPECT_EQ(history.StepCount(), steps);
    EXPECT_EQ(selection.Find(game), &b);
    EXPECT_THAT(selection.switchedOff, IsEmpty());
    EXPECT_THAT(selection.workingParams, ElementsAre(Pair(kSkyZenithR, Entry(kSkyZenithR, 3.0f, 3.0f))));
}

TEST_P(Selection, MovingOnWritesNothingForAParameterStillAbsent)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.5f }, { kFogStart, 2.0f, 2.5f } });
    tcModifier& b = either.Add("b");
    selection.Select(game, a);
    SwitchOff(a, kFogStart);
    const auto before = either.Records();
    const size_t steps = history.StepCount();

    selection.Select(game, b);

    EXPECT_EQ(either.Records(), before);
    EXPECT_EQ(history.StepCount(), steps);
    EXPECT_EQ(selection.Find(game), &b);
}

TEST_P(Selection, ASwitchedOffIdWithoutWorkingCopyIsSkipped)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f }, { kSkyZenithR, 3.0f, 3.0f } });
    tcModifier& b = either.Add("b");
    selection.Select(game, a);
    selection.switchedOff.insert(kFogStart);
    selection.workingParams.erase(kSkyZenithR);
    selection.switchedOff.insert(kSkyZenithR);
    const auto before = either.Records();

    selection.Select(game, b);

    EXPECT_EQ(either.Records(), before);
}

TEST_P(Selection, SelectingTheSameModifierAgainRestoresNothingAndRecaptures)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f }, { kFogStart, 2.0f, 2.0f } });
    selection.Select(game, a);
    SwitchOff(a, kFogStart);
    selection.workingParams.at(kFogDensity).value1 = 9.0f;
    game.AddTimecycleModData(a, "fog_start");  // back while switched off

    selection.Select(game, a);

    EXPECT_THAT(std::vector<tcModData>(a.modData, a.modData + a.numMods),
                ElementsAre(Entry(kFogDensity, 1.0f, 1.0f), Entry(kFogStart, 20.0f, 20.0f)));
    EXPECT_THAT(selection.switchedOff, IsEmpty());
    EXPECT_THAT(selection.workingParams, ElementsAre(Pair(kFogDensity, Entry(kFogDensity, 1.0f, 1.0f)),
                                                     Pair(kFogStart, Entry(kFogStart, 20.0f, 20.0f))));
}

TEST_P(Selection, SelectingOverARemovedModifierActsAsFromNothing)
{
    tcModifier& a = either.Add("a", { { kFogDensity, 1.0f, 1.0f } });
    tcModifier& b = either.Add("b", { { kFogStart, 2.0f, 2.0f } });
    selection.Select(game, a);
    SwitchOff(a, kFogDensity);
    game.RemoveTimecycle(a);

    selection.Select(game, b);

    EXPECT_EQ(selection.Find(game), &b);
    EXPECT_THAT(selection.switchedOff, IsEmpty());
    EXPECT_THAT(selection.workingParams, ElementsAre(Pair(kFogStart, Entry(kFogStart, 2.0f, 2.0f))));
}

INSTANTIATE_TEST_SUITE_P(Games, Selection, testing::Values(GameKind::InMemory, GameKind::StandIn), GameKindName);

// The state record over the stand-in game.
class EditorState : public testing::Test
{
protected:
    void SetUp() override { smallgame::ResetWithVariables(); }
    void TearDown() override { timecycle::ResetManager(); }

    static constexpr const char* kSomeXml = "<timecycle_modifier_data/>";

    TimecycleEditorState state{ LiveGame() };
};

TEST_F(EditorState, StartsEmpty)
{
    EXPECT_FALSE(state.isOpen);
    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_THAT(state.filterHashes, IsEmpty());
    for (const char* field : { state.searchName, state.searchParam, state.nameInput, state.paramFilter, state.varInput })
        EXPECT_EQ(std::count(field, field + kTextBufferSize, '\0'), kTextBufferSize);
    EXPECT_FALSE(state.applySelected);
    EXPECT_FALSE(state.showingXmlOutput);
}

TEST_F(EditorState, SelectFromBrowserTakesBackupSelectsAndCopiesTheName)
{
    tcModifier& fog = smallgame::AddModifier("fog_bank", { { smallgame::kFogDensity, 0.7f, 0.6f } });
    state.ShowXmlOutput(kSomeXml);
    ASSERT_TRUE(state.showingXmlOutput);

    state.SelectFromBrowser(fog);

    EXPECT_FALSE(state.showingXmlOutput);
    EXPECT_TRUE(state.xmlOutput.empty());
    EXPECT_TRUE(timecycle::HasBackup(fog));
    EXPECT_EQ(state.SelectedModifier(), &fog);
    EXPECT_THAT(state.selection.workingParams, ElementsAre(Pair(smallgame::kFogDensity, Entry(1, 0.7f, 0.6f))));
    EXPECT_STREQ(state.nameInput, "fog_bank");
}

TEST_F(EditorState, ShorterNameReplacesTheWholeField)
{
    tcModifier& longer = smallgame::AddModifier("a_rather_long_name");
    tcModifier& shorter = smallgame::AddModifier("ab");
    state.SelectFromBrowser(longer);
    state.SelectFromBrowser(shorter);
    EXPECT_STREQ(state.nameInput, "ab");
}

struct LongName
{
    const char* what;
    std::string name;
    std::string field;
};

void PrintTo(const LongName& name, std::ostream* out)
{
    *out << name.what;
}

class NameField : public EditorState, public testing::WithParamInterface<LongName>
{
};

TEST_P(NameField, TakesTheNameCutAtACharacterBoundary)
{
    tcModifier& modifier = smallgame::AddModifier(GetParam().name);
    memset(state.nameInput, 'x', sizeof(state.nameInput));

    state.SelectFromBrowser(modifier);

    EXPECT_EQ(std::string(state.nameInput), GetParam().field);
    EXPECT_EQ(state.SelectedModifier(), &modifier);
}

const std::string k123(123, 'a'), k124(124, 'a'), k125(125, 'a'), k126(126, 'a'), k127(127, 'a');

INSTANTIATE_TEST_SUITE_P(
    Names, NameField,
    testing::Values(LongName{ "Fits127", k127, k127 },
                    LongName{ "Ascii128", k127 + "b", k127 },
                    LongName{ "Ascii300", std::string(300, 'n'), std::string(127, 'n') },
                    LongName{ "TwoByteAcross", k126 + "\xC3\xA9", k126 },
                    LongName{ "ThreeByteAcross", k125 + "\xE2\x82\xAC", k125 },
                    LongName{ "FourByteAcross", k124 + "\xF0\x9F\x98\x80", k124 },
                    LongName{ "FourByteFits", k123 + "\xF0\x9F\x98\x80", k123 + "\xF0\x9F\x98\x80" },
                    LongName{ "TwoByteEndsAt127", k125 + "\xC3\xA9" + "zz", k125 + "\xC3\xA9" }),
    [](const testing::TestParamInfo<LongName>& info) { return std::string(info.param.what); });

TEST(TextField, TextThatIsNotUtf8LosesNoMoreThanACharacterWorth)
{
    char field[kTextBufferSize];
    CopyToTextBuffer(field, std::string(200, '\x80'));
    EXPECT_EQ(strlen(field), 124u) << "cut where a character would have started, at most three bytes back";
}

TEST_F(EditorState, ResetClosesAndForgetsButLeavesAppliedModifiers)
{
    tcModifier& fog = smallgame::AddModifier("fog_bank", { { smallgame::kFogDensity, 0.7f, 0.6f } });
    tcModifier& sun = smallgame::AddModifier("sun", {});
    state.isOpen = true;
    state.SelectFromBrowser(fog);
    state.selection.switchedOff.insert(smallgame::kFogDensity);
    state.filterHashes.insert(fog.nameHash);
    for (char* field : { state.searchName, state.searchParam, state.nameInput, state.paramFilter, state.varInput })
        memset(field, 'q', kTextBufferSize - 1);
    state.applySelected = true;
    state.ShowXmlOutput(kSomeXml);
    TimecycleScriptData& script = *TimecycleManager::GetScriptData();
    script = { smallgame::IndexOf(fog), 0.8f, smallgame::IndexOf(sun), 0.3f, 0.1f };
    smallgame::Manager().SetInteriorModifierOverride(smallgame::IndexOf(sun));

    state.ResetEditorState();

    EXPECT_FALSE(state.isOpen);
    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_THAT(state.selection.workingParams, IsEmpty());
    EXPECT_THAT(state.selection.switchedOff, IsEmpty());
    EXPECT_THAT(state.filterHashes, IsEmpty());
    for (const char* field : { state.searchName, state.searchParam, state.nameInput, state.paramFilter, state.varInput })
        EXPECT_EQ(std::count(field, field + kTextBufferSize, '\0'), kTextBufferSize);
    EXPECT_FALSE(state.applySelected);
    EXPECT_FALSE(state.showingXmlOutput);
    EXPECT_EQ(smallgame::Manager().GetInteriorModifierOverride(), -1);

    EXPECT_EQ(script.primaryIndex, smallgame::IndexOf(fog));
    EXPECT_EQ(script.primaryStrength, 0.8f);
    EXPECT_EQ(script.transitionIndex, smallgame::IndexOf(sun));
    EXPECT_EQ(script.transitionStrength, 0.3f);
    EXPECT_TRUE(timecycle::HasBackup(fog)) << "the game's backup is the game's";
}
}
