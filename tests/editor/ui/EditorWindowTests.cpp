// The window itself: its size limits, the splitter between the panes, the
// close button, the game's request to open it, and what happens while the
// game has no timecycle data.
#include "EditorOverSmallGame.h"

#include <gmock/gmock.h>

using namespace tceditor;

namespace
{
using EditorWindow = EditorOverSmallGame;

ImGuiWindow* WindowNamed(const uidriver::UiDriver& ui, std::string_view prefix)
{
    for (ImGuiWindow* window : ui.Context()->Windows)
        if (std::string_view(window->Name).starts_with(prefix))
            return window;
    return nullptr;
}

// The left pane, the child "tree".
float LeftPaneWidth(const uidriver::UiDriver& ui)
{
    ImGuiWindow* tree = WindowNamed(ui, "Timecycle Editor/tree_");
    EXPECT_NE(tree, nullptr);
    return tree ? tree->Size.x : 0.0f;
}

TEST_F(EditorWindow, FirstFrameShowsBrowserAndDetailPane)
{
    ui.Frame();

    ImGuiWindow* window = WindowNamed(ui, "Timecycle Editor");
    ASSERT_NE(window, nullptr);
    EXPECT_GE(window->Size.x, 1020.0f);
    EXPECT_GE(window->Size.y, 400.0f);
    EXPECT_EQ(LeftPaneWidth(ui), 400.0f);
    EXPECT_TRUE(Shows("Search timecycle:"));
    EXPECT_TRUE(Shows("By name { name contains... }"));
    EXPECT_TRUE(Shows("By param { parameter contains... }"));
    EXPECT_TRUE(ui.Exists(kWindow, "##controls_search_name"));
    EXPECT_TRUE(ui.Exists(kWindow, "##controls_search_param"));
    EXPECT_TRUE(ui.Exists(kWindow, "##detail_name")) << "the right pane is the detail pane";
    EXPECT_FALSE(ui.Find(kWindow, "Apply selected").Checked());
    EXPECT_EQ(ListedRows(), AllNames());

    // The detail pane sits right of the browser.
    EXPECT_GT(ui.Find(kWindow, "##detail_name").rect.Min.x, ui.Find(kWindow, "sunny_day").rect.Max.x);
}

TEST_F(EditorWindow, WindowKeepsItsSizeLimits)
{
    ui.Frame();
    ImGuiWindow* window = WindowNamed(ui, "Timecycle Editor");
    ASSERT_NE(window, nullptr);

    // Resizing from the lower-right grip, far inwards and far outwards.
    for (const ImVec2 offset : { ImVec2(-900.0f, -900.0f), ImVec2(2500.0f, 2500.0f) })
    {
        const ImVec2 grip(window->Pos.x + window->Size.x - 3.0f, window->Pos.y + window->Size.y - 3.0f);
        ui.Frame(30);  // a second press on the grip right away would be a double-click: fit to contents
        ui.MoveMouse(grip);
        ImGuiIO& io = ImGui::GetIO();
        io.MouseDown[0] = true;
        ui.Frame();
        for (int step = 1; step <= 10; ++step)
        {
            io.MousePos = ImVec2(grip.x + offset.x * step / 10, grip.y + offset.y * step / 10);
            ui.Frame();
        }
        io.MouseDown[0] = false;
        ui.Frame();

        if (offset.x < 0)
        {
            EXPECT_EQ(window->Size.x, 1020.0f);
            EXPECT_EQ(window->Size.y, 400.0f);
        }
        else
        {
            EXPECT_LE(window->Size.x, 1920.0f);
            EXPECT_LE(window->Size.y, 2000.0f);
            EXPECT_GT(window->Size.x, 1020.0f);
        }
    }
}

// A host's display smaller than the window's minimum: the window fits it and
// scrolls over contents laid out as at the minimum.
TEST_F(EditorWindow, OnADisplaySmallerThanItsMinimumTheWindowFitsAndScrolls)
{
    ui.Frame();
    ImGuiWindow* window = WindowNamed(ui, "Timecycle Editor");
    ASSERT_NE(window, nullptr);
    const ImVec2 display(800.0f, 300.0f);
    ImGui::GetIO().DisplaySize = display;
    ImGui::SetWindowPos(window, ImVec2(0.0f, 0.0f));
    ImGui::SetWindowSize(window, display);  // as the host keeps its windows inside
    ui.Frame(3);

    EXPECT_EQ(window->Size.x, display.x);
    EXPECT_EQ(window->Size.y, display.y);
    EXPECT_TRUE(window->ScrollbarX);
    EXPECT_TRUE(window->ScrollbarY);
    EXPECT_EQ(LeftPaneWidth(ui), 400.0f);
    // The detail pane keeps the width it has in a window of the minimum's size.
    const ImGuiWindow* detail = WindowNamed(ui, "Timecycle Editor/detail_");
    ASSERT_NE(detail, nullptr);
    EXPECT_GT(detail->Pos.x + detail->Size.x, display.x);
    EXPECT_NEAR(window->ContentSize.x + 2.0f * ImGui::GetStyle().WindowPadding.x, 1020.0f, 1.0f);
}

TEST_F(EditorWindow, SplitterStopsAt992And8)
{
    ui.Frame();
    ASSERT_EQ(LeftPaneWidth(ui), 400.0f);

    ui.Drag(kWindow, "##Splitter", ImVec2(100.0f, 0.0f));
    EXPECT_EQ(LeftPaneWidth(ui), 500.0f);

    ui.Drag(kWindow, "##Splitter", ImVec2(2000.0f, 0.0f));
    EXPECT_EQ(LeftPaneWidth(ui), 992.0f) << "the right side keeps its minimum of 8";

    ui.Drag(kWindow, "##Splitter", ImVec2(-3000.0f, 0.0f));
    EXPECT_EQ(LeftPaneWidth(ui), 8.0f);

    // The widths live as long as the process: put them back for the tests
    // that run after this one in the same process.
    ui.Drag(kWindow, "##Splitter", ImVec2(392.0f, 0.0f));
    EXPECT_EQ(LeftPaneWidth(ui), 400.0f);
}

TEST_F(EditorWindow, CloseButtonClosesTheWindow)
{
    ui.Frame();
    ui.Click(kWindow, "#CLOSE");
    EXPECT_FALSE(state.isOpen);
}

TEST_F(EditorWindow, GameRequestOpensTheWindowAndIsAcknowledged)
{
    state.isOpen = false;
    Manager().SetActivateEditor(true);
    ui.Frame();

    EXPECT_TRUE(state.isOpen);
    EXPECT_FALSE(Manager().ShouldActivateEditor());
    EXPECT_TRUE(WindowDrawn());
}

TEST_F(EditorWindow, RequestWhileOpenIsLeftPending)
{
    Manager().SetActivateEditor(true);
    ui.Frame();

    EXPECT_TRUE(state.isOpen);
    EXPECT_TRUE(Manager().ShouldActivateEditor()) << "only a request that opens the window is consumed";
}

enum class MissingData
{
    VariableTable,
    GameManager,
};

class EditorWindowWithoutGameData : public EditorOverSmallGame, public testing::WithParamInterface<MissingData>
{
protected:
    void TakeDataAway()
    {
        if (GetParam() == MissingData::VariableTable)
            timecycle::ResetManager();  // a fresh manager has no variable table
        else
            timecycle::SetGameManagerMissing(true);
        ASSERT_TRUE(TimecycleManager::GetConfigVarInfos() == nullptr || TimecycleManager::GetGameManager() == nullptr);
    }
};

TEST_P(EditorWindowWithoutGameData, DrawsNothing)
{
    TakeDataAway();
    ui.Frame(2);

    EXPECT_FALSE(WindowDrawn());
    EXPECT_EQ(WindowNamed(ui, "Timecycle Editor"), nullptr) << "not even begun";
    EXPECT_TRUE(state.isOpen);
}

TEST_P(EditorWindowWithoutGameData, StillAcknowledgesTheGamesRequest)
{
    state.isOpen = false;
    TakeDataAway();
    Manager().SetActivateEditor(true);
    ui.Frame();

    EXPECT_FALSE(WindowDrawn());
    EXPECT_TRUE(state.isOpen);
    EXPECT_FALSE(Manager().ShouldActivateEditor());
}

TEST_P(EditorWindowWithoutGameData, ComesBackWithTheData)
{
    TakeDataAway();
    ui.Frame();
    ASSERT_FALSE(WindowDrawn());

    if (GetParam() == MissingData::VariableTable)
        smallgame::ResetWithVariables();
    else
        timecycle::SetGameManagerMissing(false);
    ui.Frame();
    EXPECT_TRUE(WindowDrawn());
}

INSTANTIATE_TEST_SUITE_P(Missing, EditorWindowWithoutGameData,
                         testing::Values(MissingData::VariableTable, MissingData::GameManager),
                         [](const testing::TestParamInfo<MissingData>& info) {
                             return info.param == MissingData::VariableTable ? "VariableTable" : "GameManager";
                         });
}
