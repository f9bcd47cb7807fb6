// A step made just before a Windows host returns from main is on disk: the
// DLL's detach writes what the writer's thread, ended by the exit, left.
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace
{
// The journals under the unsaved-work folder beside the programs that name
// the modifier with the value the host typed; removed once read.
int TakeJournalsWith(const std::string& modifier)
{
    int found = 0;
    std::error_code error;
    const fs::path folder = wintest::ProgramFolder() / "data" / "timecycle-changes" / "unsaved";
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        if (it->path().extension() != ".journal")
            continue;
        std::ifstream file(it->path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        file.close();
        if (bytes.find(modifier) == std::string::npos)
            continue;
        found += bytes.find("7.25") != std::string::npos ? 1 : 0;
        std::error_code ignored;
        fs::remove(it->path(), ignored);
        fs::remove(fs::path(it->path()).replace_extension(".lock"), ignored);
    }
    return found;
}

// Not run for now: in a Wine prefix just made and on a loaded machine, up to
// one host in four ends with status 3, or with Wine's own assertion in
// server_get_unix_fd, before its step is on disk; once in twenty even with
// status 0. Which part is Wine's and which the exit's drain is not known
// yet. The same host on Linux (ExitDrain in tests/editor/launch) writes
// its step 20 times of 20.
TEST(ExitDrain, DISABLED_AStepMadeRightBeforeMainReturnsIsOnDisk)
{
    constexpr int kRuns = 20;
    int found = 0;
    for (int run = 0; run < kRuns; ++run)
    {
        const std::string modifier = "exit_mod_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(run);
        const wintest::ProcessRun child =
            wintest::RunProcess(wintest::ProgramFolder() / "windows_exit_host.exe",
                                L"windows_exit_host.exe " + std::wstring(modifier.begin(), modifier.end()));
        EXPECT_EQ(child.exitCode, 0u) << child.output;
        found += TakeJournalsWith(modifier) > 0 ? 1 : 0;
    }
    EXPECT_EQ(found, kRuns);
}
}
