// The editor's start-up and frame handlers in launches of every kind, on
// Linux and under Wine alike.
#include "EditorLaunch.h"

namespace
{
TEST_P(EditorLaunch, ScenarioPasses)
{
    const ScenarioRun run = RunScenario(GetParam());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    // A filter that names no scenario runs nothing and exits 0.
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test."), std::string::npos) << run.output;
}

const std::vector<std::string> kMosk = { "game", "mosk" };

INSTANTIATE_TEST_SUITE_P(
    Launches, EditorLaunch,
    testing::Values(
        Launch{ "PureLevelOne", { "game", "mosk", "pure_1" }, {}, kLaunchScenarios, "LaunchScenario.PureLevelAboveZero" },
        Launch{ "PureLevelTwoSdkGuest", { "game", "pure_2" }, "1", kLaunchScenarios,
                "LaunchScenario.PureLevelAboveZero" },
        Launch{ "PlainLaunch", { "game" }, {}, kLaunchScenarios, "LaunchScenario.NoConsoleVariable" },
        Launch{ "Cl2Launch", { "game", "cl2" }, {}, kLaunchScenarios, "LaunchScenario.NoConsoleVariable" },
        Launch{ "Mosk", kMosk, {}, kLaunchScenarios, "LaunchScenario.ConsoleVariableOpensTheEditor" },
        Launch{ "MoskPureLevelZero", { "game", "mosk", "pure_0" }, {}, kLaunchScenarios,
                "LaunchScenario.ConsoleVariableOpensTheEditor" },
        Launch{ "SdkGuest", { "game" }, "", kLaunchScenarios, "LaunchScenario.ConsoleVariableOpensTheEditor" },
        Launch{ "VariableTrueAtStartUp", kMosk, {}, kLaunchScenarios, "LaunchScenario.VariableTrueAtStartUp" },
        Launch{ "GameStateGatesDrawing", kMosk, {}, kLaunchScenarios, "LaunchScenario.GameStateGatesDrawing" },
        Launch{ "KillNetworkDone", kMosk, {}, kLaunchScenarios, "LaunchScenario.KillNetworkDoneClosesAndResets" }),
    [](const testing::TestParamInfo<Launch>& info) { return std::string(info.param.name); });
}
