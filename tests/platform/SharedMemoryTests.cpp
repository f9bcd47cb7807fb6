#include "Platform.h"
#include "Utils.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SharedMemory, CreatesAZeroedOwnerOnlyBlockThatGoesWithItsCreator)
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

struct ForeignBlockCase
{
    const char* what;
    mode_t mode;
    size_t size;
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
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(test.size)), 0);
    if (test.otherOwner)
    {
        ASSERT_EQ(fchown(fd, 65534, 65534), 0);
    }
    close(fd);

    platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
    EXPECT_EQ(memory.view, nullptr);
    EXPECT_EQ(memory.handle, nullptr);
    EXPECT_TRUE(ObjectExists(name));
    shm_unlink(("/" + name).c_str());
}

INSTANTIATE_TEST_SUITE_P(Cases, UntrustedBlockTest,
                         testing::Values(ForeignBlockCase{"groupReadable", 0640, kSize, false},
                                         ForeignBlockCase{"othersWritable", 0602, kSize, false},
                                         ForeignBlockCase{"tooSmall", 0600, kSize - 1, false},
                                         ForeignBlockCase{"otherOwner", 0600, kSize, true}),
                         [](const testing::TestParamInfo<ForeignBlockCase>& info) { return info.param.what; });

TEST(SharedMemory, AnOwnBlockOfAtLeastTheSizeIsOpened)
{
    const std::string name = UniqueName("larger");
    const int fd = shm_open(("/" + name).c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, kSize * 2), 0);
    close(fd);

    platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(name), kSize);
    EXPECT_NE(memory.view, nullptr);
    EXPECT_FALSE(memory.created);
    platform::CloseSharedMemory(memory, kSize);
    shm_unlink(("/" + name).c_str());
}

TEST(SharedMemory, AnInvalidNameGivesNoBlock)
{
    platform::SharedMemory memory = platform::OpenSharedMemory(u"vesk/not-a-name", kSize);
    EXPECT_EQ(memory.view, nullptr);
    EXPECT_EQ(memory.handle, nullptr);
    EXPECT_FALSE(memory.created);
}
}
