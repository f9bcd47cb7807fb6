#include "Platform.h"
#include "Utils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace
{
class FileSystemTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("vesk-platform-fs-" + std::to_string(getpid()));
        fs::create_directories(m_folder);
        std::ofstream(m_folder / "file") << "x";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::u16string Path(const char* name) const { return ToUtf16((m_folder / name).string()); }

    fs::path m_folder;
};

TEST_F(FileSystemTest, TellsFilesFoldersAndMissingPathsApart)
{
    EXPECT_TRUE(platform::PathExists(Path("file")));
    EXPECT_FALSE(platform::IsDirectory(Path("file")));
    EXPECT_TRUE(platform::PathExists(ToUtf16(m_folder.string())));
    EXPECT_TRUE(platform::IsDirectory(ToUtf16(m_folder.string())));
    EXPECT_FALSE(platform::PathExists(Path("missing")));
    EXPECT_FALSE(platform::IsDirectory(Path("missing")));
}

TEST_F(FileSystemTest, TellsALinkFromWhatItLeadsTo)
{
    fs::create_directory_symlink(m_folder / "folder", m_folder / "link");
    fs::create_directory(m_folder / "folder");
    EXPECT_TRUE(platform::IsLink(Path("link")));
    EXPECT_TRUE(platform::IsDirectory(Path("link")));
    EXPECT_FALSE(platform::IsLink(Path("folder")));
    EXPECT_FALSE(platform::IsLink(Path("file")));
    EXPECT_FALSE(platform::IsLink(Path("missing")));
}

// A held lock is no failure to say; a lock file that cannot be opened is.
TEST_F(FileSystemTest, ALockThatCannotBeOpenedSaysWhy)
{
    platform::FileLock held;
    ASSERT_TRUE(platform::TryLockFile(Path("held.lock"), held));
    platform::FileLock lock;
    std::string error;
    EXPECT_FALSE(platform::TryLockFile(Path("held.lock"), lock, &error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(platform::TryLockFile(Path("missing/x.lock"), lock, &error));
    EXPECT_EQ(error, "No such file or directory");
    platform::ReleaseFileLock(held);
}

TEST_F(FileSystemTest, CreateFolderReportsWhatHappened)
{
    EXPECT_EQ(platform::CreateFolder(Path("new")), platform::CreateFolderResult::Created);
    EXPECT_TRUE(platform::IsDirectory(Path("new")));
    EXPECT_EQ(platform::CreateFolder(Path("new")), platform::CreateFolderResult::AlreadyExists);
    EXPECT_EQ(platform::CreateFolder(Path("file")), platform::CreateFolderResult::AlreadyExists);
    EXPECT_EQ(platform::CreateFolder(Path("missing/new")), platform::CreateFolderResult::Failed);
    EXPECT_FALSE(platform::PathExists(Path("missing")));

    std::string error;
    EXPECT_EQ(platform::CreateFolder(Path("file/new"), &error), platform::CreateFolderResult::Failed);
    EXPECT_EQ(error, "Not a directory");
}

std::string Read(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST_F(FileSystemTest, WriteNewFileWritesWholeAndNeverReplaces)
{
    std::string error;
    const std::string text(100000, 'x');
    EXPECT_EQ(platform::WriteNewFile(Path("out.xml"), text, error), platform::WriteFileResult::Written);
    EXPECT_EQ(Read(m_folder / "out.xml"), text);

    EXPECT_EQ(platform::WriteNewFile(Path("out.xml"), "other", error), platform::WriteFileResult::AlreadyExists);
    EXPECT_EQ(platform::WriteNewFile(Path("file"), "other", error), platform::WriteFileResult::AlreadyExists);
    EXPECT_EQ(Read(m_folder / "out.xml"), text);
    EXPECT_EQ(Read(m_folder / "file"), "x");
    EXPECT_FALSE(fs::exists(m_folder / "out.xml.partial"));

    EXPECT_EQ(platform::WriteNewFile(Path("missing/out.xml"), "text", error), platform::WriteFileResult::Failed);
    EXPECT_EQ(error, "No such file or directory");
}

// A write that fails half way (here at the file size limit) leaves nothing.
// Runs in a child: the limit and the ignored signal stay with it.
[[noreturn]] void WriteOverTheSizeLimit(const fs::path& folder)
{
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{ 4096, 4096 };
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    const auto result = platform::WriteNewFile(ToUtf16((folder / "big.xml").string()), std::string(100000, 'x'), error);
    const bool nothingLeft = !fs::exists(folder / "big.xml") && !fs::exists(folder / "big.xml.partial");
    std::fprintf(stderr, "%s\n", error.c_str());
    std::_Exit(result == platform::WriteFileResult::Failed && nothingLeft ? 0 : 1);
}

TEST_F(FileSystemTest, WriteNewFileThatFailsHalfWayLeavesNothing)
{
    EXPECT_EXIT(WriteOverTheSizeLimit(m_folder), testing::ExitedWithCode(0), "File too large");
}
}
