// Console arguments: reading booleans, their text, and the argument list.
#include "ConsoleArgument.h"
#include "ProgramArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace
{
struct ParseBoolCase
{
    std::string text;
    bool expected;
};

class ParseBoolTest : public ::testing::TestWithParam<ParseBoolCase>
{
};

TEST_P(ParseBoolTest, ReadsTextAndAlwaysSucceeds)
{
    // Start from the opposite, so a result that is never written shows.
    bool value = !GetParam().expected;
    EXPECT_TRUE(ParseBool(GetParam().text, value));
    EXPECT_EQ(value, GetParam().expected) << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Words, ParseBoolTest,
                         ::testing::Values(ParseBoolCase{ "TRUE", true }, ParseBoolCase{ "true", true },
                                           ParseBoolCase{ "True", true }, ParseBoolCase{ "tRuE", true },
                                           ParseBoolCase{ "FALSE", false }, ParseBoolCase{ "false", false },
                                           ParseBoolCase{ "False", false },
                                           // Words must match whole.
                                           ParseBoolCase{ "truex", false }, ParseBoolCase{ " true", false },
                                           ParseBoolCase{ "yes", false }));

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseBoolTest,
    ::testing::Values(ParseBoolCase{ "1", true }, ParseBoolCase{ "2", true }, ParseBoolCase{ "007", true },
                      // -1 reads as the largest unsigned value.
                      ParseBoolCase{ "-1", true }, ParseBoolCase{ "1abc", true }, ParseBoolCase{ "  5", true },
                      ParseBoolCase{ "+3", true }, ParseBoolCase{ "18446744073709551615", true },
                      ParseBoolCase{ "0", false }, ParseBoolCase{ "000", false }, ParseBoolCase{ "-0", false },
                      // Reading stops at the x.
                      ParseBoolCase{ "0x1", false }));

INSTANTIATE_TEST_SUITE_P(NeitherWordNorNumber, ParseBoolTest,
                         ::testing::Values(ParseBoolCase{ "abc", false }, ParseBoolCase{ "", false },
                                           ParseBoolCase{ "   ", false }, ParseBoolCase{ "-", false },
                                           ParseBoolCase{ "x1", false },
                                           // Beyond 64 bits: out of range, not a huge true.
                                           ParseBoolCase{ "18446744073709551616", false },
                                           ParseBoolCase{ "99999999999999999999999999", false },
                                           ParseBoolCase{ "-18446744073709551616", false }));

TEST(ParseBool, OutOfRangeDoesNotLeakIntoTheNextRead)
{
    bool value = true;
    ParseBool("18446744073709551616", value);
    EXPECT_FALSE(value);
    ParseBool("1", value);
    EXPECT_TRUE(value);
}

TEST(BoolToString, WritesTheWords)
{
    EXPECT_EQ(BoolToString(true), "true");
    EXPECT_EQ(BoolToString(false), "false");
}

TEST(TypeName, SpellsTypesAsWritten)
{
    EXPECT_EQ(internal::TypeName<bool>(), "bool");
    EXPECT_EQ(internal::TypeName<int>(), "int");
}

TEST(ProgramArguments, CountsAndReadsInOrder)
{
    const ProgramArguments arguments({ "first", "", "third" });
    ASSERT_EQ(arguments.Count(), 3u);
    EXPECT_EQ(arguments.Get(0), "first");
    EXPECT_EQ(arguments.Get(1), "");
    EXPECT_EQ(arguments[2], "third");
    EXPECT_EQ(ProgramArguments().Count(), 0u);
}

// The assertion report names the expression, path and line of the site;
// as a regular expression, with every character taken literally.
std::string AssertionReport(const std::string& expression, int line)
{
    std::string text = "Assertion failure: " + expression +
                       "\nFile: code/client/lumen/console/ProgramArguments, Line: " + std::to_string(line);
    std::string pattern;
    for (char c : text)
    {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

using ProgramArgumentsDeathTest = ::testing::Test;

TEST_F(ProgramArgumentsDeathTest, IndexOutsideTheListIsAnAssertionFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ProgramArguments arguments({ "only" });
    const std::string getReport = AssertionReport("i >= 0 && i < m_arguments.size()", 59);
    const std::string indexReport = AssertionReport("i < m_arguments.size()", 71);

    EXPECT_DEATH(arguments.Get(1), getReport);
    EXPECT_DEATH(arguments.Get(-1), getReport);
    EXPECT_DEATH(ProgramArguments().Get(0), getReport);
    EXPECT_DEATH(arguments[1], indexReport);
}
}
