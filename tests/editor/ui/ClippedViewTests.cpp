// The parameter table and the variable suggestions as the game shows them:
// without the driver's text capture the list clipper draws only what is in
// view. Over a game of many variables: rows and suggestions scrolled into view
// are drawn and work, the table keeps its order, filter and highlight, and
// what the game changes behind the editor's back reaches the rows.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace tceditor;

class ClippedViewTest : public DetailPaneTest
{
protected:
    static constexpr int kManyVariables = 120;

    void SetUp() override
    {
        DetailPaneTest::SetUp();
        // The small table is replaced by one of many variables: param_000,
        // param_001, ... with defaults 1.0.
        std::vector<std::string> names;
        for (int i = 0; i < kManyVariables; ++i)
            names.push_back(Name(i));
        std::vector<smallgame::Variable> variables;
        for (const std::string& name : names)
            variables.push_back({ name.c_str(), 1.0f });
        smallgame::LoadVariables(variables, m_folder / "many-variables.xml");
        ui.CaptureTexts(false);
    }

    static std::string Name(int varId)
    {
        char name[16];
        std::snprintf(name, sizeof name, "param_%03d", varId);
        return name;
    }

    // A modifier with every variable, given to the game in descending var id
    // order, each with value1 = var id.
    tcModifier& ModifierWithEveryVariable()
    {
        tcModifier& modifier = MakeModifier("many_mod");
        for (int varId = kManyVariables - 1; varId >= 0; --varId)
        {
            EXPECT_TRUE(Manager().AddTimecycleModData(modifier, Name(varId)));
            Manager().GetTimecycleModData(modifier, varId)->value1 = static_cast<float>(varId);
        }
        return modifier;
    }

    // The var ids of the table rows the last frame drew, in drawing order.
    std::vector<int> DrawnRows(const tcModifier& modifier) const
    {
        std::vector<int> rows;
        for (const uidriver::UiItem& item : ui.Items())
            for (int varId = 0; varId < kManyVariables; ++varId)
                if (item.label == DeleteRow(modifier, varId))
                    rows.push_back(varId);
        return rows;
    }

    // The widget the last frame drew with this label in the window, without
    // scrolling to look for it.
    const uidriver::UiItem* Drawn(std::string_view window, const std::string& label) const
    {
        for (const uidriver::UiItem& item : ui.Items())
            if (item.TopWindowName() == window && item.label == label)
                return &item;
        return nullptr;
    }

    tcModData* Live(tcModifier& modifier, int varId) { return Manager().GetTimecycleModData(modifier, varId); }
};

TEST_F(ClippedViewTest, TableDrawsOnlyTheRowsInViewAndRowsScrolledIntoViewAreEditable)
{
    tcModifier& modifier = ModifierWithEveryVariable();
    Select(modifier);
    const std::vector<int> first = DrawnRows(modifier);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front(), 0);
    EXPECT_LT(first.size(), 40u);
    EXPECT_FALSE(RowDrawn(modifier, kManyVariables - 1));

    // Finding the last row scrolls the pane down to it.
    ui.EnterValue(kWindow, Value1(modifier, kManyVariables - 1), "2.5");
    EXPECT_FLOAT_EQ(Live(modifier, kManyVariables - 1)->value1, 2.5f);
    EXPECT_TRUE(ui.Find(kWindow, Value1(modifier, kManyVariables - 1)).InView());
    // The clipper submits the first row in every frame, to measure it.
    EXPECT_FALSE(RowDrawn(modifier, 1));

    const std::string middle = Value2(modifier, 60);
    ui.Drag(kWindow, middle, ImVec2(40.0f, 0.0f));
    EXPECT_GT(Live(modifier, 60)->value2, 1.0f);
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(60).value2, Live(modifier, 60)->value2);

    ui.Click(kWindow, Check(modifier, 61));
    EXPECT_EQ(Live(modifier, 61), nullptr);
    ui.Click(kWindow, DeleteRow(modifier, 62));
    EXPECT_EQ(Live(modifier, 62), nullptr);
    EXPECT_FALSE(RowDrawn(modifier, 62));
    EXPECT_FALSE(state.selection.workingParams.contains(62));
}

TEST_F(ClippedViewTest, RowsKeepAscendingVarIdOrderWhereverThePaneIsScrolled)
{
    tcModifier& modifier = ModifierWithEveryVariable();
    Select(modifier);

    for (int target : { 0, 45, 90, kManyVariables - 1 })
    {
        SCOPED_TRACE(target);
        ui.Hover(kWindow, Check(modifier, target));
        const std::vector<int> rows = DrawnRows(modifier);
        ASSERT_FALSE(rows.empty());
        // One unbroken run of var ids, ascending from the top.
        for (size_t i = 1; i < rows.size(); ++i)
            EXPECT_EQ(rows[i], rows[i - 1] + 1);
        EXPECT_LE(rows.front(), target);
        EXPECT_GE(rows.back(), target);
    }
}

TEST_F(ClippedViewTest, FilterAndHighlightApplyToRowsScrolledIntoView)
{
    tcModifier& modifier = ModifierWithEveryVariable();
    Select(modifier);

    // param_100 .. param_119 pass; more than the view holds.
    ui.SetText(kWindow, "##detail_filter_param", "PARAM_1");
    std::vector<int> rows = DrawnRows(modifier);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), 100);
    EXPECT_FALSE(RowDrawn(modifier, 99));

    ui.SetText(kWindow, "##controls_search_param", "param_11");
    ui.Hover(kWindow, Check(modifier, 119));
    rows = DrawnRows(modifier);
    EXPECT_GE(rows.front(), 100);
    EXPECT_EQ(rows.back(), 119);

    const uidriver::UiItem row = ui.Find(kWindow, DeleteRow(modifier, 119));
    const ImDrawList& drawList = *row.window->DrawList;
    const auto drawsHighlight = [&](const uidriver::UiItem& item) {
        return std::any_of(drawList.VtxBuffer.begin(), drawList.VtxBuffer.end(), [&](const ImDrawVert& vertex) {
            return vertex.col == IM_COL32(81, 179, 236, 255) && vertex.pos.y >= item.rect.Min.y &&
                   vertex.pos.y <= item.rect.Max.y;
        });
    };
    EXPECT_TRUE(drawsHighlight(row));
    if (RowDrawn(modifier, 109))
    {
        EXPECT_FALSE(drawsHighlight(ui.Find(kWindow, DeleteRow(modifier, 109))));
    }

    ui.SetText(kWindow, "##detail_filter_param", "param_05");
    rows = DrawnRows(modifier);
    ASSERT_FALSE(rows.empty());
    for (int varId : rows)
        EXPECT_THAT(varId, testing::AllOf(testing::Ge(50), testing::Le(59)));
}

TEST_F(ClippedViewTest, WhatTheGameChangesBehindTheEditorsBackReachesRowsScrolledIntoView)
{
    tcModifier& modifier = MakeModifier("growing_mod", { { 0, 0.5f, 0.5f } });
    Select(modifier);

    // A parameter the game adds gets a row, and a value it writes while the
    // row is out of view is the one the row shows and drags from.
    for (int varId = 1; varId < kManyVariables; ++varId)
        ASSERT_TRUE(Manager().AddTimecycleModData(modifier, Name(varId)));
    ui.Frame();
    Live(modifier, kManyVariables - 1)->value1 = 7.0f;
    ui.Frame();
    EXPECT_FALSE(RowDrawn(modifier, kManyVariables - 1));

    ui.Hover(kWindow, Value1(modifier, kManyVariables - 1));
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(kManyVariables - 1).value1, 7.0f);
    ui.Drag(kWindow, Value1(modifier, kManyVariables - 1), ImVec2(20.0f, 0.0f));
    EXPECT_GT(Live(modifier, kManyVariables - 1)->value1, 7.0f);

}

// Enter on a suggestion adds the variable at once; its row, at the end of a
// long table, is scrolled into view and highlighted for a moment.
TEST_F(ClippedViewTest, EnterOnASuggestionAddsItsRowInViewAndHighlightedForAMoment)
{
    tcModifier& modifier = MakeModifier("adding_mod");
    const int last = kManyVariables - 1;
    for (int varId = 0; varId < last; ++varId)
        ASSERT_TRUE(Manager().AddTimecycleModData(modifier, Name(varId)));
    Select(modifier);
    ASSERT_FALSE(RowDrawn(modifier, last - 1));
    const auto highlighted = [&] {
        const uidriver::UiItem* row = Drawn(kWindow, DeleteRow(modifier, last));
        if (!row)
            return false;
        // The row's background reaches past its "Delete" button by the
        // cell's padding.
        const float padding = ImGui::GetStyle().CellPadding.y + 1.0f;
        const ImVector<ImDrawVert>& vertices = row->window->DrawList->VtxBuffer;
        return std::any_of(vertices.begin(), vertices.end(), [&](const ImDrawVert& vertex) {
            return vertex.col == IM_COL32(46, 110, 62, 255) && vertex.pos.y >= row->rect.Min.y - padding &&
                   vertex.pos.y <= row->rect.Max.y + padding;
        });
    };

    ui.Type(kWindow, "##input", "param_11");
    ASSERT_EQ(Suggestions(), std::vector<std::string>{ Name(last) });
    ui.Key("down");
    ui.Key("enter");
    ui.Frame(2);

    ASSERT_NE(Live(modifier, last), nullptr);
    EXPECT_STREQ(state.varInput, "");
    const uidriver::UiItem* row = Drawn(kWindow, DeleteRow(modifier, last));
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(row->InView());
    EXPECT_TRUE(highlighted());

    ui.Frame(120);  // two seconds of frames
    EXPECT_TRUE(Drawn(kWindow, DeleteRow(modifier, last)));
    EXPECT_FALSE(highlighted());
}

TEST_F(ClippedViewTest, SuggestionsScrolledIntoViewAreDrawnAndTaken)
{
    Select(MakeModifier("suggest_mod", { { 3, 1.0f, 1.0f } }));
    ui.Type(kWindow, "##input", "param");
    const std::vector<std::string> shown = Suggestions();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), Name(0));
    EXPECT_LT(shown.size(), 60u);
    EXPECT_THAT(shown, testing::Not(testing::Contains(Name(3))));

    ui.Click("##popup", Name(kManyVariables - 1));

    EXPECT_STREQ(state.varInput, Name(kManyVariables - 1).c_str());
    EXPECT_FALSE(PopupDrawn());
}

TEST_F(ClippedViewTest, DownThroughManySuggestionsKeepsTheHighlightedOneInView)
{
    tcModifier& modifier = MakeModifier("keys_mod");
    Select(modifier);
    ui.Type(kWindow, "##input", "param");
    constexpr int kPresses = 70;
    for (int i = 0; i < kPresses; ++i)
        ui.Key("down");

    const uidriver::UiItem* highlighted = Drawn("##popup", Name(kPresses - 1));
    ASSERT_NE(highlighted, nullptr);
    EXPECT_TRUE(highlighted->InView());
    EXPECT_TRUE(highlighted->highlighted);
    EXPECT_EQ(Drawn("##popup", Name(0)), nullptr);

    ui.Key("enter");
    EXPECT_NE(Live(modifier, kPresses - 1), nullptr);
    EXPECT_STREQ(state.varInput, "");
    EXPECT_FALSE(PopupDrawn());
}

TEST_F(ClippedViewTest, AValueBeingTypedOutlivesScrollingItsRowOutOfView)
{
    tcModifier& modifier = ModifierWithEveryVariable();
    Select(modifier);
    const std::string label = Value1(modifier, 2);

    BeginTypedValue(label);
    ASSERT_TRUE(ImGui::TempInputIsActive(ui.Find(kWindow, label).id));
    ui.Key("ctrl+a");
    ImGui::GetIO().AddInputCharactersUTF8("4.5");
    ui.Frame();

    ui.Hover(kWindow, Check(modifier, 100));
    ASSERT_FALSE(RowDrawn(modifier, 3));
    ui.Key("enter");

    EXPECT_FLOAT_EQ(Live(modifier, 2)->value1, 4.5f);
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(2).value1, 4.5f);
}
