// The editor's layout holds still while the user works: what a status line
// says and whether a modifier is applied move nothing below them, checked by
// where ui_items finds the widgets.
#include "SandboxProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

namespace
{
// The top edge of `label` in each ui_items listing of the run, in order.
std::vector<int> TopsOf(const SandboxRun& run, const std::string& label)
{
    const std::regex item("^\\[sandbox\\] \"" + label + "\" at \\((-?[0-9]+), (-?[0-9]+)\\) size .*");
    std::vector<int> tops;
    std::smatch match;
    for (const std::string& line : run.Lines())
        if (std::regex_match(line, match, item))
            tops.push_back(std::stoi(match[2]));
    return tops;
}

TEST(StableLayout, StatusAndAppliedModifierMoveNothing)
{
    const std::string folder = TestFolder();
    const SandboxRun run = RunSandbox({ "--headless", "--script", WriteFile(folder, "layout.txt", R"(timecycleeditor true
frame
ui_click w_clear_light
ui_items
ui_click "As primary"
frame
ui_items
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
ui_click "Save changed"
ui_click ##detail_filter_param
ui_items
ui_texts
)"), "mosk" });
    ASSERT_EQ(run.exitCode, 0) << run.output;
    // The status is a long one: it names a file deep in the test's folder.
    ASSERT_EQ(run.CountContaining("Status Saved to " + TestRoot()), 1) << run.output;

    const std::vector<int> row = TopsOf(run, "w_clear_light");
    ASSERT_EQ(row.size(), 3u) << run.output;
    EXPECT_EQ(row[1], row[0]) << "applying the modifier moved the list";
    const std::vector<int> filter = TopsOf(run, "##detail_filter_param");
    ASSERT_EQ(filter.size(), 3u) << run.output;
    EXPECT_THAT(filter, testing::Each(filter[0])) << "the status line moved the table";
}
}
