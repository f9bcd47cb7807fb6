// Colours in the parameter table over the stand-in game: swatches exactly on
// the channels of whole colours, the colour popup's editors written as one
// step per gesture, switched-off channels left alone, values above 1 kept.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <array>
#include <string>
#include <vector>

using namespace tceditor;
using testing::Contains;
using testing::HasSubstr;

namespace
{
// A table with a whole colour, one whose modifier lacks a channel, and
// near-misses: _r without _b, _rg taken for no _r.
enum ColourVar
{
    kSkyR,
    kSkyG,
    kSkyB,
    kFogR,
    kFogG,
    kMoonRg,
    kMoonG,
    kMoonB,
    kGradeR,
    kGradeG,
    kGradeB,
    kPlain,
    kColourVarCount
};

const smallgame::Variable kColourTable[kColourVarCount] = {
    { "sky_r", 0.5f },   { "sky_g", 0.5f },   { "sky_b", 0.5f },   { "fog_col_r", 0.5f },
    { "fog_col_g", 0.5f }, { "moon_rg", 0.5f }, { "moon_g", 0.5f }, { "moon_b", 0.5f },
    { "grade_r", 1.0f }, { "grade_g", 1.0f }, { "grade_b", 1.0f }, { "fog_density", 0.5f },
};
}

class ColourTableTest : public DetailPaneTest
{
protected:
    void SetUp() override
    {
        DetailPaneTest::SetUp();
        smallgame::LoadVariables(kColourTable, m_folder / "colours.xml");
    }

    // A modifier with every variable but grade_b, values 1 and 2 apart.
    tcModifier& MakeColourModifier(const std::string& name = "colour_mod")
    {
        return MakeModifier(name, { { kSkyR, 0.448f, 0.1f },  { kSkyG, 0.38f, 0.2f },   { kSkyB, 0.459f, 0.3f },
                                    { kFogR, 0.5f, 0.5f },    { kFogG, 0.5f, 0.5f },    { kMoonRg, 0.5f, 0.5f },
                                    { kMoonG, 0.5f, 0.5f },   { kMoonB, 0.5f, 0.5f },   { kGradeR, 1.0f, 1.0f },
                                    { kGradeG, 1.0f, 1.0f },  { kPlain, 0.5f, 0.5f } });
    }

    static std::string Swatch(const tcModifier& m, int varId) { return RowLabel(m, varId, "colour"); }
    const tcModData& Saved(int varId) { return state.selection.workingParams.at(varId); }

    std::array<float, 3> Sky(tcModifier& modifier, ValueColumn column)
    {
        std::array<float, 3> colour{};
        for (int channel = 0; channel < 3; ++channel)
        {
            const tcModData* live = Manager().GetTimecycleModData(modifier, kSkyR + channel);
            colour[channel] = live ? ValueIn(*live, column) : -1.0f;
        }
        return colour;
    }

    void OpenSkyPopup(tcModifier& modifier)
    {
        ui.Click(kWindow, Swatch(modifier, kSkyG));
        ASSERT_TRUE(ShowsLine("Colour: sky"));
    }

    bool ShowsLine(const std::string& text) const
    {
        const std::vector<std::string> lines = ui.Texts(kWindow);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
};

TEST_F(ColourTableTest, SwatchesStandExactlyOnTheChannelsOfWholeColours)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    for (int varId = 0; varId < kColourVarCount; ++varId)
    {
        if (varId == kGradeB)
            continue;  // not a parameter
        const bool colour = varId == kSkyR || varId == kSkyG || varId == kSkyB;
        EXPECT_TRUE(RowDrawn(modifier, varId)) << kColourTable[varId].name;
        EXPECT_EQ(ui.Exists(kWindow, Swatch(modifier, varId)), colour) << kColourTable[varId].name;
    }
    // The name stays the row's text, after the swatch.
    const uidriver::UiItem swatch = ui.Find(kWindow, Swatch(modifier, kSkyR));
    EXPECT_TRUE(ShowsLine("sky_r"));
    EXPECT_LT(swatch.rect.Max.x, ui.Find(kWindow, Value1(modifier, kSkyR)).rect.Min.x);
}

TEST_F(ColourTableTest, SwatchShowsValueOneAndItsTooltipBothColours)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    const uidriver::UiItem swatch = ui.Find(kWindow, Swatch(modifier, kSkyB));
    const ImU32 valueOne = ImGui::ColorConvertFloat4ToU32(ImVec4(0.448f, 0.38f, 0.459f, 1.0f));
    const ImDrawList& drawList = *swatch.window->DrawList;
    EXPECT_TRUE(std::any_of(drawList.VtxBuffer.begin(), drawList.VtxBuffer.end(), [&](const ImDrawVert& vertex) {
        return vertex.col == valueOne && swatch.rect.Contains(vertex.pos);
    }));

    EXPECT_FALSE(ShowsLine("Value 1: "));
    ui.Hover(kWindow, Swatch(modifier, kSkyB));
    EXPECT_TRUE(ShowsLine("Value 1: 0.448, 0.380, 0.459"));
    EXPECT_TRUE(ShowsLine("Value 2: 0.100, 0.200, 0.300"));
}

// While "Compare" is held the swatch shows the original's colour, as the
// table's values do; let go, the edited colour again.
TEST_F(ColourTableTest, SwatchShowsTheOriginalWhileCompareIsHeld)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    ui.EnterValue(kWindow, Value1(modifier, kSkyR), "0.8");

    const auto swatchDrawn = [&](const ImVec4& colour) {
        const uidriver::UiItem swatch = ui.Find(kWindow, Swatch(modifier, kSkyR));
        // Compared rows are drawn greyed: the alpha differs, not the colour.
        const ImU32 wanted = ImGui::ColorConvertFloat4ToU32(colour) & ~IM_COL32_A_MASK;
        const ImDrawList& drawList = *swatch.window->DrawList;
        return std::any_of(drawList.VtxBuffer.begin(), drawList.VtxBuffer.end(), [&](const ImDrawVert& vertex) {
            return (vertex.col & ~IM_COL32_A_MASK) == wanted && swatch.rect.Contains(vertex.pos);
        });
    };
    const ImVec4 original(0.448f, 0.38f, 0.459f, 1.0f);
    const ImVec4 edited(0.8f, 0.38f, 0.459f, 1.0f);
    ASSERT_TRUE(swatchDrawn(edited));

    ui.Hover(kWindow, "Compare");
    ImGui::GetIO().MouseDown[0] = true;
    ui.Frame(3);
    EXPECT_TRUE(swatchDrawn(original));
    EXPECT_FALSE(swatchDrawn(edited));

    ImGui::GetIO().MouseDown[0] = false;
    ui.Frame(2);
    EXPECT_TRUE(swatchDrawn(edited));
}

TEST_F(ColourTableTest, ADroppedColourIsOneStepOverThreeParameters)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    OpenSkyPopup(modifier);
    const size_t steps = state.history.StepCount();

    ui.DropColour(kWindow, "Value 1", { 0.8f, 0.45f, 0.2f });
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.8f, 0.45f, 0.2f }));
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor), (std::array<float, 3>{ 0.1f, 0.2f, 0.3f }));
    EXPECT_EQ(state.history.StepCount(), steps + 1);
    EXPECT_EQ(state.history.UndoDescription(),
              "sky value 1 (0.45, 0.38, 0.46) -> (0.80, 0.45, 0.20) in colour_mod");
    // The table and the change marks follow.
    EXPECT_EQ(Saved(kSkyG).value1, 0.45f);
    EXPECT_TRUE(state.changes.IsChanged("colour_mod"));

    ui.Key("ctrl+z");
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.448f, 0.38f, 0.459f }));
    ui.Key("ctrl+y");
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.8f, 0.45f, 0.2f }));

    // Value 2 is a step of its own.
    ui.DropColour(kWindow, "Value 2", { 0.5f, 0.6f, 0.7f });
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor), (std::array<float, 3>{ 0.5f, 0.6f, 0.7f }));
    EXPECT_EQ(state.history.StepCount(), steps + 2);
    EXPECT_THAT(state.history.UndoDescription(), HasSubstr("sky value 2 (0.10, 0.20, 0.30) -> (0.50, 0.60, 0.70)"));
}

TEST_F(ColourTableTest, ADragInTheEditorIsOneStepHoweverManyFrames)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    OpenSkyPopup(modifier);
    const size_t steps = state.history.StepCount();

    // The first of the editor's drags is red.
    ui.Drag(kWindow, "##X", ImVec2(60.0f, 0.0f), 0);
    const std::array<float, 3> dragged = Sky(modifier, ValueColumn::Outdoor);
    EXPECT_GT(dragged[0], 0.448f + 0.1f);
    EXPECT_EQ(dragged[1], 0.38f);
    EXPECT_EQ(state.history.StepCount(), steps + 1);
    EXPECT_THAT(state.history.UndoDescription(), HasSubstr("sky value 1 (0.45, 0.38, 0.46) -> ("));

    ui.Key("ctrl+z");
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.448f, 0.38f, 0.459f }));
}

TEST_F(ColourTableTest, APickedColourIsOneStepToo)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    OpenSkyPopup(modifier);
    const size_t steps = state.history.StepCount();

    // The editor's square opens Dear ImGui's picker; its saturation and value
    // square is dragged over several frames.
    ui.Click(kWindow, "##ColorButton", 0);
    ui.Drag(kWindow, "sv", ImVec2(-30.0f, -20.0f));
    const std::array<float, 3> picked = Sky(modifier, ValueColumn::Outdoor);
    EXPECT_NE(picked, (std::array<float, 3>{ 0.448f, 0.38f, 0.459f }));
    EXPECT_EQ(state.history.StepCount(), steps + 1);
    EXPECT_EQ(Saved(kSkyR).value1, picked[0]);

    ui.Key("ctrl+z");
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.448f, 0.38f, 0.459f }));
}

// The picker's square reaches brightness 1: it holds the colour divided by
// its intensity, so a pick at the top of the square on a colour of
// brightness 2.5 keeps 2.5.
TEST_F(ColourTableTest, APickKeepsTheIntensityOfAColourAboveOne)
{
    tcModifier& modifier = MakeModifier("bright", { { kSkyR, 2.5f, 4.0f }, { kSkyG, 1.0f, 1.0f }, { kSkyB, 0.5f, 0.5f } });
    Select(modifier);
    OpenSkyPopup(modifier);
    ui.Click(kWindow, "##ColorButton", 0);

    // Up and left out of the square: full value, no saturation.
    ui.Drag(kWindow, "sv", ImVec2(-400.0f, -400.0f));
    const std::array<float, 3> picked = Sky(modifier, ValueColumn::Outdoor);
    for (float channel : picked)
        EXPECT_FLOAT_EQ(channel, 2.5f);
    EXPECT_EQ(state.history.StepCount(), 1u);

    // Lower in the square the colour darkens within the same intensity, and back
    // up it is as bright as before.
    ui.Drag(kWindow, "sv", ImVec2(0.0f, -60.0f));
    EXPECT_LT(Sky(modifier, ValueColumn::Outdoor)[0], 2.5f);
    EXPECT_GT(Sky(modifier, ValueColumn::Outdoor)[0], 1.0f);
    ui.Drag(kWindow, "sv", ImVec2(-400.0f, -400.0f));
    EXPECT_FLOAT_EQ(Sky(modifier, ValueColumn::Outdoor)[0], 2.5f);
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor), (std::array<float, 3>{ 4.0f, 1.0f, 0.5f }));
}

TEST_F(ColourTableTest, TheIntensityScalesTheColourOneStepPerGesture)
{
    tcModifier& modifier = MakeModifier("bright", { { kSkyR, 2.0f, 4.0f }, { kSkyG, 1.0f, 1.0f }, { kSkyB, 0.5f, 0.5f } });
    Select(modifier);
    OpenSkyPopup(modifier);
    ui.Click(kWindow, "##ColorButton", 1);

    ui.EnterValue(kWindow, "Intensity", "6");
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor), (std::array<float, 3>{ 6.0f, 1.5f, 0.75f }));
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 2.0f, 1.0f, 0.5f }));
    EXPECT_EQ(state.history.StepCount(), 1u);

    // A drag over many frames is one step; it scales, so the hue stays.
    ui.Drag(kWindow, "Intensity", ImVec2(-80.0f, 0.0f));
    const std::array<float, 3> dragged = Sky(modifier, ValueColumn::Indoor);
    EXPECT_LT(dragged[0], 6.0f);
    EXPECT_FLOAT_EQ(dragged[1] / dragged[0], 0.25f);
    EXPECT_EQ(state.history.StepCount(), 2u);

    ui.Key("ctrl+z");
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor), (std::array<float, 3>{ 6.0f, 1.5f, 0.75f }));
    ui.Key("ctrl+z");
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor), (std::array<float, 3>{ 4.0f, 1.0f, 0.5f }));
}

TEST_F(ColourTableTest, EscapeClosesThePickerThenThePopup)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    OpenSkyPopup(modifier);
    ui.Click(kWindow, "##ColorButton", 0);
    ASSERT_TRUE(ui.Exists(kWindow, "sv"));

    ui.Key("escape");
    EXPECT_FALSE(ui.Exists(kWindow, "sv"));
    EXPECT_TRUE(ShowsLine("Colour: sky"));
    ui.Key("escape");
    EXPECT_FALSE(ShowsLine("Colour: sky"));
    EXPECT_EQ(state.history.StepCount(), 0u) << "closing changed nothing";
}

TEST_F(ColourTableTest, ThePopupClosesWhenItsSwatchMoves)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    OpenSkyPopup(modifier);
    ui.Frame(2);
    ASSERT_TRUE(ShowsLine("Colour: sky")) << "it stays while its swatch stands still";

    // The pane scrolled under it, as a wheel over the table does.
    ImGuiWindow* pane = ui.Find(kWindow, Swatch(modifier, kSkyG)).window;
    ImGui::SetScrollY(pane, pane->Scroll.y + 10.0f);
    ui.Frame(2);
    EXPECT_FALSE(ShowsLine("Colour: sky"));
}

TEST_F(ColourTableTest, ASwitchedOffChannelIsNotWrittenAndTheEditorSaysWhich)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    ui.Click(kWindow, Check(modifier, kSkyG));
    ASSERT_EQ(Manager().GetTimecycleModData(modifier, kSkyG), nullptr);
    OpenSkyPopup(modifier);
    EXPECT_TRUE(ShowsLine("Switched off, not written: sky_g"));

    ui.DropColour(kWindow, "Value 1", { 0.8f, 0.45f, 0.2f });
    EXPECT_EQ(Manager().GetTimecycleModData(modifier, kSkyG), nullptr);
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.8f, -1.0f, 0.2f }));
    EXPECT_EQ(Saved(kSkyG).value1, 0.38f);

    // Switched on again, it comes back with the value it had. The first
    // click outside the popup only closes it.
    ui.Click(kWindow, Check(modifier, kSkyG));
    EXPECT_FALSE(ShowsLine("Colour: sky"));
    ui.Click(kWindow, Check(modifier, kSkyG));
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 0.8f, 0.38f, 0.2f }));
}

TEST_F(ColourTableTest, ValuesAboveOneAreKeptAndCanBeMade)
{
    tcModifier& modifier = MakeModifier("bright", { { kSkyR, 2.5f, 4.0f }, { kSkyG, 1.0f, 1.0f }, { kSkyB, 0.5f, 0.5f } });
    Select(modifier);
    OpenSkyPopup(modifier);
    ui.Frame(3);
    EXPECT_EQ(state.history.StepCount(), 0u);  // shown, not written
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 2.5f, 1.0f, 0.5f }));

    ui.DropColour(kWindow, "Value 1", { 3.0f, 1.5f, 0.5f });
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor), (std::array<float, 3>{ 3.0f, 1.5f, 0.5f }));
    ui.EnterValue(kWindow, "##X", "6.25", 1);
    EXPECT_EQ(Sky(modifier, ValueColumn::Indoor)[0], 6.25f);
    EXPECT_EQ(Sky(modifier, ValueColumn::Outdoor)[0], 3.0f);
}

TEST_F(ColourTableTest, ThePopupClosesWhenItsColourIsNoLongerWhole)
{
    tcModifier& modifier = MakeColourModifier();
    Select(modifier);
    OpenSkyPopup(modifier);
    state.SelectFromBrowser(MakeModifier("other", { { kSkyR, 0.1f, 0.1f }, { kSkyG, 0.1f, 0.1f } }));
    ui.Frame(2);
    EXPECT_FALSE(ShowsLine("Colour: sky"));
    EXPECT_THROW(ui.DropColour(kWindow, "Value 1", { 0.1f, 0.1f, 0.1f }), uidriver::UiDriverError);
}

// The last line of a value's tooltip says how to edit it, with the drag's
// step taken from the variable's default.
struct HintCase
{
    const char* name;
    int varId;
    const char* step;
};

void PrintTo(const HintCase& param, std::ostream* out)
{
    *out << param.name;
}

class ValueHint : public DetailPaneTest, public testing::WithParamInterface<HintCase>
{
protected:
    // The lines the last frame showed, from the first holding `text`.
    std::vector<std::string> LinesFrom(const std::string& text) const
    {
        const std::vector<std::string> lines = ui.Texts(kWindow);
        auto first = std::find_if(lines.begin(), lines.end(),
                                  [&](const std::string& line) { return line.find(text) != std::string::npos; });
        return std::vector<std::string>(first, lines.end());
    }
};

TEST_P(ValueHint, EndsTheTooltipBelowTheOriginal)
{
    const HintCase& param = GetParam();
    tcModifier& modifier = MakeModifier("hinted", { { param.varId, 0.9f, 0.9f } });
    Select(modifier);
    const std::string hint = std::string("Drag: ") + param.step +
                             " per pixel, Alt: finer, Shift: coarser, Ctrl+click: type, Right click: more";
    ui.Hover(kWindow, Value2(modifier, param.varId));
    EXPECT_THAT(ui.Texts(kWindow), Contains(hint));
    EXPECT_TRUE(LinesFrom("Original: ").empty());

    ui.EnterValue(kWindow, Value2(modifier, param.varId), "0.5");
    ui.Hover(kWindow, Value2(modifier, param.varId));
    const std::vector<std::string> lines = LinesFrom("Original: ");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Original: 0.900");
    EXPECT_EQ(lines[1], "Now: 0.500");
    EXPECT_EQ(lines[2], hint);
}

INSTANTIATE_TEST_SUITE_P(Defaults, ValueHint,
                         testing::Values(HintCase{ "Zero", DetailPaneTest::kZeroVar, "0.02" },
                                         HintCase{ "Positive", DetailPaneTest::kFogDensity, "0.025" },
                                         HintCase{ "Negative", DetailPaneTest::kSkyTint, "0.1" }),
                         [](const testing::TestParamInfo<HintCase>& info) { return info.param.name; });
