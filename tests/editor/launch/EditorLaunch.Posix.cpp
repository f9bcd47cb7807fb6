// The scenario programs started as POSIX processes with an exact argv; and
// the built .so loaded with dlopen (tests/windows loads the DLL on Windows).
#include "EditorLaunch.h"

#include "ChildProcess.h"
#include "ShmIsolation.h"

ScenarioRun RunScenario(const Launch& launch)
{
    const ChildRun run = RunChild(std::string(SCENARIO_FOLDER "/") + launch.program, launch.argv,
                                  {
                                      { "GTEST_FILTER", std::string(launch.scenario) },
                                      { kShmPrefixVariable, TestShmPrefix() },
                                      { "Tamberlin_SDK_Guest", launch.sdkGuest },
                                  });
    return { run.exitCode, run.output };
}

namespace
{
INSTANTIATE_TEST_SUITE_P(
    LoadedLibrary, EditorLaunch,
    testing::Values(Launch{ "LoadedLibrary", { "game", "mosk" }, {}, "editor-library-scenario",
                            "LoadedLibrary.OpensFromTheConsoleAndEditsTheGame" },
                    Launch{ "ReloadedLibrary", { "game", "mosk" }, {}, "editor-library-scenario",
                            "LoadedLibrary.LoadsAndUnloadsAHundredTimes" }),
    [](const testing::TestParamInfo<Launch>& info) { return std::string(info.param.name); });
}
