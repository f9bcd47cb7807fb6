#include "LaunchTestSupport.h"
#include "Utils.h"

#include <climits>
#include <cstring>

namespace
{
struct PureLevelCase
{
    std::u16string_view commandLine;
    int level;
};

TEST(ParsePureLevel, TakesTheNumberAfterTheFirstPureInAnArgument)
{
    const PureLevelCase cases[] = {
        {u"", 0},
        {u"game", 0},
        {u"game -windowed", 0},
        {u"game pure_2", 2},
        {u"game pure_2 pure_5", 2},
        {u"game -x xxpure_3", 3},
        {u"game +set pure_12abc", 12},
        {u"game \"-a pure_7\"", 7},
        {u"game \"pure_ 7\"", 7},
        {u"game pure_-2", -2},
        {u"game pure_99999999999", INT_MAX},
        // The first argument that has it decides, even with no number.
        {u"game pure_ pure_3", 0},
        {u"game pure_abc pure_3", 0},
        {u"game ab c pure_4", 4},
        {u"game PURE_5", 0},
        // The program path is never searched.
        {u"pure_5", 0},
        {u"\"C:\\games\\pure_5\\game.exe\" -x", 0},
        {u"/games/pure_5/game -x", 0},
    };
    for (const PureLevelCase& test : cases)
        EXPECT_EQ(ParsePureLevel(test.commandLine), test.level) << ToUtf8(test.commandLine);
}

struct ProcessPureLevelCase
{
    const char* what;
    std::vector<std::string> argv;
    std::optional<std::u16string> blockCommandLine; // no block held when absent
    std::string level;
};

void PrintTo(const ProcessPureLevelCase& test, std::ostream* out)
{
    *out << test.what;
}

class PureLevelTest : public testing::TestWithParam<ProcessPureLevelCase>
{
};

TEST_P(PureLevelTest, ComesFromTheBlocksCommandLineElseTheProcesss)
{
    const ProcessPureLevelCase& test = GetParam();
    std::optional<InitStateView> block;
    if (test.blockCommandLine)
    {
        block = CreateBlockFor("");
        SetText((*block)->commandLine, *test.blockCommandLine);
    }
    const ProbeResult result = RunProbe({test.argv, {}, {"pure"}});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, std::vector<std::string>{"pure=" + test.level});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PureLevelTest,
    testing::Values(ProcessPureLevelCase{"none", {"game", "-windowed"}, {}, "0"},
                    ProcessPureLevelCase{"firstWins", {"game", "pure_2", "pure_5"}, {}, "2"},
                    ProcessPureLevelCase{"insideAnArgument", {"game", "+set", "xpure_3"}, {}, "3"},
                    ProcessPureLevelCase{"argumentWithBlanks", {"game", "a b pure_4"}, {}, "4"},
                    ProcessPureLevelCase{"notInTheProgramPath", {"/games/pure_5/game", "-x"}, {}, "0"},
                    ProcessPureLevelCase{"blockCommandLine", {"game", "pure_1"}, u"launcher.exe pure_6", "6"},
                    ProcessPureLevelCase{"blockHidesTheProcesss", {"game", "pure_1"}, u"launcher.exe -x", "0"},
                    ProcessPureLevelCase{"emptyBlockCommandLine", {"game", "pure_1"}, u"", "1"}),
    [](const testing::TestParamInfo<ProcessPureLevelCase>& info) { return info.param.what; });

TEST(PureLevel, TheBlocksCommandLineLeavesTheLaunchModeAlone)
{
    InitStateView block = CreateBlockFor("");
    SetText(block->commandLine, u"launcher.exe mosk cl2 pure_3");
    const ProbeResult result = RunProbe({{"game"}, {}, {"key", "pure"}});
    EXPECT_EQ(result.lines, (std::vector<std::string>{"key=", "pure=3"}));
}

TEST(PureLevel, IsReadOncePerProcess)
{
    InitStateView block = CreateBlockFor("");
    SetText(block->commandLine, u"launcher.exe pure_3");
    const ProbeResult result = RunProbe({{"game"}, {}, {"pure", "commandLine=launcher.exe pure_8", "pure"}});
    EXPECT_EQ(result.lines, (std::vector<std::string>{"pure=3", "pure=3"}));
}

TEST(PureLevel, ACommandLineFillingItsArrayIsReadNoFurther)
{
    // No NUL in the array, "pure_" at its very end and a digit right after
    // it in the next field: the level must not come from that digit.
    InitStateView block = CreateBlockFor("");
    std::u16string commandLine = u"launcher.exe ";
    commandLine.append(std::size(block->commandLine) - commandLine.size() - 6, u'a');
    commandLine += u" pure_";
    SetText(block->commandLine, commandLine);
    ASSERT_EQ(block->commandLine[std::size(block->commandLine) - 1], u'_');
    const char16_t nine = u'9';
    std::memcpy(block->reserved12308, &nine, sizeof(nine));

    const ProbeResult result = RunProbe({{"game", "pure_1"}, {}, {"pure"}});
    EXPECT_EQ(result.lines, std::vector<std::string>{"pure=0"});
}
}
