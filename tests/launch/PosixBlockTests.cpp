// The init-state block as POSIX keeps it (an object of this user that nobody
// else may touch, removed by its last holder), and a probe in a folder too
// deep for the block's root.
#include "LaunchTestSupport.h"
#include "ShmIsolation.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
TEST(InitState, ABlockOthersMayWriteIsNotUsed)
{
    // Made by "someone else": readable and writable by everybody.
    const std::string objectName = "/" + FormatInitStateName("", "InitStateTest.Foreign");
    const int fd = shm_open(objectName.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(fchmod(fd, 0666), 0);
    ASSERT_EQ(ftruncate(fd, sizeof(KelInitState)), 0);
    close(fd);

    InitStateView block = OpenInitStateNamed(FormatInitStateName("", "InitStateTest.Foreign"));
    EXPECT_TRUE(block.IsFallback());
    EXPECT_TRUE(HasCreationValues(block.Get()));
    block.Close();
    shm_unlink(objectName.c_str());
}

TEST(SharedBlock, AProcessThatFindsNoneCreatesItWithTheCreationValues)
{
    const ProbeResult result = RunProbe({{"game"}, {}, {"block"}});
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {"block=fallback:0 r0:0 r8:0 r12:-1 r16:0 r17:1 app:0 r19:0 nonzero:5"};
    EXPECT_EQ(result.lines, expected);

    // Nobody holds it any more, so it is gone.
    struct stat info{};
    const std::string file = "/dev/shm/" + TestShmPrefix() + FormatInitStateName("", "KelInitState");
    EXPECT_NE(stat(file.c_str(), &info), 0);
}

TEST_F(LaunchTest, AnExecutableFolderTooLongForTheBlockIsUsedButNotStored)
{
    fs::path deep = MakeFolder();
    while (deep.string().size() < 1100)
        deep /= std::string(200, 'd');
    fs::create_directories(deep);
    fs::copy_file(LaunchProbePath(), deep / "launch_probe");
    fs::permissions(deep / "launch_probe", fs::perms::owner_all);

    InitStateView block = CreateBlockFor("");
    const ProbeResult result = RunProbe({{"game"}, {}, {"resolve"}}, (deep / "launch_probe").string());
    EXPECT_EQ(result.lines, std::vector<std::string>{"resolve=" + deep.string() + "/"});
    EXPECT_EQ(block->rootPath[0], u'\0');
}
}
