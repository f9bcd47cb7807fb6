#include "PanelFixture.h"

TEST_F(PanelTest, AClickPressesAButtonOnce)
{
    ui.Click(kPanel, "Create");
    EXPECT_EQ(panel.created, 1);
    ui.Click(kPanel, "Create");
    EXPECT_EQ(panel.created, 2);
}

TEST_F(PanelTest, AClickTogglesACheckbox)
{
    ui.Click(kPanel, "Enabled");
    EXPECT_TRUE(panel.enabled);
    EXPECT_TRUE(ui.Find(kPanel, "Enabled").Checked());
    ui.Click(kPanel, "Enabled");
    EXPECT_FALSE(panel.enabled);
}

TEST_F(PanelTest, ADisabledButtonIgnoresTheClick)
{
    ui.Click(kPanel, "Locked");
    EXPECT_EQ(panel.lockedPresses, 0);
}

TEST_F(PanelTest, ADoubleClickIsOneDoubleClick)
{
    ui.DoubleClick(kPanel, "Double-click me");
    EXPECT_EQ(panel.doubleClicks, 1);
}

TEST_F(PanelTest, TwoClicksInARowAreNotADoubleClick)
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

class DragFloat : public PanelTest, public ::testing::WithParamInterface<DragCase>
{
};

TEST_P(DragFloat, MovesTheValueByTheDistance)
{
    ui.Drag(kPanel, "Speed", ImVec2(GetParam().dx, 0));
    EXPECT_FLOAT_EQ(panel.speed, GetParam().expected);  // speed 1 per pixel
}

INSTANTIATE_TEST_SUITE_P(Offsets, DragFloat,
                         ::testing::Values(DragCase{ 60, 60 }, DragCase{ -45, -45 }, DragCase{ 200, 200 }));

TEST_F(PanelTest, DragsAWidgetFoundByItsIdString)
{
    ui.Drag(kPanel, "##grip", ImVec2(40, 0));
    EXPECT_FLOAT_EQ(panel.gripOffset, 40.0f);
}

TEST_F(PanelTest, HoverShowsATooltip)
{
    ui.Hover(kPanel, "Enabled");
    EXPECT_THAT(ui.Texts(), ::testing::Contains("Turns the panel on"));
    ui.MoveMouse(ImVec2(1500, 900));
    EXPECT_THAT(ui.Texts(), ::testing::Not(::testing::Contains("Turns the panel on")));
}
