// Whole runs of vesk-sandbox, headless, over the real component and the
// committed data: the editor driven through the UI like a user does, the
// game's state read back through the sandbox's commands, and the picture
// read back from screenshots.
#include "SandboxProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <csignal>
#include <filesystem>
#include <sstream>

namespace
{
struct Pixel
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Pixel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel& pixel)
{
    return out << "(" << pixel.r << ", " << pixel.g << ", " << pixel.b << ")";
}

Pixel PixelAt(const std::string& pngPath, int x, int y)
{
    int width = 0, height = 0, channels = 0;
    unsigned char* data = stbi_load(pngPath.c_str(), &width, &height, &channels, 4);
    if (!data)
        throw std::runtime_error("cannot read " + pngPath);
    const unsigned char* p = data + (size_t(y) * size_t(width) + size_t(x)) * 4;
    const Pixel pixel{ p[0], p[1], p[2] };
    stbi_image_free(data);
    return pixel;
}

// A point of the sky, away from every window.
constexpr int kSkyX = 1500, kSkyY = 20;

TEST(SandboxRun, EditorFlowThroughTheLoadedComponent)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, R"(# The whole flow, as a user at the console and the editor does it.
timecycleeditor true
frame 2
screenshot )" + folder + R"(/before.png
ui_click tod_sunrise_warm                                      # select by clicking its row
ui_drag ##{hash:tod_sunrise_warm}-{var:sky_zenith_col_r}-1 60  # value1 of sky_zenith_col_r
tc_show tod_sunrise_warm
tc_diff tod_sunrise_warm
ui_click "As primary"
tc_state
screenshot )" + folder + R"(/applied.png
ui_click "Generate XML"
ui_click ##xml_output
ui_key ctrl+a
ui_key ctrl+c
clipboard
tc_save tod_sunrise_warm )" + folder + R"(/saved.xml
kill_network
frame 2
ui_items
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    // The drag changed the host's live parameter, outdoors value only.
    const std::vector<std::string> lines = run.Lines();
    std::string dragged;
    for (const std::string& line : lines)
        if (line.starts_with("[sandbox]   changed sky_zenith_col_r: 0.448 0.448 -> "))
            dragged = line.substr(line.find("-> ") + 3);
    ASSERT_FALSE(dragged.empty()) << run.output;
    const std::string value1 = dragged.substr(0, dragged.find(' '));
    EXPECT_NE(value1, "0.448");
    EXPECT_EQ(dragged.substr(dragged.find(' ') + 1), "0.448");
    EXPECT_EQ(run.CountContaining(" sky_zenith_col_r "), 1) << "tc_show lists the parameter once";
    EXPECT_EQ(run.CountContaining("sky_zenith_col_r                         " + value1 + " 0.448"), 1) << run.output;

    // Applied as the primary modifier, and the sky shows it.
    EXPECT_EQ(run.CountContaining("[sandbox] primary: tod_sunrise_warm (index "), 1) << run.output;
    const Pixel before = PixelAt(folder + "/before.png", kSkyX, kSkyY);
    const Pixel applied = PixelAt(folder + "/applied.png", kSkyX, kSkyY);
    EXPECT_NE(before, applied);
    EXPECT_GT(applied.r, before.r + 60) << "the dragged red of the zenith";
    EXPECT_LT(applied.b, before.b - 60) << "the warm sunrise's zenith, less blue than the default day's";

    // The XML the editor generated went to the clipboard, with the dragged
    // value to the export's three decimals.
    char exported[96];
    std::snprintf(exported, sizeof exported, "<sky_zenith_col_r>%.3f 0.448</sky_zenith_col_r>", std::stof(value1));
    EXPECT_EQ(run.CountContaining("<modifier name=\"tod_sunrise_warm\""), 1) << run.output;
    EXPECT_EQ(run.CountContaining(exported), 1) << run.output;
    // tc_save wrote the live modifier exactly, as the game commands show it.
    const std::string saved = ReadFile(folder + "/saved.xml");
    EXPECT_NE(saved.find("<timecycle_modifier_data"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<sky_zenith_col_r>" + value1 + " 0.448</sky_zenith_col_r>"), std::string::npos) << saved;

    // The network shutdown closed the editor: its window has no widget left.
    EXPECT_TRUE(run.HasLine("[sandbox] 0 widgets in \"Timecycle Editor\"")) << run.output;
}

TEST(SandboxRun, RestoreAndDiffAgainstTheDataAsLoaded)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
tc_diff w_clear_light
ui_click w_clear_light
ui_drag ##{hash:w_clear_light}-{var:light_street_mult}-2 30
tc_diff w_clear_light
tc_restore w_clear_light
tc_diff w_clear_light
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.CountContaining("[sandbox] w_clear_light is as loaded"), 2) << run.output;
    EXPECT_EQ(run.CountContaining("[sandbox]   changed light_street_mult: 0.2 0.2 -> 0.2 "), 1) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] w_clear_light restored from the game's backup")) << run.output;
}

// The game commands show values as the game holds them, and tc_save keeps
// them: a script sees what three decimals would hide.
TEST(SandboxRun, GameCommandsShowAndSaveValuesExactly)
{
    const std::string folder = TestFolder();
    const std::string loaded = WriteFile(folder, "exact.xml", R"(<timecycle_modifier_data version="1.000000">
    <modifier name="exact_mod" userFlags="0">
        <sky_zenith_col_r>0.12345 0.0004</sky_zenith_col_r>
    </modifier>
</timecycle_modifier_data>
)");
    const SandboxRun run = RunScript(folder, "timecycleeditor true\nframe\ntc_load " + loaded +
                                                 "\ntc_show exact_mod\nui_click exact_mod\n"
                                                 "ui_enter ##{hash:exact_mod}-{var:sky_zenith_col_r}-1 *2\n"
                                                 "tc_diff exact_mod\ntc_save exact_mod " + folder + "/saved.xml\n");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    EXPECT_EQ(run.CountContaining(" sky_zenith_col_r                         0.12345 0.0004"), 1) << run.output;
    // Doubled from the exact value, not from the 0.123 the field showed.
    EXPECT_TRUE(run.HasLine("[sandbox]   changed sky_zenith_col_r: 0.12345 0.0004 -> 0.2469 0.0004")) << run.output;
    const std::string saved = ReadFile(folder + "/saved.xml");
    EXPECT_NE(saved.find("<sky_zenith_col_r>0.2469 0.0004</sky_zenith_col_r>"), std::string::npos) << saved;
}

TEST(SandboxRun, UndoRedoAndTheValueMenuFromAScript)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
ui_drag ##{hash:w_clear_light}-{var:light_street_mult}-2 -30
ui_key ctrl+z
tc_diff w_clear_light
ui_key ctrl+y
tc_diff w_clear_light
ui_rightclick ##{hash:w_clear_light}-{var:light_street_mult}-2
ui_click "Reset to original"
tc_diff w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
ui_click Revert
tc_diff w_clear_light
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.CountContaining("[sandbox] w_clear_light is as loaded"), 3) << run.output;
    EXPECT_EQ(run.CountContaining("[sandbox]   changed light_street_mult: 0.2 0.2 -> 0.2 "), 1) << run.output;
}

// The committed colour script: a swatch opens the popup, "Value 1" takes a
// colour as one step over its three channels, one Ctrl+Z takes it back.
TEST(SandboxRun, ColourRoundTripScript)
{
    const std::string script = std::string(VESK_TIMECYCLE_DATA) + "/../../sandbox/app/colour.txt";
    const SandboxRun run = RunSandbox({ "--headless", "--script", script, "mosk" });
    ASSERT_EQ(run.exitCode, 0) << run.output;

    // Each tc_show's zenith colour, value 1 and value 2 of red, green, blue.
    std::vector<std::string> shown;
    for (const std::string& line : run.Lines())
    {
        std::istringstream words(line);
        std::string prefix, id, name, value1, value2;
        words >> prefix >> id >> name >> value1 >> value2;
        if (prefix == "[sandbox]" && name.starts_with("sky_zenith_col_"))
            shown.push_back(name.substr(15) + " " + value1 + " " + value2);
    }
    EXPECT_THAT(shown, testing::ElementsAre("r 0.448 0.448", "g 0.38 0.38", "b 0.459 0.459",  // as loaded
                                            "r 0.8 0.448", "g 0.45 0.38", "b 0.2 0.459",        // the new colour
                                            "r 0.448 0.448", "g 0.38 0.38", "b 0.459 0.459"))   // undone
        << run.output;
}

// An HDR colour in the picker: "Intensity" scales it, and a click in the
// middle of the square gives half the intensity, not half of 1.
TEST(SandboxRun, ThePickerKeepsAColoursIntensity)
{
    const SandboxRun run = RunScript(TestFolder(), R"(timecycleeditor true
ui_click tod_sunrise_warm
ui_click ##{hash:tod_sunrise_warm}-{var:sky_zenith_col_r}-colour
ui_colour "Value 1" 2.5 1 0.5
ui_click ##ColorButton 0
ui_enter Intensity 5
tc_show tod_sunrise_warm
ui_click sv
tc_show tod_sunrise_warm
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<float> reds;
    for (const std::string& line : run.Lines())
    {
        std::istringstream words(line);
        std::string prefix, id, name;
        float value1 = 0.0f;
        if (words >> prefix >> id >> name >> value1 && prefix == "[sandbox]" && name == "sky_zenith_col_r")
            reds.push_back(value1);
    }
    ASSERT_EQ(reds.size(), 2u) << run.output;
    EXPECT_FLOAT_EQ(reds[0], 5.0f) << "scaled from 2.5 by the intensity";
    EXPECT_NEAR(reds[1], 2.5f, 0.05f) << "the square's middle at intensity 5";
}

// The session workflow end to end: edits saved in one run, the file loaded
// into a fresh game in the next and pasted into a game started again.
TEST(SandboxRun, SessionSavedInOneRunComesBackInTheNext)
{
    const std::string folder = TestFolder();
    const SandboxRun edit = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
ui_click ##detail_name
ui_key ctrl+a
ui_key backspace
ui_type ##detail_name my_new_look
ui_click Create
ui_click "Save changed"
ui_click ##detail_filter_param
ui_texts
)");
    ASSERT_EQ(edit.exitCode, 0) << edit.output;
    std::string saved;
    for (const std::string& line : edit.Lines())
        if (const size_t at = line.find("Status Saved to "); at != std::string::npos)
            saved = line.substr(at + 16, line.find(" (", at) - at - 16);
    ASSERT_FALSE(saved.empty()) << edit.output;
    EXPECT_TRUE(saved.find("/data/timecycle-changes/") != std::string::npos) << saved;

    // A game with the variables only.
    const std::filesystem::path fresh = std::filesystem::path(folder) / "fresh";
    std::filesystem::create_directories(fresh / "modifiers");
    std::filesystem::copy_file(std::filesystem::path(VESK_DEFAULT_DATA) / "variables.xml", fresh / "variables.xml");
    const std::string load = WriteFile(folder, "load.txt", "tc_load " + saved + "\ntc_show w_clear_light\ntc_show my_new_look\n");
    const SandboxRun loaded = RunSandbox({ "--headless", "--data", fresh.string(), "--script", load, "mosk" });
    EXPECT_EQ(loaded.exitCode, 0) << loaded.output;
    EXPECT_TRUE(loaded.HasLine("[sandbox] 2 modifiers loaded from " + saved)) << loaded.output;
    EXPECT_EQ(loaded.CountContaining(" light_street_mult                        7.5 "), 1) << loaded.output;
    EXPECT_EQ(loaded.CountContaining("[sandbox] my_new_look: index "), 1) << loaded.output;

    // The game started again from its data: the load puts the changed
    // modifier's values in place and creates the new one.
    const SandboxRun reloaded = RunSandbox({ "--headless", "--script", load, "mosk" });
    EXPECT_EQ(reloaded.exitCode, 0) << reloaded.output;
    EXPECT_TRUE(reloaded.HasLine("[sandbox] 2 modifiers loaded from " + saved)) << reloaded.output;
    EXPECT_TRUE(reloaded.HasLine("[sandbox] 1 of them took the place of the modifier of the same name"))
        << reloaded.output;
    EXPECT_EQ(reloaded.CountContaining(" light_street_mult                        7.5 "), 1) << reloaded.output;
    EXPECT_EQ(reloaded.CountContaining("[sandbox] my_new_look: index "), 1) << reloaded.output;

    // And the same through the editor: the paste brings the edits back.
    const SandboxRun pasted = RunScript(folder, "clipboard_load " + saved + R"(
timecycleeditor true
frame
ui_click w_clear_light
ui_click "Paste XML"
tc_diff w_clear_light
tc_show my_new_look
)");
    EXPECT_EQ(pasted.exitCode, 0) << pasted.output;
    EXPECT_EQ(pasted.CountContaining("changed light_street_mult: "), 1) << pasted.output;
    EXPECT_EQ(pasted.CountContaining("[sandbox] my_new_look: index "), 1) << pasted.output;

    std::filesystem::remove(saved);
}

struct FailingLine
{
    const char* description;
    const char* line;
};

class ScriptFailure : public testing::TestWithParam<FailingLine>
{
};

TEST_P(ScriptFailure, StopsAtTheLineWithItsNumberAndStatusOne)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, std::string("# line 1\nframe\n") + GetParam().line + "\ntc_state\n");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(run.CountContaining(":3: the script stops here: " + std::string(GetParam().line)), 1) << run.output;
    // Where a shell or a CI log looks for what went wrong.
    EXPECT_NE(run.errors.find(":3: the script stops here: " + std::string(GetParam().line)), std::string::npos)
        << run.errors;
    EXPECT_EQ(run.CountContaining("primary:"), 0) << "the line after the failing one ran:\n" << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    SandboxRun, ScriptFailure,
    testing::Values(FailingLine{ "UnknownCommand", "no_such_command" },
                    FailingLine{ "WrongArgumentCount", "tc_show" },
                    FailingLine{ "BadNumber", "frame many" },
                    FailingLine{ "UnknownModifier", "tc_show no_such_modifier" },
                    FailingLine{ "UnknownNameInLine", "ui_click ##{hash:no_such_modifier}" },
                    FailingLine{ "WidgetNotFound", "ui_click \"No such button\"" },
                    FailingLine{ "SaveUnknownModifier", "tc_save no_such_modifier /tmp/never-written.xml" },
                    FailingLine{ "RestoreWithoutBackup", "tc_restore w_clear_light" }),
    [](const testing::TestParamInfo<FailingLine>& info) { return std::string(info.param.description); });

struct LaunchCase
{
    const char* description;
    std::vector<std::string> launchWords;
    const char* script;
    int exitCode;
    bool editorDrawn;
};

class LaunchWords : public testing::TestWithParam<LaunchCase>
{
};

// The words after the options reach the component as the launcher's would.
TEST_P(LaunchWords, DecideWhetherTheEditorExistsAndHowItOpens)
{
    const LaunchCase& launch = GetParam();
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, std::string(launch.script) + "\nframe 2\nui_items\n", launch.launchWords);
    EXPECT_EQ(run.exitCode, launch.exitCode) << run.output;
    if (launch.exitCode == 0)
    {
        EXPECT_EQ(run.HasLine("[sandbox] 0 widgets in \"Timecycle Editor\""), !launch.editorDrawn) << run.output;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SandboxRun, LaunchWords,
    testing::Values(LaunchCase{ "MoskOffersTheVariable", { "mosk" }, "timecycleeditor true", 0, true },
                    LaunchCase{ "SetOnTheCommandLine", { "+set", "timecycleeditor", "true", "mosk" }, "frame", 0,
                                true },
                    LaunchCase{ "WithoutMoskNoVariable", {}, "timecycleeditor true", 1, false },
                    LaunchCase{ "WithoutMoskTheGameCanAsk", { "cl2" }, "request_editor", 0, true },
                    LaunchCase{ "PureLevelHasNoEditor", { "mosk", "pure_1" }, "request_editor", 0, false },
                    LaunchCase{ "PureLevelHasNoVariable", { "mosk", "pure_1" }, "timecycleeditor true", 1, false },
                    LaunchCase{ "GameNotReady", { "mosk" }, "timecycleeditor true\ngame_ready off", 0, false },
                    LaunchCase{ "GameKilled", { "mosk" }, "timecycleeditor true\ngame_init_var add gameKilled", 0,
                                false }),
    [](const testing::TestParamInfo<LaunchCase>& info) { return std::string(info.param.description); });

// The console window: a line typed and entered runs, Up brings it back, Tab
// completes a command name, F8 closes the window.
TEST(SandboxRun, ConsoleWindowRunsHistoryCompletesAndToggles)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, R"(ui_window Console
ui_type ##console_input "tc_list noir_so"
ui_key enter
ui_key up
ui_texts
ui_key ctrl+a
ui_key backspace
ui_type ##console_input tc_sta
ui_key tab
ui_texts
ui_key f8
ui_items
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] 1 of 2093 modifiers")) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] > tc_list noir_so")) << "the console echoes the line\n" << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] { tc_list noir_so }")) << "Up brings the line back\n" << run.output;
    // The completed name comes with a space after it.
    EXPECT_TRUE(run.HasLine("[sandbox] { tc_state  }")) << "Tab completes the command\n" << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] 0 widgets in \"Console\"")) << "F8 closes the console\n" << run.output;
}

// F8 reopens the console with its input line focused: what is typed next
// (here pasted, the driver types no text without a click) goes there. The
// editor keeps frames running while the console is closed.
TEST(SandboxRun, F8OpensTheConsoleReadyForInput)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
ui_window Console
ui_type ##console_input tc_state
ui_key ctrl+a
ui_key ctrl+c
ui_key backspace
ui_key f8
frame 2
ui_key f8
frame
ui_key ctrl+v
ui_texts
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] { tc_state }")) << run.output;
}

// debug_fatal makes the sandbox itself fail through the shared diagnostics:
// it stops at the site, and the record waits in the install root's
// data/cache. Both kinds run in one test: they share the record's file.
TEST(SandboxRun, DebugFatalStopsTheProcessAndLeavesTheRecord)
{
    const std::string pickup =
        (std::filesystem::path(TestRoot()) / "data" / "cache" / "error-pickup").string();
    struct Case
    {
        const char* kind;
        int signal;
        const char* message;
    };
    for (const Case& fatal : { Case{ "assert", SIGTRAP, "Assertion failure: holds" },
                               Case{ "va", SIGSEGV, "Exceeded buffer length in va()!" } })
    {
        SCOPED_TRACE(fatal.kind);
        std::filesystem::remove(pickup);
        const std::string folder = TestFolder();
        const SandboxRun run = RunScript(folder, std::string("debug_fatal ") + fatal.kind + "\ntc_state\n");
        EXPECT_EQ(run.signal, fatal.signal) << run.output;
        EXPECT_EQ(run.CountContaining("primary:"), 0) << run.output;
        const std::string record = ReadFile(pickup);
        EXPECT_NE(record.find(fatal.message), std::string::npos) << record;
    }
}

// A run killed at once leaves its unsaved work; the next run offers it in the
// popup and "Restore" gives the game the killed run's records.
TEST(SandboxRun, WorkOfAKilledRunIsRestoredInTheNext)
{
    const std::string folder = TestFolder();
    const char* const shown[] = { "tc_show w_clear_light", "tc_show my_new_look", "tc_list tod_sunrise_wa" };
    std::string edits = R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 0.1234
ui_click ##detail_name
ui_key ctrl+a
ui_key backspace
ui_type ##detail_name my_new_look
ui_click Create
ui_click tod_sunrise_warm
ui_click Delete 0
)";
    for (const char* command : shown)
        edits += std::string(command) + "\n";
    // Every step is on disk within a second; the wait leaves room for a
    // loaded machine.
    const SandboxRun killed = RunScript(folder, edits + "wait 2500\ndebug_kill\ntc_state\n");
    EXPECT_EQ(killed.signal, SIGKILL) << killed.output;
    EXPECT_EQ(killed.CountContaining("primary:"), 0) << killed.output;

    // The popup shows once the search for ended sessions, off the frame, is
    // done; the limit leaves room for a loaded machine.
    std::string restore = "timecycleeditor true\nui_wait_text \"modifiers changed\" 60000\nui_texts\n"
                          "ui_click Restore\nframe\nui_texts\n";
    for (const char* command : shown)
        restore += std::string(command) + "\n";
    const SandboxRun restored = RunScript(folder, restore);
    ASSERT_EQ(restored.exitCode, 0) << restored.output;
    EXPECT_EQ(restored.CountContaining(" left 3 modifiers changed (1 created, 1 removed)"), 1) << restored.output;
    // The dialog names the modifiers, and the status line what came back.
    for (const char* line : { "Changed: w_clear_light", "Created: my_new_look", "Removed: tod_sunrise_warm" })
        EXPECT_EQ(restored.CountContaining(line), 1) << line << "\n" << restored.output;
    EXPECT_EQ(restored.CountContaining("Restored 3 modifiers (my_new_look, removed tod_sunrise_warm, "
                                       "w_clear_light) from the session whose last change was at "),
              1)
        << restored.output;

    // The restored work is that run's unsaved work now: the next run offers
    // it, and a click under the popup fails at its line, naming the popup.
    const SandboxRun blocked = RunScript(folder, "timecycleeditor true\nui_wait_text \"modifiers changed\" 60000\n"
                                                           "ui_click w_clear_light\ntc_state\n");
    EXPECT_NE(blocked.exitCode, 0) << blocked.output;
    EXPECT_EQ(blocked.CountContaining("is under the modal popup \"Unsaved timecycle work\""), 1) << blocked.output;
    EXPECT_EQ(blocked.CountContaining("primary:"), 0) << "the script went on past the failed click\n"
                                                       << blocked.output;

    // The game's records as each run showed them, the index of a created
    // modifier and the backup aside.
    const auto records = [](const SandboxRun& run) {
        std::vector<std::string> lines;
        bool inShow = false;
        for (const std::string& line : run.Lines())
        {
            if (line.starts_with("[script] "))
                inShow = line.starts_with("[script] tc_show ") || line.starts_with("[script] tc_list ");
            else if (inShow)
                lines.push_back(line.find(": index ") != std::string::npos ? line.substr(0, line.find(": index ")) : line);
        }
        return lines;
    };
    EXPECT_EQ(records(restored), records(killed)) << killed.output << restored.output;
    EXPECT_EQ(killed.CountContaining("light_street_mult                        0.1234 "), 1) << killed.output;
}

TEST(SandboxRun, HelpAndBadOptions)
{
    const SandboxRun help = RunSandbox({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : { "ui_drag LABEL DX", "tc_diff NAME", "debug_fatal assert|va", "--frames N",
                                 "--size WxH", "--scale F", "help [NAME]", "draw nothing" })
        EXPECT_NE(help.output.find(command), std::string::npos) << command;

    struct BadOption
    {
        std::vector<std::string> arguments;
        const char* message;
    };
    const BadOption cases[] = {
        { { "--frames", "-3" }, "--frames needs a number of 0 or more" },
        { { "--frames", "2147483648" }, "\"2147483648\" is too large" },
        { { "--frames=99999999999999999999999" }, "is too large" },
        { { "--frames=" }, "--frames needs a number of 0 or more" },
        { { "--size", "0x600" }, "\"0x600\" is too small" },
        { { "--size=800x99999" }, "\"800x99999\" is too large" },
        { { "--size", "wide" }, "WIDTHxHEIGHT" },
        { { "--scale", "9" }, "\"9\" is too large" },
        { { "--scale=0.1" }, "\"0.1\" is too small" },
        { { "--headless=yes" }, "--headless takes no value" },
        { { "--script" }, "--script needs a file" },
        { { "--help=x" }, "--help takes no value" },
        { { "--bogus=3" }, "unknown option --bogus (see --help)" },
        { { "--headless", "+set", "name" }, "+set needs a name and a value" },
    };
    for (const BadOption& bad : cases)
    {
        const SandboxRun run = RunSandbox(bad.arguments);
        SCOPED_TRACE(bad.arguments.front());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.errors.find(bad.message), std::string::npos) << run.output;
    }
}

// "--name=value" is "--name value"; the frames say what they did.
TEST(SandboxRun, OptionsTakeAttachedValues)
{
    const std::string folder = TestFolder();
    const std::string script =
        WriteFile(folder, "script.txt", "tc_list tod_noon_clear\nscreenshot " + folder + "/picture.png\n");
    const SandboxRun run = RunSandbox({ "--headless", "--script=" + script, "--frames=2", "--size=800x500",
                                        "--data=" VESK_TIMECYCLE_DATA, "mosk" });
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.HasLine("[script] tc_list tod_noon_clear")) << run.output;
    EXPECT_EQ(run.CountContaining("[sandbox] 2 frames, "), 1) << run.output;
    EXPECT_EQ(run.CountContaining("headless: the game and the GUI ran, nothing was drawn"), 1) << run.output;
    EXPECT_TRUE(run.errors.empty()) << run.errors;
    int width = 0, height = 0, channels = 0;
    ASSERT_TRUE(stbi_info((folder + "/picture.png").c_str(), &width, &height, &channels));
    EXPECT_EQ(width, 800) << "--size sets the headless picture's size";
    EXPECT_EQ(height, 500);
}

struct StartProblem
{
    const char* description;
    const char* option;  // ending in '=' when the value is attached
    const char* given;   // in a folder with an empty folder "empty" and an empty file "data.xml"
    const char* named;   // the path the error names
    const char* reason;
};

class StartProblems : public testing::TestWithParam<StartProblem>
{
};

// A data folder or script that cannot serve stops the sandbox before it
// loads anything: status 2, the path and the system's reason on standard
// error, nothing on standard output.
TEST_P(StartProblems, StopBeforeAnythingLoads)
{
    const StartProblem& problem = GetParam();
    const std::string folder = TestFolder();
    std::filesystem::create_directories(folder + "/empty/modifiers");
    WriteFile(folder, "data.xml", "");

    std::vector<std::string> words = { "--headless", "--frames", "1" };
    const std::string given = folder + "/" + problem.given;
    if (std::string_view(problem.option).ends_with('='))
        words.push_back(problem.option + given);
    else
        words.insert(words.end(), { problem.option, given });
    words.push_back("mosk");

    const SandboxRun run = RunSandbox(words);
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.errors.find(folder + "/" + problem.named + ": " + problem.reason), std::string::npos) << run.errors;
    EXPECT_EQ(run.output, run.errors) << "something was printed besides the error";
}

INSTANTIATE_TEST_SUITE_P(
    SandboxRun, StartProblems,
    testing::Values(
        StartProblem{ "MissingDataFolder", "--data", "missing", "missing", "No such file or directory" },
        StartProblem{ "DataFolderWithoutVariableTable", "--data=", "empty", "empty/variables.xml",
                      "No such file or directory" },
        StartProblem{ "DataFolderIsAFile", "--data", "data.xml", "data.xml", "Not a directory" },
        StartProblem{ "MissingScript", "--script", "none.txt", "none.txt", "No such file or directory" },
        StartProblem{ "ScriptIsAFolder", "--script=", "empty", "empty", "Is a directory" }),
    [](const testing::TestParamInfo<StartProblem>& info) { return std::string(info.param.description); });

// A data folder with a variable table but no modifiers loads, and says so.
TEST(SandboxRun, DataWithoutModifiersSaysSo)
{
    const std::string folder = TestFolder();
    WriteFile(folder, "variables.xml",
              "<?xml version=\"1.0\"?>\n<timecycle_variables version=\"1\">\n"
              "    <variable name=\"fog_density\" default=\"0.002\"/>\n</timecycle_variables>\n");
    std::filesystem::create_directories(folder + "/modifiers");
    const SandboxRun run = RunSandbox({ "--headless", "--frames", "1", "--data", folder, "mosk" });
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.errors.find("no modifiers in " + folder + "/modifiers"), std::string::npos) << run.output;
}

// "script FILE" runs a file from the console; a script that runs itself
// stops at a depth instead of exhausting the stack.
TEST(SandboxRun, ScriptCommandRunsFilesAndStopsEndlessNesting)
{
    const std::string folder = TestFolder();
    const std::string inner = WriteFile(folder, "inner.txt", "tc_list tod_noon_clear\n");
    const SandboxRun run = RunScript(folder, "script " + inner + "\n");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] 1 of 2093 modifiers")) << run.output;

    const std::string self = folder + "/self.txt";
    WriteFile(folder, "self.txt", "script " + self + "\n");
    const SandboxRun endless = RunSandbox({ "--headless", "--script", self });
    EXPECT_EQ(endless.exitCode, 1) << endless.output;
    EXPECT_EQ(endless.CountContaining("scripts nest 16 deep"), 1) << endless.output;
}

// help lists every command, the sandbox's and the component's, each with a
// line that says what it does; help NAME gives the usage.
TEST(SandboxRun, HelpExplainsEveryCommand)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, "help\nhelp tc_show\nhelp TIMECYCLEEDITOR\nhelp set\n");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* name : { "frame", "screenshot", "ui_click", "ui_windows", "window_size", "tc_show", "tc_load",
                              "debug_fatal", "help", "set", "timecycleeditor" })
    {
        bool described = false;
        for (const std::string& line : run.Lines())
        {
            const std::string start = std::string("[sandbox]   ") + name + " ";
            described |= line.starts_with(start) && line.find_first_not_of(' ', start.size()) != std::string::npos;
        }
        EXPECT_TRUE(described) << name << "\n" << run.output;
    }
    EXPECT_TRUE(run.HasLine("[sandbox] usage: tc_show NAME")) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] usage: timecycleeditor [VALUE]")) << run.output;
    EXPECT_EQ(run.CountContaining("console variable, now \"false\""), 2) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] usage: set NAME VALUE")) << run.output;

    const SandboxRun unknown = RunScript(folder, "help no_such_command\n");
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.errors.find("no command named \"no_such_command\""), std::string::npos) << unknown.output;
}

// Tab after a command completes its argument from the argument's set.
TEST(SandboxRun, TabCompletesArguments)
{
    const std::string folder = TestFolder();
    WriteFile(folder, "saved_sunrise.xml", "");
    auto completing = [](const std::string& typed) {
        return "ui_key ctrl+a\nui_key backspace\nui_type ##console_input \"" + typed + "\"\nui_key tab\nui_texts\n";
    };
    const SandboxRun run = RunScript(folder, "ui_window Console\n" + completing("tc_show tod_sunrise_wa") +
                                                 completing("set timecycleed") + completing("tc_load " + folder + "/saved_") +
                                                 completing("tc_diff tod_"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] { tc_show tod_sunrise_warm  }")) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] { set timecycleeditor  }")) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] { tc_load " + folder + "/saved_sunrise.xml  }")) << run.output;

    // Many matches: the first 20 and how many more.
    std::string listed;
    for (const std::string& line : run.Lines())
        if (line.starts_with("[sandbox] Possible matches: tod_"))
            listed = line;
    ASSERT_FALSE(listed.empty()) << run.output;
    int names = 0;
    for (size_t at = listed.find("tod_"); at != std::string::npos; at = listed.find("tod_", at + 1))
        ++names;
    EXPECT_EQ(names, 20) << listed;
    EXPECT_NE(listed.find(" more"), std::string::npos) << listed;
}

// A widget that is not there: the message names at most 20 of the labels
// drawn and how many more there were, instead of every modifier's row.
TEST(SandboxRun, AFailedClickNamesAFewCandidates)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunScript(folder, "timecycleeditor true\nframe 2\nui_click no_such_widget\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("\"no_such_widget\""), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(" more labelled"), std::string::npos) << run.errors;
    int quoted = 0;
    for (size_t at = run.errors.find(", \""); at != std::string::npos; at = run.errors.find(", \"", at + 1))
        ++quoted;
    EXPECT_LE(quoted, 20) << run.errors;
    EXPECT_LT(run.errors.size(), 4000u) << run.errors;
}

// Ticking "Apply selected" over a primary applied by hand asks nothing but
// says what it did to it, outdoors and inside a room.
TEST(SandboxRun, ApplySelectedSaysWhatItReplaced)
{
    const struct
    {
        const char* interior;
        const char* status;
        const char* primary;
    } cases[] = {
        { "off", "Status Apply selected replaced the primary modifier w_clear_light with w_clear_dusk",
          "[sandbox] primary: w_clear_dusk" },
        { "on",
          "Status Apply selected cleared the primary modifier w_clear_light: inside a room, w_clear_dusk replaces "
          "the room's own timecycle",
          "[sandbox] primary: none" },
    };
    for (const auto& place : cases)
    {
        const std::string folder = TestFolder();
        const SandboxRun run = RunScript(folder, std::string("timecycleeditor true\nframe\ninterior ") + place.interior +
                                                     R"(
ui_click w_clear_light
ui_click "As primary"
ui_type ##controls_search_name w_clear_dusk
ui_click w_clear_dusk
ui_click "Apply selected"
ui_click ##detail_filter_param
ui_texts
tc_state
)");
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(run.CountContaining(place.status), 1) << place.interior << "\n" << run.output;
        EXPECT_EQ(run.CountContaining(place.primary), 1) << place.interior << "\n" << run.output;
    }
}

// The table shows three decimals, but the exact value under the mouse, where
// typing starts from it, and in the tooltip's "Original" and "Now".
TEST(SandboxRun, ExactValuesShowUnderTheMouse)
{
    const SandboxRun run = RunScript(TestFolder(), R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 0.2469
frame 2
ui_texts
ui_click ##detail_filter_param
ui_texts
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.CountContaining("| light_street_mult | 1.000000 | { 0.2469 }"), 1) << run.output;
    EXPECT_EQ(run.CountContaining("| light_street_mult | 1.000000 | { 0.247 }"), 1) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] Original: 0.200")) << run.output;
    EXPECT_TRUE(run.HasLine("[sandbox] Now: 0.2469")) << run.output;
}
}
