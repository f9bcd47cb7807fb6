// Colours among the game's variables, decided by the names of the game's
// table, and the history's step of several values that a gesture extends.
#include "editing/ColourTriples.h"
#include "editing/EditHistory.h"
#include "editing/SessionChanges.h"
#include "EitherGame.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

using namespace tceditor;

namespace
{
// A table with two whole colours and the near-misses around them.
const smallgame::Variable kColourTable[] = {
    { "sky_r", 0.5f },      { "sky_g", 0.5f },    { "sky_b", 0.5f },      // 0..2: a colour
    { "fog_col_r", 0.5f },  { "fog_col_g", 0.5f },                        // 3, 4: no _b
    { "moon_rg", 0.5f },    { "moon_g", 0.5f },   { "moon_b", 0.5f },     // 5..7: _rg is no _r
    { "Light_R", 0.5f },    { "Light_G", 0.5f },  { "Light_B", 0.5f },    // 8..10: capitals
    { "_r", 0.5f },         { "_g", 0.5f },       { "_b", 0.5f },         // 11..13: no stem
    { "grade_b", 1.0f },    { "grade_g", 1.0f },  { "grade_r", 1.0f },    // 14..16: a colour, listed backwards
    { "fog_density", 0.5f },                                                // 17
};

struct TripleCase
{
    const char* name;
    int32_t varId;
    const char* stem;  // null: no colour
    std::array<int32_t, 3> channels;
};

void PrintTo(const TripleCase& param, std::ostream* out)
{
    *out << param.name;
}

class ColourTriplesTest : public testing::TestWithParam<TripleCase>
{
protected:
    void SetUp() override { smallgame::LoadVariables(kColourTable); }
    void TearDown() override { timecycle::ResetManager(); }
};

TEST_P(ColourTriplesTest, AChannelNeedsAllThreeNamesOfItsStem)
{
    const TripleCase& param = GetParam();
    ColourTriples triples;
    const ColourTriple* triple = triples.Of(LiveGame(), param.varId);
    if (!param.stem)
    {
        EXPECT_EQ(triple, nullptr);
        return;
    }
    ASSERT_NE(triple, nullptr);
    EXPECT_EQ(triple->stem, param.stem);
    EXPECT_EQ(triple->channels, param.channels);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ColourTriplesTest,
    testing::Values(TripleCase{ "Red", 0, "sky", { 0, 1, 2 } }, TripleCase{ "Green", 1, "sky", { 0, 1, 2 } },
                    TripleCase{ "Blue", 2, "sky", { 0, 1, 2 } }, TripleCase{ "RedWithoutBlue", 3, nullptr, {} },
                    TripleCase{ "GreenWithoutBlue", 4, nullptr, {} }, TripleCase{ "RgIsNoRed", 5, nullptr, {} },
                    TripleCase{ "GreenWithoutRed", 6, nullptr, {} }, TripleCase{ "CapitalR", 8, nullptr, {} },
                    TripleCase{ "NoStem", 11, nullptr, {} }, TripleCase{ "ListedBackwards", 14, "grade", { 16, 15, 14 } },
                    TripleCase{ "Plain", 17, nullptr, {} }, TripleCase{ "OutsideTheTable", 18, nullptr, {} },
                    TripleCase{ "Negative", -1, nullptr, {} }),
    [](const testing::TestParamInfo<TripleCase>& info) { return info.param.name; });

TEST(ColourTriples, FollowTheTableTheGameLoads)
{
    ColourTriples triples;
    smallgame::LoadVariables(kColourTable);
    ASSERT_NE(triples.Of(LiveGame(), 0), nullptr);

    // The small table has sky_zenith_col_r alone, at id 3.
    smallgame::ResetWithVariables();
    EXPECT_EQ(triples.Of(LiveGame(), 0), nullptr);
    EXPECT_EQ(triples.Of(LiveGame(), smallgame::kSkyZenithR), nullptr);
    timecycle::ResetManager();
}

// The picker's intensity: the brightest channel, never below 1, kept as long
// as the colour is the one it was kept with.
TEST(ColourIntensity, IsTheBrightestChannelUntilKeptWithAColour)
{
    ColourIntensity intensity;
    EXPECT_EQ(intensity.Of({ 0.2f, 0.5f, 0.1f }), 1.0f);
    EXPECT_EQ(intensity.Of({ 2.5f, 1.0f, 0.5f }), 2.5f);
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(intensity.Of({ std::nanf(""), inf, 3.0f }), 3.0f) << "what is no number is left out";

    // A pick darker than the intensity keeps it; any other colour is
    // measured again.
    intensity.Keep(2.5f, { 1.25f, 0.5f, 0.25f });
    EXPECT_EQ(intensity.Of({ 1.25f, 0.5f, 0.25f }), 2.5f);
    EXPECT_EQ(intensity.Of({ 1.25f, 0.5f, 0.3f }), 1.25f);
    EXPECT_EQ(ScaledColour({ 1.0f, 0.5f, 0.25f }, 4.0f), (std::array<float, 3>{ 4.0f, 2.0f, 1.0f }));
}

TEST(ColourTriples, DescribeAColourEdit)
{
    EXPECT_EQ(DescribeColourEdit("sky_zenith_col", ValueColumn::Outdoor, { 0.448f, 0.38f, 0.459f }, { 0.8f, 0.45f, 0.2f },
                                 "tod_sunrise_warm"),
              "sky_zenith_col value 1 (0.45, 0.38, 0.46) -> (0.80, 0.45, 0.20) in tod_sunrise_warm");
    EXPECT_EQ(DescribeColourEdit("fog", ValueColumn::Indoor, { 1.0f, 2.5f, 0.0f }, { 3.0f, 2.5f, 0.0f }, "m"),
              "fog value 2 (1.00, 2.50, 0.00) -> (3.00, 2.50, 0.00) in m");
    // A name of any length, shortened as the status line shows it.
    const std::string big(40000, 'x');
    EXPECT_EQ(DescribeColourEdit("fog", ValueColumn::Indoor, { 1.0f, 2.5f, 0.0f }, { 3.0f, 2.5f, 0.0f }, big),
              "fog value 2 (1.00, 2.50, 0.00) -> (3.00, 2.50, 0.00) in " + big.substr(0, 64) + "... (40,000 bytes)");
}

// EditHistory::SetValues over both games: several values as one step that
// the frames of a gesture extend.
class SetValuesTest : public testing::TestWithParam<GameKind>
{
protected:
    SetValuesTest() : either(GetParam())
    {
        using namespace smallgame;
        either.Add("foggy", { { kFogDensity, 0.9f, 0.2f }, { kFogStart, 5.0f, 15.0f }, { kSkyZenithR, 0.4f, 0.3f } });
    }
    tcModifier& Foggy() { return either.Named("foggy"); }
    float Value1(int varId) { return game.GetTimecycleModData(Foggy(), varId)->value1; }

    EitherGame either;
    GameTimecycle& game = either.Game();
    SessionChanges changes{ game };
    EditHistory history{ game, changes };
};

INSTANTIATE_TEST_SUITE_P(Games, SetValuesTest, testing::Values(GameKind::InMemory, GameKind::StandIn), GameKindName);

TEST_P(SetValuesTest, TheFramesOfAGestureAreOneStepUndoneWhole)
{
    using namespace smallgame;
    const auto before = either.Records();
    const EditHistory::ValueWrite first[] = { { kFogDensity, 1.0f } };
    ASSERT_TRUE(history.SetValues(Foggy(), ValueColumn::Outdoor, first, "frame 1", 7));
    const size_t bytesOfOne = history.Bytes();
    EXPECT_TRUE(history.GestureOpen(7));
    EXPECT_FALSE(history.GestureOpen(8));
    const EditHistory::ValueWrite second[] = { { kFogDensity, 1.5f }, { kFogStart, 6.0f }, { kSkyZenithR, 0.5f } };
    ASSERT_TRUE(history.SetValues(Foggy(), ValueColumn::Outdoor, second, "frame 2", 7));

    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoDescription(), "frame 2");
    EXPECT_GT(history.Bytes(), bytesOfOne);
    EXPECT_EQ(Value1(kFogDensity), 1.5f);
    EXPECT_EQ(Value1(kFogStart), 6.0f);
    EXPECT_EQ(Value1(kSkyZenithR), 0.5f);
    EXPECT_TRUE(changes.IsChanged("foggy"));

    history.Undo();
    EXPECT_EQ(either.Records(), before);
    EXPECT_FALSE(changes.IsChanged("foggy"));
    history.Redo();
    EXPECT_EQ(Value1(kFogDensity), 1.5f);
    EXPECT_EQ(Value1(kFogStart), 6.0f);
    EXPECT_EQ(game.GetTimecycleModData(Foggy(), kFogStart)->value2, 15.0f);
}

TEST_P(SetValuesTest, AnEndedGestureOrAnotherStepStartsANewStep)
{
    using namespace smallgame;
    const EditHistory::ValueWrite write[] = { { kFogDensity, 1.0f } };
    history.SetValues(Foggy(), ValueColumn::Outdoor, write, "one", 7);
    history.EndGesture();
    const EditHistory::ValueWrite again[] = { { kFogDensity, 2.0f } };
    history.SetValues(Foggy(), ValueColumn::Outdoor, again, "two", 7);
    EXPECT_EQ(history.StepCount(), 2u);

    history.SetValue(Foggy(), kFogStart, ValueColumn::Outdoor, 9.0f);
    const EditHistory::ValueWrite third[] = { { kFogDensity, 3.0f } };
    history.SetValues(Foggy(), ValueColumn::Outdoor, third, "three", 7);
    EXPECT_EQ(history.StepCount(), 4u);
    EXPECT_EQ(history.UndoDescription(), "three");

    // Undone, the gesture is over: the next frame is a step of its own.
    history.Undo();
    history.SetValues(Foggy(), ValueColumn::Outdoor, third, "four", 7);
    EXPECT_EQ(history.StepCount(), 4u);
    EXPECT_EQ(history.UndoDescription(), "four");
    history.Undo();
    EXPECT_EQ(Value1(kFogDensity), 2.0f);
}

TEST_P(SetValuesTest, ValuesTheModifierLacksAreSkippedAndNothingTakenIsNoStep)
{
    using namespace smallgame;
    const EditHistory::ValueWrite missing[] = { { kGradeSaturation, 2.0f } };
    EXPECT_FALSE(history.SetValues(Foggy(), ValueColumn::Outdoor, missing, "none", 7));
    const EditHistory::ValueWrite same[] = { { kFogDensity, 0.9f } };
    EXPECT_TRUE(history.SetValues(Foggy(), ValueColumn::Outdoor, same, "same", 7));
    EXPECT_EQ(history.StepCount(), 0u);

    const EditHistory::ValueWrite mixed[] = { { kGradeSaturation, 2.0f }, { kFogDensity, 0.1f } };
    EXPECT_TRUE(history.SetValues(Foggy(), ValueColumn::Indoor, mixed, "mixed", 7));
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(game.GetTimecycleModData(Foggy(), kFogDensity)->value2, 0.1f);
    EXPECT_EQ(game.GetTimecycleModData(Foggy(), kGradeSaturation), nullptr);
    history.Undo();
    EXPECT_EQ(game.GetTimecycleModData(Foggy(), kFogDensity)->value2, 0.2f);
}
}
