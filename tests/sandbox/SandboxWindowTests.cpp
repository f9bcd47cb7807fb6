// The sandbox's window, resized as a user would, through SDL's dummy video
// driver (no display server; unlike the offscreen one it loads no EGL, whose
// allocations outlive the library): the console stays docked along the
// bottom at its share of the height and the editor stays inside.
#include "Display.h"
#include "SandboxProcess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>

namespace
{
struct Rect
{
    float x = 0, y = 0, width = 0, height = 0;
    std::string scrollBars;  // "none", "horizontal", "vertical" or "both"
};

struct Layout
{
    float width = 0, height = 0;
    std::map<std::string, Rect> windows;
};

// The layouts that "ui_windows" printed, in order.
std::vector<Layout> Layouts(const SandboxRun& run)
{
    std::vector<Layout> layouts;
    for (const std::string& line : run.Lines())
    {
        Layout layout;
        Rect rect;
        char name[64] = {};
        char scrollBars[16] = {};
        if (std::sscanf(line.c_str(), "[sandbox] display %f x %f", &layout.width, &layout.height) == 2)
            layouts.push_back(layout);
        else if (!layouts.empty() &&
                 std::sscanf(line.c_str(), "[sandbox] \"%63[^\"]\" at (%f, %f) size %f x %f, scroll bars: %15s", name,
                             &rect.x, &rect.y, &rect.width, &rect.height, scrollBars) == 6)
        {
            rect.scrollBars = scrollBars;
            layouts.back().windows[name] = rect;
        }
    }
    return layouts;
}

// Runs the script in a 1600x1000 window of SDL's dummy video driver.
SandboxRun RunInWindow(const std::string& folder, const std::string& script)
{
    return RunSandbox({ "--size", "1600x1000", "--script", WriteFile(folder, "script.txt", script), "mosk" },
                      { "SDL_VIDEODRIVER=dummy" });
}

TEST(SandboxWindow, ConsoleDocksAndEditorStaysInsideAcrossResizes)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunInWindow(folder, R"(timecycleeditor true
frame 3
ui_windows
window_size 1100x650
frame 2
ui_windows
window_size 1500x950
frame 2
ui_windows
quit
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.CountContaining("frames drawn in the window"), 3) << "not a window\n" << run.output;

    const std::vector<Layout> layouts = Layouts(run);
    ASSERT_EQ(layouts.size(), 3u) << run.output;
    const std::pair<float, float> sizes[] = { { 1600, 1000 }, { 1100, 650 }, { 1500, 950 } };
    for (size_t i = 0; i < layouts.size(); ++i)
    {
        const Layout& layout = layouts[i];
        SCOPED_TRACE(testing::Message() << layout.width << " x " << layout.height);
        EXPECT_EQ(layout.width, sizes[i].first);
        EXPECT_EQ(layout.height, sizes[i].second);

        ASSERT_TRUE(layout.windows.contains("Console")) << run.output;
        const Rect console = layout.windows.at("Console");
        EXPECT_EQ(console.x, 0.0f);
        EXPECT_EQ(console.width, layout.width);
        EXPECT_EQ(console.y + console.height, layout.height) << "docked at the bottom";
        EXPECT_NEAR(console.height / layout.height, 0.34f, 0.01f) << "at its share of the height";

        ASSERT_TRUE(layout.windows.contains("Timecycle Editor")) << run.output;
        const Rect editor = layout.windows.at("Timecycle Editor");
        EXPECT_GE(editor.x, 0.0f);
        EXPECT_GE(editor.y, 0.0f);
        EXPECT_LE(editor.x + editor.width, layout.width);
        EXPECT_LE(editor.y + editor.height, console.y) << "the console covers none of it";
    }
}
}

// A window smaller than the editor's minimum: the editor fits inside it and
// scrolls over its contents; given room again, it grows back to its size.
TEST(SandboxWindow, EditorScrollsInASmallWindowAndGrowsBackWhenThereIsRoom)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunInWindow(folder, R"(timecycleeditor true
frame 3
ui_windows
window_size 800x350
frame 2
ui_windows
window_size 1600x1000
frame 2
ui_windows
quit
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::vector<Layout> layouts = Layouts(run);
    ASSERT_EQ(layouts.size(), 3u) << run.output;
    for (const Layout& layout : layouts)
        ASSERT_TRUE(layout.windows.contains("Timecycle Editor")) << run.output;
    const Rect before = layouts[0].windows.at("Timecycle Editor");
    const Rect small = layouts[1].windows.at("Timecycle Editor");
    const Rect after = layouts[2].windows.at("Timecycle Editor");
    EXPECT_EQ(before.scrollBars, "none");

    EXPECT_GE(small.x, 0.0f);
    EXPECT_GE(small.y, 0.0f);
    EXPECT_LE(small.x + small.width, 800.0f);
    EXPECT_LE(small.y + small.height, 350.0f);
    EXPECT_EQ(small.scrollBars, "both") << run.output;

    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.height, before.height);
    EXPECT_EQ(after.scrollBars, "none");
}

// A short window: the editor stands in the part the docked console leaves
// free, so its bottom line (the count of changed modifiers) is not covered.
TEST(SandboxWindow, TheEditorEndsAboveTheConsoleInAShortWindow)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunSandbox({ "--size", "900x600", "--script", WriteFile(folder, "script.txt", R"(timecycleeditor true
frame 3
ui_windows
ui_texts
quit
)"), "mosk" }, { "SDL_VIDEODRIVER=dummy" });
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::vector<Layout> layouts = Layouts(run);
    ASSERT_EQ(layouts.size(), 1u) << run.output;
    ASSERT_TRUE(layouts[0].windows.contains("Console")) << run.output;
    ASSERT_TRUE(layouts[0].windows.contains("Timecycle Editor")) << run.output;
    const Rect console = layouts[0].windows.at("Console");
    const Rect editor = layouts[0].windows.at("Timecycle Editor");
    EXPECT_EQ(console.y + console.height, 600.0f) << "docked at the bottom";
    EXPECT_GE(editor.y, 0.0f);
    EXPECT_LE(editor.y + editor.height, console.y) << run.output;
    EXPECT_LE(editor.x + editor.width, 900.0f);
    // Drawn inside the editor's own area, which the console no longer covers.
    EXPECT_EQ(run.CountContaining("[sandbox] Changed this session: 0"), 1) << run.output;
}

// Ctrl+= and Ctrl+- step the scale through round values; a scale between
// them goes to the nearest one in that direction, within the limits.
TEST(SandboxWindow, ScaleStepsGoThroughQuarters)
{
    const struct
    {
        float scale;
        int steps;
        float expected;
    } cases[] = {
        { 1.0f, 1, 1.25f },  { 1.25f, 1, 1.5f },  { 1.5f, 1, 1.75f }, { 1.75f, 1, 2.0f },   { 2.0f, -1, 1.75f },
        { 1.0f, -1, 0.75f }, { 1.1f, 1, 1.25f },  { 1.1f, -1, 1.0f }, { 1.2501f, 1, 1.5f }, { 0.5f, -1, 0.5f },
        { 4.0f, 1, 4.0f },   { 3.9f, 1, 4.0f },
    };
    for (const auto& c : cases)
        EXPECT_EQ(sandbox::SteppedScale(c.scale, c.steps), c.expected) << c.scale << " by " << c.steps;
}

// ui_press holds "Compare" in a window too, over frames in which the
// platform reads the real mouse, until ui_release.
TEST(SandboxWindow, APressHoldsOverTheRealMouseUntilReleased)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunInWindow(folder, R"(timecycleeditor true
frame 3
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
tc_save w_clear_light )" + folder + R"(/edited.xml
ui_press Compare
frame 3
tc_save w_clear_light )" + folder + R"(/held.xml
ui_release
frame 2
tc_save w_clear_light )" + folder + R"(/after.xml
quit
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.CountContaining("frames drawn in the window"), 3) << "not a window\n" << run.output;
    EXPECT_NE(ReadFile(folder + "/held.xml"), ReadFile(folder + "/edited.xml")) << "Compare was let go";
    EXPECT_EQ(ReadFile(folder + "/after.xml"), ReadFile(folder + "/edited.xml"));
}
