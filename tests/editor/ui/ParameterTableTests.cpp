// The parameter table: live edits, the drag rule taken from the default,
// switching rows off and on, deleting rows, the filter and the highlight of
// the browser's parameter query.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

using namespace tceditor;
using testing::ElementsAre;

namespace
{
// Light blue, red 81, green 179, blue 236.
constexpr ImU32 kHighlight = IM_COL32(81, 179, 236, 255);
}

class ParameterTableTest : public DetailPaneTest
{
protected:
    // Drags a widget sideways and returns how far the mouse really moved.
    float DragSideways(const std::string& label, float pixels)
    {
        ui.Hover(kWindow, label);
        const float start = ImGui::GetIO().MousePos.x;
        ui.Drag(kWindow, label, ImVec2(pixels, 0.0f));
        return ImGui::GetIO().MousePos.x - start;
    }

    // Whether the last frame drew anything in `colour` within the row of the
    // parameter: its "Delete" button spans the row's height.
    bool RowDrawsColour(const tcModifier& modifier, int varId, ImU32 colour)
    {
        const uidriver::UiItem row = ui.Find(kWindow, DeleteRow(modifier, varId));
        const ImDrawList& drawList = *row.window->DrawList;
        return std::any_of(drawList.VtxBuffer.begin(), drawList.VtxBuffer.end(), [&](const ImDrawVert& vertex) {
            return vertex.col == colour && vertex.pos.y >= row.rect.Min.y && vertex.pos.y <= row.rect.Max.y;
        });
    }

    // Whether a line the last frame displayed holds the text; the table's
    // heading row and what follows it share a line.
    bool Shows(const std::string& text) const
    {
        const std::vector<std::string> lines = ui.Texts(kWindow);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    tcModData* Live(tcModifier& modifier, int varId) { return Manager().GetTimecycleModData(modifier, varId); }
    const tcModData& Saved(int varId) { return state.selection.workingParams.at(varId); }
};

TEST_F(ParameterTableTest, DragWritesTheLiveParameterInTheSameFrame)
{
    tcModifier& modifier = MakeModifier("live_mod", { { kFogStart, 1.0f, 3.0f } });
    Select(modifier);

    // Press, then move once: the frame of the move is the one checked.
    ui.Hover(kWindow, Value1(modifier, kFogStart));
    ImGuiIO& io = ImGui::GetIO();
    io.MouseDown[0] = true;
    ui.Frame();
    io.MousePos.x += 20.0f;
    ui.Frame();

    EXPECT_FLOAT_EQ(Saved(kFogStart).value1, 3.0f);  // 20 pixels at 0.1 each
    ASSERT_NE(Live(modifier, kFogStart), nullptr);
    EXPECT_FLOAT_EQ(Live(modifier, kFogStart)->value1, 3.0f);
    io.MouseDown[0] = false;
    ui.Frame();

    const float moved = DragSideways(Value2(modifier, kFogStart), -30.0f);
    EXPECT_NEAR(Saved(kFogStart).value2, 3.0f + moved * 0.1f, 0.0011f);
    EXPECT_FLOAT_EQ(Live(modifier, kFogStart)->value2, Saved(kFogStart).value2);
    EXPECT_FLOAT_EQ(Live(modifier, kFogStart)->value1, 3.0f);
}

// The drag's speed and range follow the variable's default d: speed 0.02 and
// -1..1 for 0, otherwise |d| / 20 and -10|d|..10|d|; an end the value has
// reached moves out as the drag goes on.
struct DragRuleCase
{
    const char* name;
    int varId;
    float start;
    float speed;
    float limit;
    float afterSmallRightDrag;  // start + 40 pixels at the speed
};

void PrintTo(const DragRuleCase& param, std::ostream* out)
{
    *out << param.name;
}

class DragRuleTest : public ParameterTableTest, public testing::WithParamInterface<DragRuleCase>
{
};

TEST_P(DragRuleTest, SpeedAndRangeFollowTheDefault)
{
    const DragRuleCase& param = GetParam();
    tcModifier& modifier = MakeModifier("drag_mod", { { param.varId, param.start, param.start } });
    Select(modifier);
    const std::string label = Value1(modifier, param.varId);

    const float moved = DragSideways(label, 40.0f);
    ASSERT_EQ(moved, 40.0f);
    EXPECT_NEAR(Saved(param.varId).value1, param.afterSmallRightDrag, 0.0011f);

    // Far to the right and far to the left: the value goes on past each end
    // of the range.
    DragSideways(label, 600.0f);
    EXPECT_GT(Saved(param.varId).value1, param.limit);
    DragSideways(label, -1400.0f);
    EXPECT_LT(Saved(param.varId).value1, -param.limit);

    EXPECT_FLOAT_EQ(Live(modifier, param.varId)->value1, Saved(param.varId).value1);
    EXPECT_FLOAT_EQ(Saved(param.varId).value2, param.start);  // the other column is not touched
}

// A value at an end of the range (ten times the default) moves outward at
// the drag's speed: right raises it, left lowers it.
TEST_P(DragRuleTest, ADragOutwardFromAnEndOfTheRangeMovesTheValue)
{
    const DragRuleCase& param = GetParam();
    for (const float end : { param.limit, -param.limit })
    {
        SCOPED_TRACE(end);
        tcModifier& modifier = MakeModifier(end > 0.0f ? "at_top" : "at_bottom", { { param.varId, end, end } });
        Select(modifier);
        const float moved = DragSideways(Value1(modifier, param.varId), end > 0.0f ? 40.0f : -40.0f);
        ASSERT_EQ(std::fabs(moved), 40.0f);
        EXPECT_NEAR(Saved(param.varId).value1, end + moved * param.speed, 0.0011f);
        EXPECT_FLOAT_EQ(Live(modifier, param.varId)->value1, Saved(param.varId).value1);
    }
}

INSTANTIATE_TEST_SUITE_P(DetailPane, DragRuleTest,
                         testing::Values(DragRuleCase{ "ZeroDefault", DetailPaneTest::kZeroVar, 0.0f, 0.02f, 1.0f, 0.8f },
                                         DragRuleCase{ "PositiveDefault", DetailPaneTest::kFogStart, 2.0f, 0.1f, 20.0f, 6.0f },
                                         // Dragging right raises the value whatever the default's sign.
                                         DragRuleCase{ "NegativeDefault", DetailPaneTest::kSkyTint, -2.0f, 0.1f, 20.0f, 2.0f }),
                         [](const testing::TestParamInfo<DragRuleCase>& info) { return std::string(info.param.name); });

TEST_F(ParameterTableTest, SwitchingARowOffRemovesTheParameterAndOnRestoresItsValues)
{
    tcModifier& modifier = MakeModifier("switch_mod", { { kFogStart, 0.5f, 1.0f }, { kSkyTint, -1.0f, -1.5f } });
    Select(modifier);
    const float moved = DragSideways(Value1(modifier, kFogStart), 40.0f);
    const float edited = Saved(kFogStart).value1;
    ASSERT_NEAR(edited, 0.5f + moved * 0.1f, 0.0011f);

    ui.Click(kWindow, Check(modifier, kFogStart));

    EXPECT_EQ(Live(modifier, kFogStart), nullptr);
    EXPECT_THAT(state.selection.switchedOff, ElementsAre(kFogStart));
    EXPECT_TRUE(ui.Find(kWindow, Value1(modifier, kFogStart)).Disabled());
    EXPECT_TRUE(ui.Find(kWindow, Value2(modifier, kFogStart)).Disabled());
    EXPECT_FALSE(ui.Find(kWindow, Check(modifier, kFogStart)).Disabled());
    EXPECT_FALSE(ui.Find(kWindow, Check(modifier, kFogStart)).Checked());
    EXPECT_FALSE(ui.Find(kWindow, DeleteRow(modifier, kFogStart)).Disabled());
    // The other row is untouched.
    EXPECT_FALSE(ui.Find(kWindow, Value1(modifier, kSkyTint)).Disabled());
    EXPECT_TRUE(ui.Find(kWindow, Check(modifier, kSkyTint)).Checked());

    // A switched-off row does not drag.
    DragSideways(Value1(modifier, kFogStart), 40.0f);
    EXPECT_FLOAT_EQ(Saved(kFogStart).value1, edited);

    ui.Click(kWindow, Check(modifier, kFogStart));

    ASSERT_NE(Live(modifier, kFogStart), nullptr);
    EXPECT_FLOAT_EQ(Live(modifier, kFogStart)->value1, edited);
    EXPECT_FLOAT_EQ(Live(modifier, kFogStart)->value2, 1.0f);
    EXPECT_TRUE(state.selection.switchedOff.empty());
    EXPECT_FALSE(ui.Find(kWindow, Value1(modifier, kFogStart)).Disabled());
    EXPECT_TRUE(ui.Find(kWindow, Check(modifier, kFogStart)).Checked());
}

TEST_F(ParameterTableTest, DeleteForgetsAnEnabledRowTheHostRemoved)
{
    tcModifier& modifier = MakeModifier("delete_mod", { { kFogStart, 0.5f, 1.0f }, { kSkyTint, -1.0f, -1.5f } });
    Select(modifier);

    PressAndRelease(DeleteRow(modifier, kFogStart));

    EXPECT_EQ(Live(modifier, kFogStart), nullptr);
    ui.Frame();
    EXPECT_FALSE(RowDrawn(modifier, kFogStart));
    EXPECT_FALSE(state.selection.workingParams.contains(kFogStart));
    EXPECT_TRUE(RowDrawn(modifier, kSkyTint));
}

TEST_F(ParameterTableTest, DeleteKeepsTheRowWhenTheHostRefuses)
{
    tcModifier& modifier = MakeModifier("refusing_mod", { { kFogStart, 0.5f, 1.0f } });
    Select(modifier);
    // The parameter goes behind the editor's back; the row stays enabled and
    // the host has nothing left to remove.
    ASSERT_TRUE(Manager().RemoveTimecycleModData(modifier, std::string("fog_start")));
    ui.Frame();
    ASSERT_TRUE(RowDrawn(modifier, kFogStart));

    ui.Click(kWindow, DeleteRow(modifier, kFogStart));

    EXPECT_TRUE(RowDrawn(modifier, kFogStart));
    EXPECT_TRUE(state.selection.workingParams.contains(kFogStart));
}

TEST_F(ParameterTableTest, DeleteForgetsASwitchedOffRow)
{
    tcModifier& modifier = MakeModifier("off_mod", { { kFogStart, 0.5f, 1.0f } });
    Select(modifier);
    ui.Click(kWindow, Check(modifier, kFogStart));
    ASSERT_EQ(Live(modifier, kFogStart), nullptr);

    ui.Click(kWindow, DeleteRow(modifier, kFogStart));

    EXPECT_FALSE(RowDrawn(modifier, kFogStart));
    EXPECT_TRUE(state.selection.workingParams.empty());
    EXPECT_TRUE(state.selection.switchedOff.empty());
    EXPECT_EQ(Live(modifier, kFogStart), nullptr);
}

TEST_F(ParameterTableTest, DeleteOnASwitchedOffRowAddedBackRemovesItFromTheHostAndForgetsTheMark)
{
    tcModifier& modifier = MakeModifier("back_mod", { { kFogStart, 0.5f, 1.0f } });
    Select(modifier);
    ui.Click(kWindow, Check(modifier, kFogStart));
    // The game gives it back while the row is switched off.
    Manager().AddTimecycleModData(modifier, "fog_start");
    ui.Frame();
    ASSERT_NE(Live(modifier, kFogStart), nullptr);
    ASSERT_TRUE(ui.Find(kWindow, Value1(modifier, kFogStart)).Disabled());

    ui.Click(kWindow, DeleteRow(modifier, kFogStart));

    EXPECT_EQ(Live(modifier, kFogStart), nullptr);
    EXPECT_FALSE(RowDrawn(modifier, kFogStart));
    EXPECT_TRUE(state.selection.workingParams.empty());
    EXPECT_TRUE(state.selection.switchedOff.empty());
}

TEST_F(ParameterTableTest, FilterNarrowsTheRowsInAnyCaseAndOffersToClearAnEmptyResult)
{
    tcModifier& modifier = MakeModifier("filter_mod", { { kFogDensity, 0.1f, 0.1f },
                                                        { kFogStart, 0.5f, 1.0f },
                                                        { kSkyTint, -1.0f, -1.5f },
                                                        { kWaterFogDensity, 0.2f, 0.2f } });
    Select(modifier);

    ui.SetText(kWindow, "##detail_filter_param", "FOG");
    EXPECT_TRUE(RowDrawn(modifier, kFogDensity));
    EXPECT_TRUE(RowDrawn(modifier, kFogStart));
    EXPECT_TRUE(RowDrawn(modifier, kWaterFogDensity));
    EXPECT_FALSE(RowDrawn(modifier, kSkyTint));
    EXPECT_FALSE(Shows("No parameters found"));

    ui.SetText(kWindow, "##detail_filter_param", "cloud");
    EXPECT_FALSE(RowDrawn(modifier, kFogDensity));
    EXPECT_TRUE(Shows("No parameters found"));

    ui.Click(kWindow, "Clear filter query");

    EXPECT_STREQ(state.paramFilter, "");
    EXPECT_FALSE(ui.Exists(kWindow, "Clear filter query"));
    EXPECT_FALSE(Shows("No parameters found"));
    EXPECT_TRUE(RowDrawn(modifier, kSkyTint));
    EXPECT_TRUE(RowDrawn(modifier, kFogDensity));
}

TEST_F(ParameterTableTest, ModifierWithoutParametersShowsNoMessageWithoutAFilter)
{
    Select(MakeModifier("bare_mod"));

    EXPECT_FALSE(Shows("No parameters found"));
    EXPECT_FALSE(ui.Exists(kWindow, "Clear filter query"));
    EXPECT_TRUE(Shows("| Var | Name | Default | Value 1 | Value 2 |"));
}

TEST_F(ParameterTableTest, EachClearButtonEmptiesOnlyItsOwnField)
{
    Select(MakeModifier("clear_mod", { { kFogStart, 0.5f, 1.0f } }));
    ui.SetText(kWindow, "##detail_filter_param", "fog");
    ui.SetText(kWindow, "##input", "sky");

    // Drawn in order: the filter's, then the variable's.
    ui.Click(kWindow, "Clear", 0);
    EXPECT_STREQ(state.paramFilter, "");
    EXPECT_STREQ(state.varInput, "sky");

    ui.SetText(kWindow, "##detail_filter_param", "fog");
    ui.Click(kWindow, "Clear", 1);
    EXPECT_STREQ(state.varInput, "");
    EXPECT_STREQ(state.paramFilter, "fog");
}

TEST_F(ParameterTableTest, NamesMatchingTheBrowsersParameterQueryAreHighlightedInAnyCase)
{
    tcModifier& modifier = MakeModifier("light_mod", { { kFogDensity, 0.1f, 0.1f },
                                                       { kFogStart, 0.5f, 1.0f },
                                                       { kSkyTint, -1.0f, -1.5f } });
    Select(modifier);
    EXPECT_FALSE(RowDrawsColour(modifier, kFogDensity, kHighlight));

    ui.SetText(kWindow, "##controls_search_param", "FoG");

    EXPECT_TRUE(RowDrawsColour(modifier, kFogDensity, kHighlight));
    EXPECT_TRUE(RowDrawsColour(modifier, kFogStart, kHighlight));
    EXPECT_FALSE(RowDrawsColour(modifier, kSkyTint, kHighlight));
    // Only the name: the rest of the row keeps the text colour.
    EXPECT_TRUE(RowDrawsColour(modifier, kSkyTint, ImGui::GetColorU32(ImGuiCol_Text)));
}

TEST_F(ParameterTableTest, ANameClippedByItsColumnShowsWholeInATooltip)
{
    tcModifier& modifier = MakeModifier("names_mod", { { kFogStart, 1.0f, 1.0f }, { kLongVar, 1.0f, 1.0f } });
    Select(modifier);

    for (const auto& [varId, name, tooltip] : { std::tuple{ kLongVar, LongVarName(), true },
                                                std::tuple{ kFogStart, std::string("fog_start"), false } })
    {
        SCOPED_TRACE(name);
        // Over the name's cell: the "Name" column of the table, in the row of
        // the parameter's "Delete" button.
        const ImGuiTable* table = GImGui->Tables.GetByIndex(0);
        ASSERT_NE(table, nullptr);
        const uidriver::UiItem row = ui.Find(kWindow, DeleteRow(modifier, varId));
        ui.MoveMouse(ImVec2(table->Columns[1].MinX + 10.0f, (row.rect.Min.y + row.rect.Max.y) / 2.0f));

        const std::vector<std::string> lines = ui.Texts(kWindow);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), name), tooltip ? 1 : 0);
    }
}
