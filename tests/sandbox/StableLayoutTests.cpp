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

namespace
{
struct ColumnFit
{
    int room = 0;
    int content = 0;
};

// Each ui_columns listing's column of that name, in order.
std::vector<ColumnFit> ColumnsNamed(const SandboxRun& run, const std::string& name)
{
    const std::regex column("^\\[sandbox\\] column \"" + name + "\" room ([0-9]+) content (-?[0-9]+)$");
    std::vector<ColumnFit> fits;
    std::smatch match;
    for (const std::string& line : run.Lines())
        if (std::regex_match(line, match, column))
            fits.push_back({ std::stoi(match[1]), std::stoi(match[2]) });
    return fits;
}

// Names are read whole: the "Name" column is as wide as the widest name with
// its colour swatch, in a narrow window too, and "Var" no wider than its
// numbers.
TEST(ReadableTable, NamesFitAndVarIsAsNarrowAsItsNumbers)
{
    for (const char* size : { "1280x720", "900x600" })
    {
        const SandboxRun run = RunScript(TestFolder(), R"(timecycleeditor true
ui_click w_clear_light
frame
ui_columns
)", { "--size", size, "mosk" });
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const std::vector<ColumnFit> name = ColumnsNamed(run, "Name");
        const std::vector<ColumnFit> var = ColumnsNamed(run, "Var");
        ASSERT_EQ(name.size(), 1u) << run.output;
        ASSERT_EQ(var.size(), 1u) << run.output;
        EXPECT_GT(name[0].content, 0) << run.output;
        EXPECT_LE(name[0].content, name[0].room) << "a name is cut at " << size << "\n" << run.output;
        EXPECT_LE(var[0].room, var[0].content + 1) << "\"Var\" is wider than its numbers\n" << run.output;
    }
}

// Escape closes the colour picker first, then the colour popup, and changes
// nothing.
TEST(ReadableTable, EscapeClosesThePickerThenThePopup)
{
    const SandboxRun run = RunScript(TestFolder(), R"(timecycleeditor true
tc_show tod_sunrise_warm
ui_click tod_sunrise_warm
ui_click ##{hash:tod_sunrise_warm}-{var:sky_zenith_col_r}-colour
ui_click ##ColorButton 0
ui_items
ui_key escape
ui_items
ui_key escape
ui_items
tc_show tod_sunrise_warm
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<bool> picker, popup;
    std::vector<std::string> zenith;
    for (const std::string& line : run.Lines())
    {
        if (line.find(" sky_zenith_col_") != std::string::npos)
            zenith.push_back(line);
        // The picker's own field, and the popup's channel fields.
        if (line.starts_with("[sandbox] \"Intensity\" at "))
            picker.back() = true;
        if (line.starts_with("[sandbox] \"##X\" at "))
            popup.back() = true;
        if (line == "[script] ui_items")
        {
            picker.push_back(false);
            popup.push_back(false);
        }
    }
    EXPECT_EQ(picker, (std::vector<bool>{ true, false, false })) << run.output;
    EXPECT_EQ(popup, (std::vector<bool>{ true, true, false })) << run.output;
    ASSERT_EQ(zenith.size(), 6u) << run.output;
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(zenith[i + 3], zenith[i]) << "closing changed the colour";
}
}
