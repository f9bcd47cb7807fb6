// This process's install root: a temporary folder written into the
// init-state block before the component first asks for the root, which it
// then keeps; removed when the process ends. Link vesk-block-isolation, so
// that the block is the process's own.
#pragma once

#include <LaunchEnvironment.h>
#include <Platform.h>

#include <filesystem>
#include <random>
#include <string>

namespace pinnedroot
{
struct TemporaryRoot
{
    std::filesystem::path folder;
    ~TemporaryRoot()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

inline std::filesystem::path PinInstallRoot()
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("vesk-install-root-" + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    const std::u16string text = folder.u16string() + platform::kPathSeparator;
    InitStateView block = OpenInitState("KelInitState");
    text.copy(block->rootPath, text.size());
    block->rootPath[text.size()] = u'\0';
    // The block lives only while someone holds it: the root is read now.
    GetInstallRoot();
    block.Close();
    return folder;
}

inline const std::filesystem::path& InstallRoot()
{
    static const TemporaryRoot root{ PinInstallRoot() };
    return root.folder;
}
}
