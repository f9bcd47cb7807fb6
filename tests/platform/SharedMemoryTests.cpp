#include "Platform.h"
#include "Utils.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
constexpr size_t kSize = 12376;

// Names of this test process only, so that runs in parallel never meet.
std::string UniqueName(const char* what)
{
    return "vesk-platform-test-" + std::to_string(getpid()) + "-" + what;
}

bool ObjectExists(const std::string& name)
{
    struct stat info{};
    return stat(("/dev/shm/" + name).c_str(), &info) == 0;
}

mode_t ObjectMode(const std::string& name)
{
    struct stat info{};
    stat(("/dev/shm/" + name).c_str(), &info);
    return info.st_mode & 0777;
}

TEST(SharedMemory, CreatesAZeroedOwnerOnlyBlockThatGoesWithItsLastHolder)
{
    const std::string name = UniqueName("create");
    // A restrictive umask must not leave the block unusable for its user.
    const mode_t oldMask = umask(0277);
    platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
    umask(oldMask);

    ASSERT_NE(memory.view, nullptr);
    EXPECT_TRUE(memory.created);
    EXPECT_EQ(ObjectMode(name), 0600u);
    const auto* bytes = static_cast<const unsigned char*>(memory.view);
    EXPECT_TRUE(std::all_of(bytes, bytes + kSize, [](unsigned char b) { return b == 0; }));

    platform::CloseSharedMemory(memory, kSize);
    EXPECT_EQ(memory.view, nullptr);
    EXPECT_EQ(memory.handle, nullptr);
    EXPECT_FALSE(ObjectExists(name));
}

TEST(SharedMemory, ASecondOpenSeesTheBlockAndLeavesItToItsCreator)
{
    const std::string name = UniqueName("second");
    platform::SharedMemory first = platform::OpenSharedMemory(ToUtf16(name), kSize);
    ASSERT_NE(first.view, nullptr);
    std::memcpy(first.view, "launcher", 9);

    platform::SharedMemory second = platform::OpenSharedMemory(ToUtf16(name), kSize);
    ASSERT_NE(second.view, nullptr);
    EXPECT_FALSE(second.created);
    EXPECT_STREQ(static_cast<const char*>(second.view), "launcher");

    platform::CloseSharedMemory(second, kSize);
    EXPECT_TRUE(ObjectExists(name));
    EXPECT_STREQ(static_cast<const char*>(first.view), "launcher");

    platform::CloseSharedMemory(first, kSize);
    EXPECT_FALSE(ObjectExists(name));
}

TEST(SharedMemory, TheBlockOutlivesItsCreatorWhileAnotherHoldsIt)
{
    const std::string name = UniqueName("outlives");
    platform::SharedMemory creator = platform::OpenSharedMemory(ToUtf16(name), kSize);
    ASSERT_TRUE(creator.created);
    platform::SharedMemory other = platform::OpenSharedMemory(ToUtf16(name), kSize);
    std::memcpy(creator.view, "launcher", 9);
    platform::CloseSharedMemory(creator, kSize);

    EXPECT_TRUE(ObjectExists(name));
    platform::SharedMemory next = platform::OpenSharedMemory(ToUtf16(name), kSize);
    ASSERT_NE(next.view, nullptr);
    EXPECT_FALSE(next.created);
    EXPECT_STREQ(static_cast<const char*>(next.view), "launcher");

    platform::CloseSharedMemory(next, kSize);
    platform::CloseSharedMemory(other, kSize);
    EXPECT_FALSE(ObjectExists(name)) << "the last holder removes it";
}

enum class Ending { Killed, Exited, StaysAlive };

struct HolderCase
{
    const char* what;
    Ending ending;
};

void PrintTo(const HolderCase& test, std::ostream* out)
{
    *out << test.what;
}

class BlockOfAnotherProcessTest : public testing::TestWithParam<HolderCase>
{
};

// A child opens the block, writes to it and then ends without closing it, or
// stays alive holding it while this process opens the block.
TEST_P(BlockOfAnotherProcessTest, IsFreshOnlyWhenItsHolderHasGone)
{
    const HolderCase& test = GetParam();
    const std::string name = UniqueName(test.what);
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        platform::SharedMemory held = platform::OpenSharedMemory(ToUtf16(name), kSize);
        if (!held.view)
            _exit(3);
        std::memcpy(held.view, "child", 6);
        if (test.ending == Ending::Killed)
            raise(SIGKILL);
        if (test.ending == Ending::Exited)
            _exit(0); // no close, no destructor
        char byte = 0;
        const bool told = write(ready[1], "r", 1) == 1 && read(release[0], &byte, 1) >= 0;
        _exit(told ? 0 : 4);
    }

    // The child has ended, or holds the block and waits to be released.
    int status = 0;
    if (test.ending == Ending::StaysAlive)
    {
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
    }
    else
    {
        ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
    ASSERT_NE(memory.view, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(memory.view);
    if (test.ending == Ending::StaysAlive)
    {
        EXPECT_FALSE(memory.created);
        EXPECT_STREQ(static_cast<const char*>(memory.view), "child");
        ASSERT_EQ(write(release[1], "x", 1), 1);
        ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    else
    {
        EXPECT_TRUE(memory.created);
        EXPECT_TRUE(std::all_of(bytes, bytes + kSize, [](unsigned char b) { return b == 0; }));
    }
    if (test.ending == Ending::Killed)
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    else
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    // Still held by this process after the child went: kept as it is.
    platform::SharedMemory again = platform::OpenSharedMemory(ToUtf16(name), kSize);
    EXPECT_FALSE(again.created);
    EXPECT_EQ(std::memcmp(again.view, memory.view, kSize), 0);
    platform::CloseSharedMemory(again, kSize);
    platform::CloseSharedMemory(memory, kSize);
    EXPECT_FALSE(ObjectExists(name));
    for (int fd : { ready[0], ready[1], release[0], release[1] })
        close(fd);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlockOfAnotherProcessTest,
                         testing::Values(HolderCase{"killed", Ending::Killed}, HolderCase{"exited", Ending::Exited},
                                         HolderCase{"alive", Ending::StaysAlive}),
                         [](const testing::TestParamInfo<HolderCase>& info) { return info.param.what; });

// Processes that open and close the block all the time, sometimes together
// and sometimes each alone: while one holds the block, nobody may start it
// afresh, and every open finds a block.
TEST(SharedMemory, OpenAndCloseInManyProcessesNeverResetsAHeldBlock)
{
    const std::string name = UniqueName("churn");
    constexpr int kProcesses = 4;
    constexpr int kRounds = 300;

    std::vector<pid_t> children;
    for (int index = 0; index < kProcesses; ++index)
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child != 0)
        {
            children.push_back(child);
            continue;
        }
        int failure = 0;
        for (int round = 0; round < kRounds && failure == 0; ++round)
        {
            platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
            if (!memory.view)
            {
                failure = 3;
                break;
            }
            // A block started afresh while this one holds it would lose the
            // mark and the count.
            auto* words = static_cast<int64_t*>(memory.view);
            std::atomic_ref<int64_t> holders(words[0]);
            holders.fetch_add(1);
            words[1 + index] = getpid();
            for (int spin = 0; spin < 100; ++spin)
                holders.load();
            if (words[1 + index] != getpid() || holders.load() < 1)
                failure = 5; // reset under this holder
            holders.fetch_sub(1);
            platform::CloseSharedMemory(memory, kSize);
        }
        _exit(failure);
    }

    for (pid_t child : children)
    {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child ended with " << status;
    }
    EXPECT_FALSE(ObjectExists(name));
}

struct ForeignBlockCase
{
    const char* what;
    mode_t mode;
    bool otherOwner;
};

void PrintTo(const ForeignBlockCase& test, std::ostream* out)
{
    *out << test.what;
}

class UntrustedBlockTest : public testing::TestWithParam<ForeignBlockCase>
{
};

TEST_P(UntrustedBlockTest, IsRefusedAndLeftAlone)
{
    const ForeignBlockCase& test = GetParam();
    if (test.otherOwner && geteuid() != 0)
    {
        GTEST_SKIP() << "giving a block to another user needs root";
    }

    const std::string name = UniqueName(test.what);
    const int fd = shm_open(("/" + name).c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(fchmod(fd, test.mode), 0);
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kSize)), 0);
    if (test.otherOwner)
    {
        ASSERT_EQ(fchown(fd, 65534, 65534), 0);
    }
    close(fd);

    platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
    EXPECT_EQ(memory.view, nullptr);
    EXPECT_EQ(memory.handle, nullptr);
    EXPECT_TRUE(ObjectExists(name));
    struct stat info{};
    stat(("/dev/shm/" + name).c_str(), &info);
    EXPECT_EQ(static_cast<size_t>(info.st_size), kSize) << "left as it was";
    shm_unlink(("/" + name).c_str());
}

INSTANTIATE_TEST_SUITE_P(Cases, UntrustedBlockTest,
                         testing::Values(ForeignBlockCase{"groupReadable", 0640, false},
                                         ForeignBlockCase{"othersWritable", 0602, false},
                                         ForeignBlockCase{"otherOwner", 0600, true}),
                         [](const testing::TestParamInfo<ForeignBlockCase>& info) { return info.param.what; });

TEST(SharedMemory, AHeldBlockOfAnotherSizeIsUsedOnlyWhenLargeEnough)
{
    for (size_t heldSize : { kSize - 1, kSize * 2 })
    {
        SCOPED_TRACE(heldSize);
        const std::string name = UniqueName(("sized" + std::to_string(heldSize)).c_str());
        platform::SharedMemory holder = platform::OpenSharedMemory(ToUtf16(name), heldSize);
        ASSERT_NE(holder.view, nullptr);

        platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
        EXPECT_EQ(memory.view != nullptr, heldSize >= kSize);
        EXPECT_FALSE(memory.created);
        platform::CloseSharedMemory(memory, kSize);
        platform::CloseSharedMemory(holder, heldSize);
    }
}

TEST(SharedMemory, ALeftOverBlockOfAnySizeIsCreatedAfresh)
{
    for (size_t leftSize : { size_t{0}, kSize - 1, kSize * 2 })
    {
        SCOPED_TRACE(leftSize);
        const std::string name = UniqueName(("left" + std::to_string(leftSize)).c_str());
        const int fd = shm_open(("/" + name).c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, static_cast<off_t>(leftSize)), 0);
        if (leftSize > 0)
        {
            void* left = mmap(nullptr, leftSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            std::memset(left, 0xAB, leftSize);
            munmap(left, leftSize);
        }
        close(fd);

        platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
        ASSERT_NE(memory.view, nullptr);
        EXPECT_TRUE(memory.created);
        const auto* bytes = static_cast<const unsigned char*>(memory.view);
        EXPECT_TRUE(std::all_of(bytes, bytes + kSize, [](unsigned char b) { return b == 0; }));
        platform::CloseSharedMemory(memory, kSize);
        EXPECT_FALSE(ObjectExists(name));
    }
}

TEST(SharedMemory, AnInvalidNameGivesNoBlock)
{
    platform::SharedMemory memory = platform::OpenSharedMemory(u"vesk/not-a-name", kSize);
    EXPECT_EQ(memory.view, nullptr);
    EXPECT_EQ(memory.handle, nullptr);
    EXPECT_FALSE(memory.created);
}
}
