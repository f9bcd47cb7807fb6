// What the game applies, marked in the browser: the P, T and I tags after the
// names in the list, "Select" on the rows that name the applied modifiers,
// and the hints of the search fields.
#include "EditorOverSmallGame.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <string>

using namespace tceditor;

namespace
{
constexpr ImU32 kPrimaryTag = IM_COL32(70, 160, 90, 255);
constexpr ImU32 kTransitionTag = IM_COL32(70, 120, 200, 255);
constexpr ImU32 kInteriorTag = IM_COL32(150, 90, 190, 255);
constexpr ImU32 kTags[3] = { kPrimaryTag, kTransitionTag, kInteriorTag };

class AppliedMarks : public EditorOverSmallGame
{
protected:
    // The tags drawn on the line of the list row, left of nothing but the row's
    // end: which of P, T, I.
    std::vector<ImU32> TagsOn(const std::string& row)
    {
        const uidriver::UiItem item = ui.Find(kWindow, row);
        const ImDrawList& drawList = *item.window->DrawList;
        std::vector<ImU32> found;
        for (ImU32 tag : kTags)
        {
            const bool drawn = std::any_of(drawList.VtxBuffer.begin(), drawList.VtxBuffer.end(), [&](const ImDrawVert& v) {
                return v.col == tag && v.pos.y >= item.rect.Min.y && v.pos.y <= item.rect.Max.y &&
                       v.pos.x >= item.rect.Max.x;
            });
            if (drawn)
                found.push_back(tag);
        }
        return found;
    }
};
}

TEST_F(AppliedMarks, TagsFollowWhatTheGameApplies)
{
    using testing::ElementsAre;
    using testing::IsEmpty;
    ui.Frame();
    for (const std::string& name : AllNames())
        EXPECT_THAT(TagsOn(name), IsEmpty()) << name;

    Script().primaryIndex = IndexOf(foggy);
    Script().transitionIndex = IndexOf(foggy);
    ui.Frame();
    EXPECT_THAT(TagsOn("Foggy_Morning"), ElementsAre(kPrimaryTag, kTransitionTag));
    // The rows keep their names as labels.
    EXPECT_EQ(ListedRows(), AllNames());

    Script().transitionIndex = IndexOf(vault);
    ui.Frame();
    EXPECT_THAT(TagsOn("Foggy_Morning"), ElementsAre(kPrimaryTag));
    EXPECT_THAT(TagsOn("vault_dark"), ElementsAre(kTransitionTag));
    EXPECT_THAT(TagsOn("sunny_day"), IsEmpty());

    // Inside an interior room the selection applied replaces the room's.
    timecycle::SetInsideInteriorRoom(true);
    state.SelectFromBrowser(*foggy);
    state.applySelected = true;
    ui.Frame(2);
    EXPECT_THAT(TagsOn("Foggy_Morning"), ElementsAre(kInteriorTag));
    EXPECT_THAT(TagsOn("vault_dark"), ElementsAre(kTransitionTag));
    timecycle::SetInsideInteriorRoom(false);
}

TEST_F(AppliedMarks, ATagSaysWhatItMeansUnderTheMouse)
{
    Script().transitionIndex = IndexOf(underwater);
    ui.Frame();
    const uidriver::UiItem row = ui.Find(kWindow, "underwater");
    const float fontSize = ImGui::GetFontSize();
    ui.MoveMouse(ImVec2(row.rect.Max.x + fontSize * 0.6f, (row.rect.Min.y + row.rect.Max.y) / 2));
    EXPECT_TRUE(ShowsPart("Applied as the transition modifier"));
}

struct SelectCase
{
    const char* name;
    const char* rowText;
    bool interior;
};

void PrintTo(const SelectCase& param, std::ostream* out)
{
    *out << param.name;
}

class SelectFromAppliedRow : public AppliedMarks, public testing::WithParamInterface<SelectCase>
{
};

TEST_P(SelectFromAppliedRow, SelectsTheModifierAndScrollsTheListToIt)
{
    // Enough modifiers that the applied one starts out of view.
    for (int i = 0; i < 150; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "filler_%03d", i);
        smallgame::AddModifier(name);
    }
    tcModifier& last = smallgame::AddModifier("last_applied");
    const int index = IndexOf(&last);
    ui.CaptureTexts(false);
    if (GetParam().interior)
    {
        // The interior row names the selection, applied inside a room; the
        // list was scrolled away from it.
        timecycle::SetInsideInteriorRoom(true);
        state.SelectFromBrowser(last);
        state.applySelected = true;
        ui.Frame(2);
        ui.Find(kWindow, "filler_000");
    }
    else
    {
        Script().primaryIndex = index;
        Script().transitionIndex = index;
        ui.Frame(2);
    }
    ASSERT_FALSE(ui.Exists(kWindow, "last_applied"));

    ui.RightClick(kWindow, GetParam().rowText);
    ui.Click(kWindow, "Select");
    ui.Frame();
    EXPECT_EQ(state.selection.Name(), "last_applied");
    ASSERT_TRUE(ui.Exists(kWindow, "last_applied"));
    const auto row = std::find_if(ui.Items().begin(), ui.Items().end(),
                                  [](const uidriver::UiItem& item) { return item.label == "last_applied"; });
    EXPECT_TRUE(row->InView());
    timecycle::SetInsideInteriorRoom(false);
}

INSTANTIATE_TEST_SUITE_P(Rows, SelectFromAppliedRow,
                         testing::Values(SelectCase{ "Primary", "Primary modifier: last_applied", false },
                                         SelectCase{ "Transition", "Transition modifier: last_applied", false },
                                         SelectCase{ "Interior", "Interior modifier: last_applied", true }),
                         [](const testing::TestParamInfo<SelectCase>& info) { return info.param.name; });

TEST_F(AppliedMarks, NothingAppliedOffersNoSelect)
{
    ui.Frame();
    EXPECT_TRUE(Shows("Primary modifier: NONE"));
    EXPECT_THROW(ui.RightClick(kWindow, "Primary modifier: NONE"), uidriver::UiDriverError);
}

TEST_F(AppliedMarks, EmptySearchFieldsShowTheirHints)
{
    ui.Frame();
    EXPECT_TRUE(ShowsPart("name contains..."));
    EXPECT_TRUE(ShowsPart("parameter contains..."));
    ui.Type(kWindow, "##controls_search_name", "fog");
    ui.MoveMouse(ImVec2(1590.0f, 990.0f));
    EXPECT_FALSE(ShowsPart("name contains..."));
    EXPECT_TRUE(ShowsPart("{ fog }"));
    EXPECT_TRUE(ShowsPart("parameter contains..."));
}
