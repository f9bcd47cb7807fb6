// A step made just before a Windows host returns from main is on disk, once:
// the exit stops the writer's thread before the system ends it, so no write
// is cut off and nothing is left that the next start would offer again.
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace
{
// What a run left of the modifier the host typed a value into, under the
// unsaved-work folder of its install root.
struct RunFiles
{
    int journals = 0; // holding the typed value
    int others = 0;   // temporary files of rewrites, journals without it
};

RunFiles FilesOf(const fs::path& root, const std::string& modifier)
{
    RunFiles files;
    std::error_code error;
    const fs::path folder = root / "data" / "timecycle-changes" / "unsaved";
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        const fs::path path = it->path();
        std::ifstream file(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        file.close();
        if (bytes.find(modifier + "\n") == std::string::npos)
            continue;
        const bool journal = path.extension() == ".journal" && bytes.find("7.25") != std::string::npos;
        (journal ? files.journals : files.others) += 1;
    }
    return files;
}

TEST(ExitDrain, AStepMadeRightBeforeMainReturnsIsOnDiskOnce)
{
    constexpr int kRuns = 20;
    int found = 0;
    for (int run = 0; run < kRuns; ++run)
    {
        const std::string modifier = "exit_mod_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(run);
        const fs::path root = fs::temp_directory_path() / ("vesk-exit-root-" + modifier);
        fs::create_directories(root);
        const wintest::ProcessRun child = wintest::RunProcess(
            wintest::ProgramFolder() / "windows_exit_host.exe",
            L"windows_exit_host.exe " + std::wstring(modifier.begin(), modifier.end()) + L" \"" + root.wstring() + L"\"");
        EXPECT_EQ(child.exitCode, 0u) << child.output;
        const RunFiles files = FilesOf(root, modifier);
        std::error_code ignored;
        fs::remove_all(root, ignored);
        EXPECT_EQ(files.others, 0) << "run " << run << " left files the next start would offer";
        found += files.journals == 1 ? 1 : 0;
    }
    EXPECT_EQ(found, kRuns);
}
}
