#include "PanelFixture.h"

using ::testing::Contains;
using ::testing::Not;

TEST_F(UiDriverPanel, TextsShowWhatTheFrameDisplayed)
{
    ui.Frame();
    EXPECT_THAT(ui.Texts(), Contains("Created 0"));
    ui.Click(kPanel, "Create");
    EXPECT_THAT(ui.Texts(), Contains("Created 1"));
    EXPECT_THAT(ui.Texts(), Not(Contains("Created 0")));
}

TEST_F(UiDriverPanel, TextsAreKeptPerWindow)
{
    ui.Frame();
    EXPECT_THAT(ui.Texts(kPanel), Contains("Created 0"));
    EXPECT_THAT(ui.Texts(kPanel), Not(Contains("Shown elsewhere")));
    EXPECT_THAT(ui.Texts("Other Window"), Contains("Shown elsewhere"));
    EXPECT_THAT(ui.Texts("Other Window"), Not(Contains("Created 0")));
    EXPECT_THAT(ui.Texts(), Contains("Shown elsewhere"));
}

TEST_F(UiDriverPanel, TextsIncludeChildWindowsAndWhatComesAfterATooltip)
{
    ui.Hover(kPanel, "Enabled");
    const auto texts = ui.Texts(kPanel);
    EXPECT_THAT(texts, Contains("Turns the panel on"));
    EXPECT_THAT(texts, Contains("{ start }"));  // the field drawn after the tooltip
    EXPECT_THAT(texts, Contains("[ Item 0 ]"));
    EXPECT_THAT(texts, Contains("Row 0"));
}

TEST_F(UiDriverPanel, CapturedTextsDoNotReachTheClipboard)
{
    ui.Frame(3);
    ui.Click(kPanel, "Create");
    EXPECT_EQ(ui.Clipboard(), "");
}

// Dear ImGui clips nothing while it logs, so a list clipper hands out every
// row while texts are captured and only the rows in view without.
TEST(UiDriverTextCapture, CanBeTurnedOffForListClippersToClip)
{
    constexpr int kRows = 1000;
    int submitted = 0;
    uidriver::UiDriver ui([&] {
        ImGui::SetNextWindowSize(ImVec2(400, 300), ImGuiCond_Always);
        ImGui::Begin("Long List");
        submitted = 0;
        ImGuiListClipper clipper;
        clipper.Begin(kRows);
        while (clipper.Step())
            for (int row = clipper.DisplayStart; row < clipper.DisplayEnd; ++row, ++submitted)
                ImGui::Text("Line %d", row);
        ImGui::End();
    });

    ui.Frame();
    EXPECT_EQ(submitted, kRows);
    EXPECT_THAT(ui.Texts("Long List"), Contains("Line 999"));

    ui.CaptureTexts(false);
    ui.Frame();
    EXPECT_GT(submitted, 0);
    EXPECT_LT(submitted, 50);
    EXPECT_TRUE(ui.Texts().empty());
}
