#include "Platform.h"
#include "Utils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

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

TEST_F(FileSystemTest, CreateFolderReportsWhatHappened)
{
    EXPECT_EQ(platform::CreateFolder(Path("new")), platform::CreateFolderResult::Created);
    EXPECT_TRUE(platform::IsDirectory(Path("new")));
    EXPECT_EQ(platform::CreateFolder(Path("new")), platform::CreateFolderResult::AlreadyExists);
    EXPECT_EQ(platform::CreateFolder(Path("file")), platform::CreateFolderResult::AlreadyExists);
    EXPECT_EQ(platform::CreateFolder(Path("missing/new")), platform::CreateFolderResult::Failed);
    EXPECT_FALSE(platform::PathExists(Path("missing")));
}
}
