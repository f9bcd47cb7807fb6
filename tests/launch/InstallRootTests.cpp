#include "KillableProcess.h"
#include "LaunchTestSupport.h"
#include "Platform.h"
#include "Utils.h"

#include <chrono>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace
{
enum class AppFolder { None, Folder, File };

struct InstallRootCase
{
    const char* what;
    bool coreRuntime;  // the root holds the core runtime's module
    AppFolder appFolder;
    bool createAppFolder;
    bool resolvesToAppFolder;
};

void PrintTo(const InstallRootCase& test, std::ostream* out)
{
    *out << test.what;
}

class InstallRootTest : public LaunchTest, public testing::WithParamInterface<InstallRootCase>
{
};

// The launcher set the root; the rules about the application folder decide
// whether it stays or moves into "Tarn.app".
TEST_P(InstallRootTest, FollowsTheApplicationFolderRules)
{
    const InstallRootCase& test = GetParam();
    const fs::path root = MakeFolder();
    if (test.coreRuntime)
        std::ofstream(root / platform::ModuleFileName("CoreRT")) << "module";
    if (test.appFolder == AppFolder::Folder)
        fs::create_directory(root / "Tarn.app");
    if (test.appFolder == AppFolder::File)
        std::ofstream(root / "Tarn.app") << "not a folder";

    InitStateView block = CreateBlockFor("");
    SetText(block->rootPath, AsRoot(root));
    block->createAppFolder = test.createAppFolder;

    const ProbeResult result = RunProbe({{"game"}, {}, {"resolve"}});
    EXPECT_EQ(result.exitCode, 0);
    const std::string expected = test.resolvesToAppFolder ? RootText(root / "Tarn.app") : RootText(root);
    EXPECT_EQ(result.lines, std::vector<std::string>{"resolve=" + expected});
    EXPECT_EQ(fs::is_directory(root / "Tarn.app"), test.resolvesToAppFolder || test.appFolder == AppFolder::Folder);
    EXPECT_EQ(BlockText(block->rootPath), AsRoot(root)) << "the launcher's root is left as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallRootTest,
    testing::Values(InstallRootCase{"rootAsSet", false, AppFolder::None, false, false},
                    InstallRootCase{"appFolderFound", false, AppFolder::Folder, false, true},
                    InstallRootCase{"appFolderIsAFile", false, AppFolder::File, false, false},
                    InstallRootCase{"coreRuntimeInTheRoot", true, AppFolder::Folder, false, false},
                    InstallRootCase{"appFolderCreated", false, AppFolder::None, true, true},
                    InstallRootCase{"appFolderAlreadyThere", false, AppFolder::Folder, true, true},
                    InstallRootCase{"nothingCreatedBesideTheCoreRuntime", true, AppFolder::None, true, false}),
    [](const testing::TestParamInfo<InstallRootCase>& info) { return info.param.what; });

TEST_F(LaunchTest, AnEmptyRootIsTheExecutablesFolderAndIsStored)
{
    InitStateView block = CreateBlockFor("");
    const std::string folder = RootText(fs::canonical(LaunchProbePath()).parent_path());

    const ProbeResult result = RunProbe({{"game"}, {}, {"resolve"}});
    EXPECT_EQ(result.lines, std::vector<std::string>{"resolve=" + folder});
    EXPECT_EQ(ToUtf8(BlockText(block->rootPath)), folder);
}

TEST_F(LaunchTest, ARootFillingItsArrayIsReadNoFurther)
{
    // No NUL in the array, and a path in the field right after it.
    InitStateView block = CreateBlockFor("");
    SetText(block->rootPath, std::u16string(std::size(block->rootPath), u'r'));
    SetText(block->reservedPaths[0], u"/elsewhere/");

    const ProbeResult result = RunProbe({{"game"}, {}, {"resolve"}});
    EXPECT_EQ(result.lines, std::vector<std::string>{"resolve=" + std::string(std::size(block->rootPath), 'r')});
}

TEST_F(LaunchTest, AnApplicationFolderThatCannotBeMadeEndsTheProcess)
{
    const fs::path root = MakeFolder() / "missing";
    InitStateView block = CreateBlockFor("");
    SetText(block->rootPath, AsRoot(root));
    block->createAppFolder = 1;

    const ProbeResult result = RunProbe({{"game"}, {}, {"key", "resolve", "key"}});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.lines, std::vector<std::string>{"key="});
}

// The first root is kept; once the launcher asks for the application folder,
// the root switches to a freshly resolved one, and only once.
TEST_F(LaunchTest, TheInstallRootSwitchesOnceToTheApplicationFolder)
{
    const fs::path root = MakeFolder();
    const fs::path other = MakeFolder();
    InitStateView block = CreateBlockFor("");
    SetText(block->rootPath, AsRoot(root));

    const ProbeResult result = RunProbe({{"game"},
                                         {},
                                         {"root", "rootPath=" + RootText(other), "root", "appFolder=1", "root",
                                          "appFolder=0", "rootPath=" + RootText(root), "root"}});
    const std::string first = RootText(root);
    const std::string second = RootText(other / "Tarn.app");
    EXPECT_EQ(result.lines, (std::vector<std::string>{"root=" + first, "root=" + first, "root=" + second,
                                                      "root=" + second}));
    EXPECT_TRUE(fs::is_directory(other / "Tarn.app"));
    EXPECT_FALSE(fs::exists(root / "Tarn.app"));
}

// Two launches of the same mode from different folders, one after the other:
// the second launcher writes its root into the block the first still holds.
// The first one's component started before that, so what it saves afterwards
// lands in its own root.
TEST_F(LaunchTest, AComponentKeepsTheRootItStartedWithWhenALaterLaunchWritesItsOwn)
{
    const fs::path first = MakeFolder();
    const fs::path second = MakeFolder();
    const fs::path started = first / "started";
    const fs::path secondLaunched = second / "launched";

    const std::string steps = "hold\nrootPath=" + RootText(first) + "\nstart\nsignal=" + started.string() +
                              "\nawait=" + secondLaunched.string() + "\nsave\n";
    KillableProcess firstLaunch(LaunchProbePath(), {"game"}, {{"LAUNCH_PROBE_STEPS", steps}});
    ASSERT_TRUE(firstLaunch.Started());
    for (int tries = 0; tries < 6000 && !fs::exists(started); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(fs::exists(started)) << "the first launch did not start its component";

    const ProbeResult secondLaunch =
        RunProbe({{"game"}, {}, {"rootPath=" + RootText(second), "start", "root", "signal=" + secondLaunched.string()}});
    EXPECT_EQ(secondLaunch.lines, std::vector<std::string>{"root=" + RootText(second)});

    EXPECT_EQ(firstLaunch.Wait(), 0);
    EXPECT_TRUE(fs::exists(first / "saved"));
    EXPECT_FALSE(fs::exists(second / "saved"));
}
}
