// The Windows rules for command lines as the system applies them
// (CommandLineToArgvW) and as the POSIX build applies them itself
// (SplitWindowsCommandLine, JoinWindowsCommandLine): both must give the same
// arguments for the same command line.
#include "LaunchEnvironment.h"
#include "Platform.h"
#include "Utils.h"
#include "WindowsCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> InUtf8(const std::vector<std::u16string>& arguments)
{
    std::vector<std::string> result;
    for (const std::u16string& argument : arguments)
        result.push_back(ToUtf8(argument));
    return result;
}

// Command lines with blanks, quotes and backslashes in every position the
// rules treat apart.
const char* const kCommandLines[] = {
    R"(prog a  b)",
    "prog\ta\t\tb",
    "prog a \t ",
    R"(prog "a b"   c)",
    R"(prog x"a b"y)",
    R"(prog "" x)",
    R"(prog "a b)",
    R"(prog a\\b c\)",
    R"(prog a\"b)",
    R"(prog a\\\"b)",
    R"(prog a\\"b c")",
    R"(prog "a b\\" c)",
    R"(prog "a b\" c)",
    R"(prog "a\"b c")",
    R"(prog "a""b c")",
    R"(prog "a"""b c")",
    R"(prog a""b)",
    R"(prog """""")",
    R"(prog """""""")",
    R"(prog \\\\"a b" c)",
    R"(prog "C:\Program Files\Tarn\" pure_3)",
    R"(prog "C:\Program Files\Tarn\\" pure_3)",
    R"(prog "say \"pure_6\"" x)",
    R"("C:\Program Files\game.exe" -a)",
    R"("C:\dir\\" a)",
    R"("prog"x y)",
    R"("C:\pure_9\prog.exe" pure_1)",
    R"(C:\dir\"x y" z)",
    R"(C:\dir\prog.exe "C:\data dir\\" "-x" \"quoted\")",
    R"( a b)",
    "prog \xC3\xBC\xE2\x82\xAC \"\xF0\x9F\x98\x80 x\"",
};

class CommandLineRules : public testing::TestWithParam<const char*>
{
};

TEST_P(CommandLineRules, OurSplitterAgreesWithCommandLineToArgvW)
{
    const std::u16string commandLine = ToUtf16(GetParam());
    EXPECT_EQ(InUtf8(platform::SplitWindowsCommandLine(commandLine)), InUtf8(platform::SplitCommandLine(commandLine)))
        << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineRules, testing::ValuesIn(kCommandLines));

TEST(CommandLineRules, OurQuotingSplitsBackWithCommandLineToArgvW)
{
    const std::vector<std::u16string> argumentLists[] = {
        {u"C:\\Program Files\\Tarn\\game.exe", u"plain", u"", u"two words", u"tab\there", u"new\nline"},
        {u"prog", uR"(quote"inside)", uR"(")", uR"("")", uR"(back\slash)", uR"(trailing\)", uR"(trailing\\)"},
        {u"prog", uR"(\")", uR"(a\\"b)", u"ends with blank ", u"pure_5", u"\u00FC\u20AC\U0001F600"},
        {u"C:\\dir\\", u"a b", u"c"},
    };
    for (const std::vector<std::u16string>& arguments : argumentLists)
    {
        const std::u16string commandLine = platform::JoinWindowsCommandLine(arguments);
        EXPECT_EQ(InUtf8(platform::SplitCommandLine(commandLine)), InUtf8(arguments)) << ToUtf8(commandLine);
    }
}

TEST(CommandLineRules, EmptyCommandLineIsTheOneDifference)
{
    // CommandLineToArgvW gives the running program for an empty line; the
    // pure level never reads the program path, so both mean the same there.
    EXPECT_EQ(InUtf8(platform::SplitWindowsCommandLine(u"")), std::vector<std::string>{""});
    const std::vector<std::u16string> system = platform::SplitCommandLine(u"");
    ASSERT_EQ(system.size(), 1u);
    EXPECT_EQ(system[0], platform::GetExecutablePath());
    EXPECT_EQ(ParsePureLevel(u""), 0);
}
}
