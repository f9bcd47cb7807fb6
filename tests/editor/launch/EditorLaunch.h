// The editor in processes of chosen launches: each case starts a scenario
// program (LaunchScenarios.cpp, LibraryScenario.cpp) with the launch's
// command line and environment, because the launch environment is read once
// per process. EditorLaunch.Posix.cpp and EditorLaunch.Win32.cpp start it.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct Launch
{
    const char* name;
    std::vector<std::string> argv;
    std::optional<std::string> sdkGuest;  // value of "Tamberlin_SDK_Guest"; unset when absent
    const char* program;                  // the scenario program's name, without extension
    const char* scenario;                 // a test of that program
};

inline void PrintTo(const Launch& launch, std::ostream* out)
{
    *out << launch.name;
}

struct ScenarioRun
{
    int exitCode = -1;
    std::string output;
};

// Starts the scenario program of the launch beside this test program, with
// the launch's argument list (its Windows command line, on Windows) and
// environment, this test's init-state blocks and GTEST_FILTER set to the
// scenario, and waits for it.
ScenarioRun RunScenario(const Launch& launch);

class EditorLaunch : public testing::TestWithParam<Launch>
{
};

constexpr const char* kLaunchScenarios = "editor-launch-scenarios";
