#include "LaunchTestSupport.h"

#include "Platform.h"
#include "Utils.h"

#include <array>
#include <cstring>

bool HasCreationValues(const KelInitState* block)
{
    std::array<unsigned char, sizeof(KelInitState)> bytes{};
    std::memset(&bytes[12], 0xFF, 4);
    bytes[17] = 1;
    return std::memcmp(block, bytes.data(), sizeof(KelInitState)) == 0;
}

InitStateView CreateBlockFor(std::string_view launchModeKey)
{
    InitStateView block = OpenInitStateNamed(FormatInitStateName(launchModeKey, "KelInitState"));
    EXPECT_FALSE(block.IsFallback());
    return block;
}

void LaunchTest::TearDown()
{
    for (const std::filesystem::path& folder : m_folders)
        std::filesystem::remove_all(folder);
}

std::filesystem::path LaunchTest::MakeFolder()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("vesk-launch-" + std::to_string(CurrentProcessId()) + "-" +
                                          std::to_string(m_folders.size()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    m_folders.push_back(folder);
    return folder;
}

std::u16string LaunchTest::AsRoot(const std::filesystem::path& folder)
{
    return folder.u16string() + platform::kPathSeparator;
}

std::string LaunchTest::RootText(const std::filesystem::path& folder)
{
    return ToUtf8(AsRoot(folder));
}
