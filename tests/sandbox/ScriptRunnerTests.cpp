// Script lines: comments, blanks, and the first failing line stopping the
// script with its number.
#include "ScriptRunner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
using namespace sandbox;

struct CommandCase
{
    const char* line;
    const char* command;
};

class ScriptLines : public testing::TestWithParam<CommandCase>
{
};

TEST_P(ScriptLines, CommandWithoutCommentAndBlanks)
{
    EXPECT_EQ(ScriptCommand(GetParam().line), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    ScriptRunner, ScriptLines,
    testing::Values(CommandCase{ "frame 3", "frame 3" },
                    CommandCase{ "  \tframe 3 \r", "frame 3" },
                    CommandCase{ "", "" },
                    CommandCase{ "   ", "" },
                    CommandCase{ "# open the editor", "" },
                    CommandCase{ "   #indented comment", "" },
                    CommandCase{ "frame 3 # settle", "frame 3" },
                    CommandCase{ "frame 3 #", "frame 3" },
                    // A '#' inside a word is part of it: widget ids.
                    CommandCase{ "ui_click ##xml_output", "ui_click ##xml_output" },
                    CommandCase{ "ui_drag ##1a2b-85-1 40 # value1", "ui_drag ##1a2b-85-1 40" },
                    CommandCase{ "ui_click Apply#2", "ui_click Apply#2" },
                    // Inside quotes nothing is a comment.
                    CommandCase{ "ui_type ##search \"a # b\"", "ui_type ##search \"a # b\"" }));

TEST(ScriptRunner, StopsAtTheFirstFailingLineWithItsNumber)
{
    std::istringstream script("# comment\n"
                              "\n"
                              "good one\n"
                              "bad two   # fails\n"
                              "good three\n");
    std::vector<std::string> ran;
    const ScriptResult result = RunScript(
        script,
        [&](const std::string& line) {
            ran.push_back(line);
            return !line.starts_with("bad");
        },
        [] { return false; });

    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.failedLine, 4);
    EXPECT_EQ(result.failedText, "bad two");
    EXPECT_EQ(ran, (std::vector<std::string>{ "good one", "bad two" }));
}

TEST(ScriptRunner, RunsEveryLineAndStopsEarlyWhenAsked)
{
    std::istringstream script("one\ntwo\nquit\nfour\n");
    std::vector<std::string> ran;
    const ScriptResult result = RunScript(
        script,
        [&](const std::string& line) {
            ran.push_back(line);
            return true;
        },
        [&] { return !ran.empty() && ran.back() == "quit"; });

    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(ran, (std::vector<std::string>{ "one", "two", "quit" }));
}
}
