// Sandboxes of one launch mode started at the same moment, each with its own
// install root: they share the launch's init-state block, and every one's
// component must still keep and save into the root its own launcher chose.
#include "SandboxProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <future>

namespace
{
constexpr int kLaunches = 4;
constexpr int kRounds = 20;

int SavedDocuments(const std::filesystem::path& root)
{
    int count = 0;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(root / "data" / "timecycle-changes", ignored))
        count += entry.is_regular_file() && entry.path().extension() == ".xml";
    return count;
}

std::string SavedPath(const SandboxRun& run)
{
    for (const std::string& line : run.Lines())
        if (const size_t at = line.find("Status Saved to "); at != std::string::npos)
            return line.substr(at + 16, line.find(" (", at) - at - 16);
    return {};
}

TEST(ConcurrentLaunches, EachSavesIntoItsOwnRoot)
{
    const std::string folder = TestFolder();
    const std::string script = WriteFile(folder, "save.txt", R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
ui_click "Save changed"
ui_click ##detail_filter_param
ui_texts
)");
    std::vector<std::filesystem::path> roots;
    for (int launch = 0; launch < kLaunches; ++launch)
        roots.push_back(std::filesystem::path(folder) / ("root-" + std::to_string(launch)));

    for (int round = 1; round <= kRounds; ++round)
    {
        std::vector<std::future<SandboxRun>> runs;
        for (const std::filesystem::path& root : roots)
            runs.push_back(std::async(std::launch::async, [&script, root] {
                return RunSandbox({ "--headless", "--script", script, "mosk" },
                                  { "VESK_SANDBOX_ROOT=" + root.string() });
            }));
        for (int launch = 0; launch < kLaunches; ++launch)
        {
            const SandboxRun run = runs[launch].get();
            ASSERT_EQ(run.exitCode, 0) << "round " << round << ", launch " << launch << "\n" << run.output;
            const std::string saved = SavedPath(run);
            EXPECT_TRUE(saved.starts_with((roots[launch] / "data" / "timecycle-changes").string() + "/"))
                << "round " << round << ", launch " << launch << " saved to '" << saved << "'\n" << run.output;
        }
        for (int launch = 0; launch < kLaunches; ++launch)
            ASSERT_EQ(SavedDocuments(roots[launch]), round) << "round " << round << ", root " << launch;
    }
}
}
