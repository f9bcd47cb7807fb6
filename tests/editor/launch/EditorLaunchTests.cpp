// The editor in processes of chosen launches: each case starts a scenario
// program (LaunchScenarios.cpp, LibraryScenario.cpp) with the launch's
// command line and environment, because the launch environment is read once
// per process.
#include "ChildProcess.h"
#include "ShmIsolation.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace
{
struct Launch
{
    const char* name;
    std::vector<std::string> argv;
    std::optional<std::string> sdkGuest;  // value of "Tamberlin_SDK_Guest"; unset when absent
    const char* program;
    const char* scenario;                 // a test of that program
};

void PrintTo(const Launch& launch, std::ostream* out)
{
    *out << launch.name;
}

class EditorLaunch : public testing::TestWithParam<Launch>
{
};

TEST_P(EditorLaunch, ScenarioPasses)
{
    const Launch& launch = GetParam();
    const ChildRun run = RunChild(launch.program, launch.argv,
                                  {
                                      { "GTEST_FILTER", std::string(launch.scenario) },
                                      { kShmPrefixVariable, TestShmPrefix() },
                                      { "Tamberlin_SDK_Guest", launch.sdkGuest },
                                  });
    EXPECT_EQ(run.exitCode, 0) << run.output;
    // A filter that names no scenario runs nothing and exits 0.
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test."), std::string::npos) << run.output;
}

const std::vector<std::string> kMosk = { "game", "mosk" };

INSTANTIATE_TEST_SUITE_P(
    Launches, EditorLaunch,
    testing::Values(
        Launch{ "PureLevelOne", { "game", "mosk", "pure_1" }, {}, LAUNCH_SCENARIOS, "LaunchScenario.PureLevelAboveZero" },
        Launch{ "PureLevelTwoSdkGuest", { "game", "pure_2" }, "1", LAUNCH_SCENARIOS,
                "LaunchScenario.PureLevelAboveZero" },
        Launch{ "PlainLaunch", { "game" }, {}, LAUNCH_SCENARIOS, "LaunchScenario.NoConsoleVariable" },
        Launch{ "Cl2Launch", { "game", "cl2" }, {}, LAUNCH_SCENARIOS, "LaunchScenario.NoConsoleVariable" },
        Launch{ "Mosk", kMosk, {}, LAUNCH_SCENARIOS, "LaunchScenario.ConsoleVariableOpensTheEditor" },
        Launch{ "MoskPureLevelZero", { "game", "mosk", "pure_0" }, {}, LAUNCH_SCENARIOS,
                "LaunchScenario.ConsoleVariableOpensTheEditor" },
        Launch{ "SdkGuest", { "game" }, "", LAUNCH_SCENARIOS, "LaunchScenario.ConsoleVariableOpensTheEditor" },
        Launch{ "VariableTrueAtStartUp", kMosk, {}, LAUNCH_SCENARIOS, "LaunchScenario.VariableTrueAtStartUp" },
        Launch{ "GameStateGatesDrawing", kMosk, {}, LAUNCH_SCENARIOS, "LaunchScenario.GameStateGatesDrawing" },
        Launch{ "KillNetworkDone", kMosk, {}, LAUNCH_SCENARIOS, "LaunchScenario.KillNetworkDoneClosesAndResets" },
        Launch{ "LoadedLibrary", kMosk, {}, LIBRARY_SCENARIO, "LoadedLibrary.OpensFromTheConsoleAndEditsTheGame" }),
    [](const testing::TestParamInfo<Launch>& info) { return std::string(info.param.name); });
}
