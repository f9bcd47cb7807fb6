// A step made just before the host returns from main is on disk after the
// process ended: the library's unload writes what its writer still queued.
#include "ChildProcess.h"
#include "recovery/UnsavedJournal.h"
#include "ShmIsolation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

TEST(ExitDrain, AStepMadeRightBeforeMainReturnsIsOnDisk)
{
    constexpr int kRuns = 20;
    int found = 0;
    for (int run = 0; run < kRuns; ++run)
    {
        const fs::path root = fs::temp_directory_path() / ("vesk-exit-root-" + std::to_string(std::random_device()()));
        fs::create_directories(root);
        const ChildRun child = RunChild(SCENARIO_FOLDER "/editor-exit-scenario", {},
                                        { { "VESK_EXIT_ROOT", root.string() },
                                          { "VESK_EXIT_MODIFIER", "exit_mod" },
                                          { kShmPrefixVariable, TestShmPrefix() } });
        EXPECT_EQ(child.exitCode, 0) << child.output;

        bool onDisk = false;
        std::error_code error;
        for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error))
        {
            if (it->path().extension() != ".journal")
                continue;
            std::ifstream file(it->path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            const tceditor::UnsavedWork work = tceditor::ReadJournal(bytes).work;
            const auto entry = work.modifiers.find("o:exit_mod");
            onDisk = onDisk || (entry != work.modifiers.end() && !entry->second.state.parameters.empty() &&
                                entry->second.state.parameters.front().value1 == 7.25f);
        }
        found += onDisk ? 1 : 0;
        fs::remove_all(root, error);
    }
    EXPECT_EQ(found, kRuns);
}
