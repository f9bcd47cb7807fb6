// Sessions killed at a random moment and restored in a new process: the
// restored game must hold the records of the last completed step, or, for the
// steps of the last second before the kill (which may not have reached the
// disk yet), those of one of them or of the step before them, whole. Each
// session runs in its own child process (recovery_session_child), killed with
// SIGKILL (TerminateProcess on Windows). A failing seed is printed;
// VESK_RECOVERY_SEED replays one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "WindowsTestSupport.h"
#else
#include "ChildProcess.h"
#include <csignal>
#endif

namespace
{
#ifdef _WIN32
constexpr int kSessions = 4;
#else
constexpr int kSessions = 24;
#endif
constexpr long long kLastSecondMs = 1000;

struct ChildOutcome
{
    bool killed = false;
    std::string output;
};

ChildOutcome RunSessionChild(const std::vector<std::string>& arguments)
{
    const std::filesystem::path program = std::filesystem::path(RECOVERY_CHILD);
#ifdef _WIN32
    std::wstring commandLine = L"recovery_session_child";
    for (const std::string& argument : arguments)
        commandLine += L" \"" + std::filesystem::path(argument).wstring() + L"\"";
    const wintest::ProcessRun run = wintest::RunProcess(program, commandLine);
    // TerminateProcess(…, 1) from the platform layer.
    return { run.exitCode == 1, run.output };
#else
    std::vector<std::string> argv = { "recovery_session_child" };
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const ChildRun run = ::RunChild(program.string(), argv);
    return { run.signal == SIGKILL, run.output };
#endif
}

std::vector<std::string> Lines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct Step
{
    long long ms = 0;
    std::string records;
};

unsigned FirstSeed()
{
    if (const char* seed = std::getenv("VESK_RECOVERY_SEED"))
        return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    return std::random_device()();
}
}

TEST(UnsavedWorkKill, RestoreGivesTheLastCompletedStepsRecords)
{
    const bool replaying = std::getenv("VESK_RECOVERY_SEED") != nullptr;
    const unsigned first = FirstSeed();
    for (int session = 0; session < (replaying ? 1 : kSessions); ++session)
    {
        const unsigned seed = first + unsigned(session);
        SCOPED_TRACE("seed " + std::to_string(seed) + " (VESK_RECOVERY_SEED=" + std::to_string(seed) + " replays it)");
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("vesk-recovery-kill-" + std::to_string(seed));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);

        const ChildOutcome killed = RunSessionChild({ "session", std::to_string(seed), folder.string() });
        ASSERT_TRUE(killed.killed) << killed.output;
        // The game before any step, then after each step.
        std::vector<Step> steps;
        long long killedAt = -1;
        for (const std::string& line : Lines(killed.output))
        {
            std::istringstream words(line);
            std::string word;
            int number = 0;
            Step step;
            if (words >> word && word == "kill")
                words >> killedAt;
            else if (word == "step" && words >> number >> step.ms)
            {
                std::getline(words >> std::ws, step.records);
                steps.push_back(step);
            }
        }
        ASSERT_FALSE(steps.empty()) << killed.output;
        ASSERT_GE(killedAt, 0) << killed.output;

        const ChildOutcome restored = RunSessionChild({ "restore", folder.string() });
        std::string records;
        bool found = false;
        for (const std::string& line : Lines(restored.output))
            if (line.starts_with("restored "))
            {
                records = line.substr(9);
                found = true;
            }
        ASSERT_TRUE(found) << restored.output;

        // The steps of the last second may be missing, each whole; the one
        // before them must be there. `firstMissable` is the first such step.
        size_t firstMissable = steps.size();
        while (firstMissable > 0 && killedAt - steps[firstMissable - 1].ms <= kLastSecondMs)
            --firstMissable;
        bool matches = false;
        for (size_t i = firstMissable; i <= steps.size(); ++i)
        {
            if (i > 0)
                matches |= steps[i - 1].records == records;
            else
            {
                // Nothing kept: the game as it starts, as a restore from an
                // empty folder gives it.
                const ChildOutcome fresh = RunSessionChild({ "restore", (folder / "none").string() });
                matches |= Lines(fresh.output).front() == "restored " + records;
            }
        }
        EXPECT_TRUE(matches) << "restored: " << records << "\nlast step: " << steps.back().records
                             << "\nkilled " << killedAt - steps.back().ms << " ms after it\n" << restored.output;
        std::filesystem::remove_all(folder);
        if (HasFailure())
            return;
    }
}

// A kill after edits of every modifier at once restores all of them.
TEST(UnsavedWorkKill, MultiEditsComeBackInEveryModifier)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vesk-recovery-kill-multi";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    const ChildOutcome killed = RunSessionChild({ "multi", folder.string() });
    ASSERT_TRUE(killed.killed) << killed.output;
    std::string edited;
    for (const std::string& line : Lines(killed.output))
        if (line.starts_with("edited "))
            edited = line.substr(7);
    ASSERT_FALSE(edited.empty()) << killed.output;

    const ChildOutcome restored = RunSessionChild({ "restore", folder.string() });
    std::string records;
    for (const std::string& line : Lines(restored.output))
        if (line.starts_with("restored "))
            records = line.substr(9);
    EXPECT_EQ(records, edited) << restored.output;
    std::filesystem::remove_all(folder);
}
