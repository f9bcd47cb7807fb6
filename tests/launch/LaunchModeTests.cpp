#include "LaunchTestSupport.h"

#include <algorithm>
#include <cstring>

namespace
{
struct LaunchModeCase
{
    const char* what;
    std::vector<std::string> argv;
    std::optional<std::string> sdkGuest;
    std::vector<std::string> report; // sdk, mosk, key
};

void PrintTo(const LaunchModeCase& test, std::ostream* out)
{
    *out << test.what;
}

class LaunchModeTest : public testing::TestWithParam<LaunchModeCase>
{
};

TEST_P(LaunchModeTest, ComesFromTheCommandLineAndTheEnvironment)
{
    const LaunchModeCase& test = GetParam();
    const ProbeResult result = RunProbe({test.argv, test.sdkGuest, {"sdk", "mosk", "key"}});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.lines, test.report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaunchModeTest,
    testing::Values(
        LaunchModeCase{"plain", {"game", "-windowed"}, {}, {"sdk=0", "mosk=0", "key="}},
        LaunchModeCase{"mosk", {"game", "-mosk"}, {}, {"sdk=0", "mosk=1", "key=mosk"}},
        LaunchModeCase{"moskInTheProgramPath", {"/opt/moskit/game"}, {}, {"sdk=0", "mosk=1", "key=mosk"}},
        LaunchModeCase{"moskIsCaseSensitive", {"game", "MOSK"}, {}, {"sdk=0", "mosk=0", "key="}},
        LaunchModeCase{"cl2", {"game", "+cl2"}, {}, {"sdk=0", "mosk=0", "key=cl2"}},
        LaunchModeCase{"moskWinsOverCl2", {"game", "cl2", "mosk"}, {}, {"sdk=0", "mosk=1", "key=mosk"}},
        // An SDK guest is never a mosk launch, yet shares the mosk block.
        LaunchModeCase{"sdkGuestWithMosk", {"game", "mosk"}, "", {"sdk=1", "mosk=0", "key=mosk"}},
        LaunchModeCase{"sdkGuestWithCl2", {"game", "cl2"}, "0", {"sdk=1", "mosk=0", "key=mosk"}}),
    [](const testing::TestParamInfo<LaunchModeCase>& info) { return info.param.what; });

struct SharedBlockCase
{
    const char* what;
    std::vector<std::string> argv;
    std::optional<std::string> sdkGuest;
    std::string launchModeKey;
};

void PrintTo(const SharedBlockCase& test, std::ostream* out)
{
    *out << test.what;
}

class SharedBlockTest : public testing::TestWithParam<SharedBlockCase>
{
};

// The launcher holds the block with its values; a process of the same launch
// mode finds exactly that block and leaves the values as they are.
TEST_P(SharedBlockTest, IsSeenByTheNextProcessOfTheLaunch)
{
    const SharedBlockCase& test = GetParam();
    InitStateView block = CreateBlockFor(test.launchModeKey);
    block->reserved0 = 0x1122334455667788;
    block->reserved8 = 8;
    block->reserved12 = 12;
    block->reserved16 = 16;
    block->reserved17 = 0;
    block->reserved19 = 19;
    SetText(block->rootPath, u"/launcher/root/");
    SetText(block->commandLine, u"launcher.exe pure_4");
    const KelInitState written = *block.Get();

    const ProbeResult result = RunProbe({test.argv, test.sdkGuest, {"block", "rootPath", "commandLine", "pure"}});
    EXPECT_EQ(result.exitCode, 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&written);
    const size_t nonZero = sizeof(KelInitState) - std::count(bytes, bytes + sizeof(KelInitState), 0);
    const std::vector<std::string> expected = {
        "block=fallback:0 r0:1234605616436508552 r8:8 r12:12 r16:16 r17:0 app:0 r19:19 nonzero:" +
            std::to_string(nonZero),
        "rootPath=/launcher/root/", "commandLine=launcher.exe pure_4", "pure=4"};
    EXPECT_EQ(result.lines, expected);
    EXPECT_EQ(std::memcmp(block.Get(), &written, sizeof(KelInitState)), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SharedBlockTest,
                         testing::Values(SharedBlockCase{"noKey", {"game"}, {}, ""},
                                         SharedBlockCase{"mosk", {"game", "-mosk"}, {}, "mosk"},
                                         SharedBlockCase{"sdkGuest", {"game"}, "1", "mosk"},
                                         SharedBlockCase{"cl2", {"game", "cl2"}, {}, "cl2"}),
                         [](const testing::TestParamInfo<SharedBlockCase>& info) { return info.param.what; });

struct DeadLaunchCase
{
    const char* what;
    const char* ending; // the probe's last step
    bool fatalError;
};

void PrintTo(const DeadLaunchCase& test, std::ostream* out)
{
    *out << test.what;
}

class BlockOfADeadLaunchTest : public LaunchTest, public testing::WithParamInterface<DeadLaunchCase>
{
};

// A process of a launch holds the block with its install root and dies
// without closing it; the next process of the same launch mode finds no
// holder, so it starts the block afresh and resolves its own root.
TEST_P(BlockOfADeadLaunchTest, IsCreatedAfreshForTheNextProcess)
{
    const DeadLaunchCase& test = GetParam();
    const std::filesystem::path firstRoot = MakeFolder();
    std::filesystem::create_directories(firstRoot / "data" / "cache");

    const ProbeResult first =
        RunProbe({{"game", "cl2"}, {}, {"hold", "rootPath=" + RootText(firstRoot), "root", test.ending}});
    EXPECT_EQ(first.lines, std::vector<std::string>{"root=" + RootText(firstRoot)});
    if (test.fatalError)
    {
        // Stopped at the assertion after writing its record under the first
        // launch's root.
        EXPECT_TRUE(StoppedAtAssertion(first)) << first.exitCode << " " << first.signal;
        EXPECT_TRUE(std::filesystem::exists(firstRoot / "data" / "cache" / "error-pickup"));
    }
    else
    {
        EXPECT_EQ(first.exitCode, 3);
    }

    const std::string ownFolder = RootText(std::filesystem::canonical(LaunchProbePath()).parent_path());
    const ProbeResult next = RunProbe({{"game", "cl2"}, {}, {"block", "root"}});
    EXPECT_EQ(next.exitCode, 0);
    const std::vector<std::string> expected = {
        "block=fallback:0 r0:0 r8:0 r12:-1 r16:0 r17:1 app:0 r19:0 nonzero:5", "root=" + ownFolder};
    EXPECT_EQ(next.lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlockOfADeadLaunchTest,
                         testing::Values(DeadLaunchCase{"endedAtOnce", "vanish", false},
                                         DeadLaunchCase{"stoppedByAFailedAssertion", "assert", true}),
                         [](const testing::TestParamInfo<DeadLaunchCase>& info) { return info.param.what; });
}
