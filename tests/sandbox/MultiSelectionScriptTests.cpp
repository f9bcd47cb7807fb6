// A headless script over the committed data selects every modifier whose
// name holds "_night" (found by the search, as a user would), types "*0.8"
// into light_dir_mult's Value 1 of the multi-selection's table, and undoes
// it: the game's values read back through tc_show are judged against the
// data's own files.
#include "SandboxProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// Every modifier name of the data holding `part`, from its files.
std::vector<std::string> ModifierNamesHolding(const std::string& part)
{
    std::vector<std::string> names;
    const std::regex modifier(R"re(<modifier name="([^"]+)")re");
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VESK_TIMECYCLE_DATA) + "/modifiers"))
    {
        const std::string text = ReadFile(entry.path().string());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), modifier); it != std::sregex_iterator(); ++it)
        {
            const std::string name = (*it)[1];
            if (name.find(part) != std::string::npos)
                names.push_back(name);
        }
    }
    return names;
}

// light_dir_mult's Value 1 in each tc_show block of the output, by modifier,
// in the order shown.
std::map<std::string, std::vector<float>> LightDirMultShown(const SandboxRun& run)
{
    std::map<std::string, std::vector<float>> shown;
    const std::regex header(R"(^\[sandbox\] (\S+): index \d+)");
    const std::regex value(R"(^\[sandbox\]\s+\d+ light_dir_mult\s+(\S+) (\S+))");
    std::string current;
    for (const std::string& line : run.Lines())
    {
        std::smatch match;
        if (std::regex_search(line, match, header))
            current = match[1];
        else if (!current.empty() && std::regex_search(line, match, value))
            shown[current].push_back(std::strtof(match[1].str().c_str(), nullptr));
    }
    return shown;
}
}

TEST(SandboxMultiSelection, TypedExpressionOverEveryNightModifierAndItsUndo)
{
    const std::vector<std::string> nights = ModifierNamesHolding("_night");
    ASSERT_GT(nights.size(), 10u);

    std::string showAll;
    for (const std::string& name : nights)
        showAll += "tc_show " + name + "\n";
    const std::string folder = TestFolder();
    const std::string script = "timecycleeditor true\nframe\n" + showAll +
                               "ui_type ##controls_search_name _night\n"
                               "ui_click " + nights.front() + "\n"
                               "ui_key ctrl+a\n"
                               "ui_texts\n"
                               "ui_enter ##multi-{var:light_dir_mult}-1 *0.8\n" + showAll +
                               "ui_key ctrl+z\n" + showAll;
    const SandboxRun run = RunSandbox({ "--headless", "--script", WriteFile(folder, "nights.txt", script), "mosk" });
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.CountContaining(std::to_string(nights.size()) + " modifiers selected"), 1) << run.output;

    const auto shown = LightDirMultShown(run);
    size_t withTheParameter = 0;
    for (const std::string& name : nights)
    {
        const auto found = shown.find(name);
        if (found == shown.end())
            continue;
        ++withTheParameter;
        const std::vector<float>& values = found->second;
        ASSERT_EQ(values.size(), 3u) << name;
        EXPECT_EQ(values[1], values[0] * 0.8f) << name;
        EXPECT_EQ(values[2], values[0]) << name << " after Ctrl+Z";
    }
    EXPECT_GT(withTheParameter, 10u);
}
