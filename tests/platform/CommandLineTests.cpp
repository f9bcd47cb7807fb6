#include "ChildProcess.h"
#include "Platform.h"
#include "Utils.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
std::vector<std::string> Split(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    for (const std::u16string& argument : platform::SplitCommandLine(ToUtf16(commandLine)))
        arguments.push_back(ToUtf8(argument));
    return arguments;
}

struct SplitCase
{
    const char* what;
    std::string commandLine;
    std::vector<std::string> arguments;
};

const SplitCase kSplitCases[] = {
    {"blanksSeparate", "prog a  b", {"prog", "a", "b"}},
    {"tabsSeparate", "prog\ta\t\tb", {"prog", "a", "b"}},
    {"trailingBlanks", "prog a \t ", {"prog", "a"}},
    {"quotesKeepBlanks", R"(prog "a b"   c)", {"prog", "a b", "c"}},
    {"quotedPartInsideAnArgument", R"(prog x"a b"y)", {"prog", "xa by"}},
    {"emptyQuotedArgument", R"(prog "" x)", {"prog", "", "x"}},
    {"unterminatedQuote", R"(prog "a b)", {"prog", "a b"}},
    {"backslashesNotBeforeAQuote", R"(prog a\\b c\)", {"prog", R"(a\\b)", R"(c\)"}},
    {"oddBackslashesEscapeTheQuote", R"(prog a\"b)", {"prog", R"(a"b)"}},
    {"threeBackslashesAndAQuote", R"(prog a\\\"b)", {"prog", R"(a\"b)"}},
    {"evenBackslashesAndAQuote", R"(prog a\\"b c")", {"prog", R"(a\b c)"}},
    {"evenBackslashesBeforeAClosingQuote", R"(prog "a b\\" c)", {"prog", R"(a b\)", "c"}},
    {"escapedQuoteInsideQuotes", R"(prog "a\"b c")", {"prog", R"(a"b c)"}},
    {"doubledQuoteInsideQuotesEndsThem", R"(prog "a""b c")", {"prog", R"(a"b)", "c"}},
    {"threeQuotesInsideQuotes", R"(prog "a"""b c")", {"prog", R"(a"b c)"}},
    {"doubledQuoteOutsideQuotes", R"(prog a""b)", {"prog", "ab"}},
    {"sixQuotesGiveTwo", R"(prog """""")", {"prog", R"("")"}},
    {"quotedProgramPath", R"("C:\Program Files\game.exe" -a)",
     {R"(C:\Program Files\game.exe)", "-a"}},
    {"backslashesInTheProgramPath", R"("C:\dir\\" a)", {R"(C:\dir\\)", "a"}},
    {"textAfterTheProgramsQuote", R"("prog"x y)", {"prog", "x", "y"}},
    {"unquotedProgramPath", R"(C:\dir\"x y" z)", {R"(C:\dir\"x)", "y z"}},
    {"leadingBlank", " a b", {"", "a", "b"}},
    {"emptyCommandLine", "", {""}},
};

void PrintTo(const SplitCase& test, std::ostream* out)
{
    *out << test.commandLine;
}

class SplitCommandLineTest : public testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitCommandLineTest, GivesTheArgumentsOfTheWindowsRules)
{
    EXPECT_EQ(Split(GetParam().commandLine), GetParam().arguments) << GetParam().commandLine;
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitCommandLineTest, testing::ValuesIn(kSplitCases),
                         [](const testing::TestParamInfo<SplitCase>& info) { return info.param.what; });

// The probe writes its command line and, after a NUL, its executable path.
struct ProbeReport
{
    std::string commandLine;
    std::string executable;
};

ProbeReport RunProbe(const std::vector<std::string>& argv)
{
    const ChildRun run = RunChild(PLATFORM_PROBE, argv);
    EXPECT_EQ(run.exitCode, 0);
    const size_t nul = run.output.find('\0');
    if (nul == std::string::npos)
        return {run.output, {}};
    return {run.output.substr(0, nul), run.output.substr(nul + 1)};
}

TEST(ProcessCommandLine, SplitsBackIntoTheProcessArguments)
{
    const std::vector<std::string> argv = {
        "/opt/game dir/probe", "plain", "", "two words", "tab\there", "new\nline", R"(quote"inside)", R"(")",
        R"("")", R"(back\slash)", R"(trailing\)", R"(trailing\\)", R"(\")", R"(a\\"b)", "ends with blank ",
        "pure_5", "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80"};
    EXPECT_EQ(Split(RunProbe(argv).commandLine), argv);
}

struct ProgramPathCase
{
    std::string argv0;
    std::string programPath;
};

TEST(ProcessCommandLine, KeepsTheProgramPathAndTheArgumentsApart)
{
    // A quote cannot stand in a program path; it is dropped so that the
    // arguments after it stay as they are.
    const ProgramPathCase cases[] = {
        {"probe", "probe"},
        {"/dir with blank/probe", "/dir with blank/probe"},
        {R"(C:\dir\)", R"(C:\dir\)"},
        {R"(odd"name probe)", "oddname probe"},
        {"", ""},
    };
    for (const ProgramPathCase& test : cases)
    {
        const std::vector<std::string> expected = {test.programPath, "a b", "c"};
        EXPECT_EQ(Split(RunProbe({test.argv0, "a b", "c"}).commandLine), expected) << test.argv0;
    }
}

TEST(ExecutablePath, IsTheAbsolutePathOfTheRunningProgram)
{
    EXPECT_EQ(RunProbe({"whatever"}).executable, std::filesystem::canonical(PLATFORM_PROBE).string());
}
}
