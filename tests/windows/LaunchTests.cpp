// The launch environment on Windows: the init-state block shared between
// processes by name, the pure level of real command lines, and the install
// root. Processes here are wine processes of their own; the block names carry
// this test's prefix (ObjectIsolation.h), and each probe inherits it.
#include "LaunchEnvironment.h"
#include "ObjectIsolation.h"
#include "Utils.h"
#include "WindowsCommandLine.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using wintest::OutputValue;

namespace
{
wintest::ProcessRun RunProbe(const char* action, const std::wstring& commandLine = L"windows_probe")
{
    return wintest::RunProcess(wintest::ProgramFolder() / "windows_probe.exe", commandLine,
                               {{L"VESK_PROBE_ACTION", std::wstring(action, action + strlen(action))}});
}

template<size_t N>
void Store(char16_t (&array)[N], std::u16string_view text)
{
    ASSERT_LT(text.size(), N);
    std::copy(text.begin(), text.end(), array);
    array[text.size()] = u'\0';
}

std::u16string FromPath(const fs::path& path)
{
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
}

TEST(SharedInitState, ASecondProcessSeesWhatTheFirstWrote)
{
    InitStateView block = OpenInitState("KelInitState");
    ASSERT_FALSE(block.IsFallback());
    Store(block->rootPath, u"C:\\Games\\Tarn\\");
    Store(block->commandLine, u"game.exe \"C:\\some dir\\\\\" pure_7");
    block->reserved8 = 1234;
    block->createAppFolder = 0;

    const wintest::ProcessRun run = RunProbe("block");
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(OutputValue(run.output, "fallback"), "0");
    EXPECT_EQ(OutputValue(run.output, "fresh"), "0");
    EXPECT_EQ(OutputValue(run.output, "rootPath"), "C:\\Games\\Tarn\\");
    EXPECT_EQ(OutputValue(run.output, "reserved8"), "1234");
    // The block's command line stands in for the probe's own.
    EXPECT_EQ(OutputValue(run.output, "pure"), "7");

    // And what the probe wrote is here.
    EXPECT_EQ(block->reserved8, 0x5EEDu);
}

TEST(SharedInitState, AnExistingBlockKeepsItsValues)
{
    InitStateView block = OpenInitState("KelInitState");
    block->reserved12 = 5;
    block->reserved17 = 0;

    const wintest::ProcessRun run = RunProbe("block");
    EXPECT_EQ(OutputValue(run.output, "reserved12"), "5");
    EXPECT_EQ(OutputValue(run.output, "reserved17"), "0");
}

TEST(SharedInitState, ABlockAProcessCreatesGetsTheCreationValues)
{
    // Nobody holds the block: each probe creates it afresh.
    for (int probe = 0; probe < 2; ++probe)
    {
        const wintest::ProcessRun run = RunProbe("block");
        ASSERT_EQ(run.exitCode, 0u) << run.output;
        EXPECT_EQ(OutputValue(run.output, "fallback"), "0");
        EXPECT_EQ(OutputValue(run.output, "fresh"), "1") << "every other byte zero";
        EXPECT_EQ(OutputValue(run.output, "reserved12"), "-1");
        EXPECT_EQ(OutputValue(run.output, "reserved17"), "1");
        EXPECT_EQ(OutputValue(run.output, "reserved8"), "0") << "the first probe's write went with its block";
    }

    InitStateView block = OpenInitState("KelInitState");
    const KelInitState fresh = FreshInitState();
    EXPECT_EQ(memcmp(block.Get(), &fresh, sizeof(fresh)), 0);
}

TEST(SharedInitState, NameFollowsTheLaunchMode)
{
    // The probe's launch-mode key comes from its own command line; a block
    // under another key is another block.
    InitStateView plain = OpenInitState("KelInitState");
    Store(plain->rootPath, u"C:\\plain\\");

    const wintest::ProcessRun mosk = RunProbe("block", L"windows_probe mosk");
    EXPECT_EQ(OutputValue(mosk.output, "fresh"), "1");
    const wintest::ProcessRun cl2 = RunProbe("block", L"windows_probe cl2");
    EXPECT_EQ(OutputValue(cl2.output, "fresh"), "1");
    const wintest::ProcessRun same = RunProbe("block", L"windows_probe");
    EXPECT_EQ(OutputValue(same.output, "rootPath"), "C:\\plain\\");
}

struct PureLevelCase
{
    const wchar_t* commandLine;
    int level;
};

void PrintTo(const PureLevelCase& test, std::ostream* out)
{
    *out << ToUtf8(std::u16string(test.commandLine, test.commandLine + wcslen(test.commandLine)));
}

// Quoted arguments with blanks and backslashes, split as the system splits
// the probe's real command line.
const PureLevelCase kPureLevelCases[] = {
    {LR"(windows_probe pure_3)", 3},
    {LR"(windows_probe "C:\Program Files\Tarn" pure_2)", 2},
    {LR"(windows_probe "C:\dir with blank\\" pure_4)", 4},
    // The escaped quote keeps the quoted part open: "pure_5" is inside the
    // first argument, which still contains it.
    {LR"(windows_probe "C:\dir with blank\" pure_5 x)", 5},
    {LR"(windows_probe "say \"pure_6\"")", 6},
    {LR"(windows_probe "pure_ 8")", 8},
    {LR"(windows_probe a\\\"pure_1 pure_2)", 1},
    {LR"("C:\pure_9 dir\windows_probe.exe" other)", 0},
    {LR"(windows_probe pure_)", 0},
    {LR"(windows_probe pure_-3)", -3},
    {LR"(windows_probe "" pure_11)", 11},
    {LR"(windows_probe xpure_12y)", 12},
};

class PureLevel : public testing::TestWithParam<PureLevelCase>
{
};

TEST_P(PureLevel, AgreesWithCommandLineToArgvW)
{
    const std::wstring commandLine = GetParam().commandLine;
    const wintest::ProcessRun run = RunProbe("launch", commandLine);
    ASSERT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(OutputValue(run.output, "pure"), std::to_string(GetParam().level)) << run.output;

    // The probe got exactly this command line, and our POSIX splitter reads
    // it as the system did.
    std::vector<std::string> systemArguments;
    for (const std::string& line : wintest::OutputLines(run.output))
    {
        if (line.rfind("arg=", 0) == 0)
            systemArguments.push_back(line.substr(4));
    }
    std::vector<std::string> ourArguments;
    for (const std::u16string& argument :
         platform::SplitWindowsCommandLine(std::u16string(commandLine.begin(), commandLine.end())))
        ourArguments.push_back(ToUtf8(argument));
    EXPECT_EQ(ourArguments, systemArguments);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, PureLevel, testing::ValuesIn(kPureLevelCases));

// The install root, resolved in this process from a root the block gives.
class InstallRoot : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FromPath(m_folder.Path()) + u'\\';
        Store(m_block->rootPath, m_root);
    }

    void CreateFile(const std::u16string& name)
    {
        std::ofstream(m_folder.Path() / std::wstring(name.begin(), name.end())) << "x";
    }

    wintest::TemporaryFolder m_folder;
    InitStateView m_block = OpenInitState("KelInitState");
    std::u16string m_root;
};

TEST_F(InstallRoot, IsTheBlocksRootWithoutATarnAppFolder)
{
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(m_root));
    EXPECT_FALSE(fs::exists(m_folder.Path() / "Tarn.app"));
}

TEST_F(InstallRoot, MovesIntoTarnAppWhenTheCoreRuntimeIsNotThere)
{
    fs::create_directory(m_folder.Path() / "Tarn.app");
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(m_root + u"Tarn.app\\"));
}

TEST_F(InstallRoot, StaysBesideTheCoreRuntime)
{
    fs::create_directory(m_folder.Path() / "Tarn.app");
    CreateFile(u"CoreRT.dll");
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(m_root));
}

TEST_F(InstallRoot, ATarnAppFileIsNoFolder)
{
    CreateFile(u"Tarn.app");
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(m_root));
}

TEST_F(InstallRoot, CreatesTarnAppWhenTheLauncherAsks)
{
    m_block->createAppFolder = 1;
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(m_root + u"Tarn.app\\"));
    EXPECT_TRUE(fs::is_directory(m_folder.Path() / "Tarn.app"));
}

TEST_F(InstallRoot, CreatesNothingBesideTheCoreRuntime)
{
    m_block->createAppFolder = 1;
    CreateFile(u"CoreRT.dll");
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(m_root));
    EXPECT_FALSE(fs::exists(m_folder.Path() / "Tarn.app"));
}

TEST_F(InstallRoot, EndsTheProcessWhenTarnAppCannotBeCreated)
{
    Store(m_block->rootPath, m_root + u"missing\\");
    m_block->createAppFolder = 1;
    EXPECT_EXIT(ResolveInstallRoot(), testing::ExitedWithCode(1), "");
}

TEST_F(InstallRoot, IsTheExecutablesFolderWhenTheBlockHasNone)
{
    m_block->rootPath[0] = u'\0';
    const std::u16string folder = FromPath(wintest::ProgramFolder()) + u'\\';
    EXPECT_EQ(ToUtf8(ResolveInstallRoot()), ToUtf8(folder));
    EXPECT_EQ(ToUtf8(BlockText(m_block->rootPath)), ToUtf8(folder)) << "written for the next process";

    // A probe of the same launch finds it there.
    const wintest::ProcessRun run = RunProbe("install-root");
    EXPECT_EQ(OutputValue(run.output, "root"), ToUtf8(folder));
}
}
