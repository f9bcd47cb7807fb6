#include "PanelFixture.h"

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct LabelCase
{
    const char* query;
    const char* label;  // the label of the widget it must find
};

class UiDriverFindByLabel : public UiDriverPanel, public ::testing::WithParamInterface<LabelCase>
{
};

TEST_P(UiDriverFindByLabel, FindsTheOneWidget)
{
    const UiItem item = ui.Find(kPanel, GetParam().query);
    EXPECT_EQ(item.label, GetParam().label);
    EXPECT_STREQ(item.TopWindowName(), kPanel);
}

INSTANTIATE_TEST_SUITE_P(Queries, UiDriverFindByLabel,
                         ::testing::Values(LabelCase{ "Create", "Create" },              // visible label
                                           LabelCase{ "##name", "##name" },              // hidden label
                                           LabelCase{ "OK##second", "OK##second" },      // full label
                                           LabelCase{ "##first", "OK##first" },          // its "##" part
                                           LabelCase{ "Speed", "Speed" },
                                           LabelCase{ "Leaf node", "Leaf node" }));

TEST_F(UiDriverPanel, FindsAWidgetThatNeverDescribesItselfByItsIdString)
{
    const UiItem splitter = ui.Find(kPanel, "##Splitter");
    EXPECT_TRUE(splitter.label.empty());
    EXPECT_FLOAT_EQ(splitter.rect.GetWidth(), 8.0f);
    EXPECT_FLOAT_EQ(splitter.rect.GetHeight(), 30.0f);
}

TEST_F(UiDriverPanel, ItemsTellTheirWindowStateAndFlags)
{
    ui.Frame();
    EXPECT_TRUE(ui.Find(kPanel, "Locked").Disabled());
    EXPECT_FALSE(ui.Find(kPanel, "Create").Disabled());
    EXPECT_FALSE(ui.Find(kPanel, "Enabled").Checked());

    panel.enabled = true;
    ui.Frame();
    EXPECT_TRUE(ui.Find(kPanel, "Enabled").Checked());

    const UiItem item = ui.Find(kPanel, "Item 0");
    EXPECT_THAT(item.WindowName(), StartsWith("Test Panel/items_"));
    EXPECT_STREQ(item.TopWindowName(), kPanel);
}

TEST_F(UiDriverPanel, ASharedLabelIsAmbiguousUntilAnIndexPicksOne)
{
    const std::string message = ErrorOf([&] { ui.Click(kPanel, "OK"); });
    EXPECT_THAT(message, AllOf(HasSubstr("\"OK\""), HasSubstr("ambiguous"), HasSubstr("\"OK##first\""),
                               HasSubstr("\"OK##second\"")));
    EXPECT_EQ(panel.firstOk + panel.secondOk, 0);

    EXPECT_EQ(ui.Find(kPanel, "OK", 1).label, "OK##second");
    ui.Click(kPanel, "OK", 1);
    EXPECT_EQ(panel.secondOk, 1);
    EXPECT_EQ(panel.firstOk, 0);

    EXPECT_THROW(ui.Find(kPanel, "OK", 2), UiDriverError);
    EXPECT_THROW(ui.Find(kPanel, "OK", -2), UiDriverError);
}

TEST_F(UiDriverPanel, TheSameLabelInAnotherWindowIsAnotherWidget)
{
    ui.Click("Other Window", "Create");
    EXPECT_EQ(panel.otherCreated, 1);
    EXPECT_EQ(panel.created, 0);
}

TEST_F(UiDriverPanel, ExistsLooksAtTheLastFrameOnly)
{
    ui.Frame();
    EXPECT_TRUE(ui.Exists(kPanel, "Create"));
    EXPECT_TRUE(ui.Exists(kPanel, "Row 0"));
    EXPECT_FALSE(ui.Exists(kPanel, "Row 400"));  // not drawn yet
    EXPECT_FALSE(ui.Exists("Other Window", "OK"));
    EXPECT_FALSE(ui.Exists("Nowhere", "Create"));
}

TEST_F(UiDriverPanel, AMissingWidgetNamesWhatWasLookedForAndWhatWasThere)
{
    const std::string message = ErrorOf([&] { ui.Click(kPanel, "Destroy"); });
    EXPECT_THAT(message, AllOf(HasSubstr("\"Destroy\""), HasSubstr("\"Test Panel\""), HasSubstr("not found"),
                               HasSubstr("\"Create\""), HasSubstr("\"Enabled\""), HasSubstr("\"##name\""),
                               HasSubstr("window \"Other Window\""), HasSubstr("unlabelled")));
}

TEST_F(UiDriverPanel, AMissingWindowIsSaidSo)
{
    const std::string message = ErrorOf([&] { ui.Click("Nowhere", "Create"); });
    EXPECT_THAT(message, AllOf(HasSubstr("\"Nowhere\""), HasSubstr("window is not drawn"), HasSubstr("\"Test Panel\"")));
}

TEST_F(UiDriverPanel, ARowNotDrawnYetIsFoundFurtherDownTheList)
{
    ui.Frame();
    ASSERT_FALSE(ui.Exists(kPanel, "Row 420"));

    ui.Click(kPanel, "Row 420");
    EXPECT_EQ(panel.selectedRow, 420);
    ui.MoveMouse(ImVec2(1500, 900));
    EXPECT_TRUE(ui.Find(kPanel, "Row 420").highlighted);
    EXPECT_FALSE(ui.Find(kPanel, "Row 421").highlighted);

    // Rows above the view are not drawn either: the search comes back up.
    ASSERT_FALSE(ui.Exists(kPanel, "Row 3"));
    ui.Click(kPanel, "Row 3");
    EXPECT_EQ(panel.selectedRow, 3);
}

TEST_F(UiDriverPanel, ARowThatIsNowhereInTheListFailsAfterTheSearch)
{
    const std::string message = ErrorOf([&] { ui.Find(kPanel, "Row 900"); });
    EXPECT_THAT(message, AllOf(HasSubstr("\"Row 900\""), HasSubstr("further down its scrolled lists")));
}

TEST_F(UiDriverPanel, AWidgetOutOfViewIsScrolledIntoViewBeforeTheClick)
{
    ui.Frame();
    const UiItem before = ui.Find(kPanel, "Item 55");
    EXPECT_FALSE(before.InView());

    ui.Click(kPanel, "Item 55");
    EXPECT_EQ(panel.clickedItem, 55);
    EXPECT_GT(panel.itemsScroll, 0.0f);
    EXPECT_TRUE(ui.Find(kPanel, "Item 55").InView());

    ui.Click(kPanel, "Item 0");
    EXPECT_EQ(panel.clickedItem, 0);
    EXPECT_EQ(panel.itemsScroll, 0.0f);
}

TEST_F(UiDriverPanel, ASelectedTreeNodeIsHighlighted)
{
    ui.Frame();
    EXPECT_FALSE(ui.Find(kPanel, "Leaf node").highlighted);

    ui.Click(kPanel, "Leaf node");
    ASSERT_TRUE(panel.leafSelected);
    ui.MoveMouse(ImVec2(1500, 900));  // off every window: no hover colour
    EXPECT_TRUE(ui.Find(kPanel, "Leaf node").highlighted);
    EXPECT_FALSE(ui.Find(kPanel, "Row 1").highlighted);
}
