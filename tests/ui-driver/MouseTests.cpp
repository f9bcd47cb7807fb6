#include "PanelFixture.h"

TEST_F(UiDriverPanel, AClickPressesAButtonOnce)
{
    ui.Click(kPanel, "Create");
    EXPECT_EQ(panel.created, 1);
    ui.Click(kPanel, "Create");
    EXPECT_EQ(panel.created, 2);
}

TEST_F(UiDriverPanel, AClickTogglesACheckbox)
{
    ui.Click(kPanel, "Enabled");
    EXPECT_TRUE(panel.enabled);
    EXPECT_TRUE(ui.Find(kPanel, "Enabled").Checked());
    EXPECT_THAT(ui.Texts(kPanel), ::testing::Contains("[x] Enabled"));
    ui.Click(kPanel, "Enabled");
    EXPECT_FALSE(panel.enabled);
    EXPECT_THAT(ui.Texts(kPanel), ::testing::Contains("[ ] Enabled"));
}

TEST_F(UiDriverPanel, ADisabledButtonIgnoresTheClick)
{
    ui.Click(kPanel, "Locked");
    EXPECT_EQ(panel.lockedPresses, 0);
}

TEST_F(UiDriverPanel, ADoubleClickIsOneDoubleClick)
{
    ui.DoubleClick(kPanel, "Double-click me");
    EXPECT_EQ(panel.doubleClicks, 1);
}

TEST_F(UiDriverPanel, TwoClicksInARowAreNotADoubleClick)
{
    ui.Click(kPanel, "Double-click me");
    ui.Click(kPanel, "Double-click me");
    EXPECT_EQ(panel.doubleClicks, 0);
}

struct DragCase
{
    float dx;
    float expected;
};

class UiDriverDragFloat : public UiDriverPanel, public ::testing::WithParamInterface<DragCase>
{
};

TEST_P(UiDriverDragFloat, MovesTheValueByTheDistance)
{
    ui.Drag(kPanel, "Speed", ImVec2(GetParam().dx, 0));
    EXPECT_FLOAT_EQ(panel.speed, GetParam().expected);  // speed 1 per pixel
}

INSTANTIATE_TEST_SUITE_P(Offsets, UiDriverDragFloat,
                         ::testing::Values(DragCase{ 60, 60 }, DragCase{ -45, -45 }, DragCase{ 200, 200 }));

struct SplitterCase
{
    float dx;
    float left;
};

class UiDriverSplitter : public UiDriverPanel, public ::testing::WithParamInterface<SplitterCase>
{
};

TEST_P(UiDriverSplitter, IsDraggedByItsIdStringWithinItsBounds)
{
    ui.Drag(kPanel, "##Splitter", ImVec2(GetParam().dx, 0));
    EXPECT_FLOAT_EQ(panel.leftWidth, GetParam().left);
    EXPECT_FLOAT_EQ(panel.leftWidth + panel.rightWidth, 500.0f);
}

INSTANTIATE_TEST_SUITE_P(Offsets, UiDriverSplitter,
                         ::testing::Values(SplitterCase{ 40, 240 }, SplitterCase{ -150, 50 }, SplitterCase{ -1000, 8 },
                                           SplitterCase{ 1000, 492 }));

TEST_F(UiDriverPanel, HoverShowsATooltip)
{
    ui.Hover(kPanel, "Enabled");
    EXPECT_THAT(ui.Texts(), ::testing::Contains("Turns the panel on"));
    ui.MoveMouse(ImVec2(1500, 900));
    EXPECT_THAT(ui.Texts(), ::testing::Not(::testing::Contains("Turns the panel on")));
}
