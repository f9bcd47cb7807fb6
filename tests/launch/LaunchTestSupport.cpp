#include "LaunchTestSupport.h"

#include "ChildProcess.h"
#include "ShmIsolation.h"
#include "Utils.h"

#include <unistd.h>

ProbeResult RunProbe(const ProbeLaunch& launch, const std::string& program)
{
    std::string steps;
    for (const std::string& step : launch.steps)
        steps += step + "\n";

    const ChildRun run = RunChild(program, launch.argv,
                                  {
                                      {"LAUNCH_PROBE_STEPS", steps},
                                      {kShmPrefixVariable, TestShmPrefix()},
                                      {"Tamberlin_SDK_Guest", launch.sdkGuest},
                                  });
    return {run.exitCode, run.signal, OutputLines(run.output)};
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
                                         ("vesk-launch-" + std::to_string(getpid()) + "-" +
                                          std::to_string(m_folders.size()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    m_folders.push_back(folder);
    return folder;
}

std::u16string LaunchTest::AsRoot(const std::filesystem::path& folder)
{
    return ToUtf16(folder.string() + "/");
}
