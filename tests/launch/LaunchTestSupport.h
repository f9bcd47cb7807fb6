// Support for the launch tests: the probe started as a new process of a
// launch, the init-state block it will find, and folders for install roots.
#pragma once

#include "LaunchEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

struct ProbeLaunch
{
    std::vector<std::string> argv = {"game"};
    std::optional<std::string> sdkGuest; // value of "Tamberlin_SDK_Guest"; unset when empty
    std::vector<std::string> steps;      // see LaunchProbe.cpp
};

struct ProbeResult
{
    int exitCode = -1;
    int signal = 0; // the signal that ended the probe, 0 when it exited
    std::vector<std::string> lines;
};

// This test process's id, for names of its own.
unsigned long CurrentProcessId();

// The probe program of the tests.
std::filesystem::path LaunchProbePath();

// Starts the probe, or `program`, as a process of a launch with the argument
// list (a Windows command line made of it, on Windows), the environment and
// this test's init-state blocks, and collects its report.
ProbeResult RunProbe(const ProbeLaunch& launch, const std::filesystem::path& program = LaunchProbePath());

// Creates the "KelInitState" block that a probe of this launch-mode key
// opens, and holds it while the view lives, as a launcher would.
InitStateView CreateBlockFor(std::string_view launchModeKey);

// Whether the probe was stopped at a failed assertion after its fatal-error
// report: by SIGTRAP on POSIX, by the single-step exception on Windows.
bool StoppedAtAssertion(const ProbeResult& result);

// Whether the block holds exactly the creation values: all zero but bytes
// 12..15 (-1) and 17 (1).
bool HasCreationValues(const KelInitState* block);

// Writes text into a text array of the block, with a NUL when it fits.
template<size_t N>
void SetText(char16_t (&array)[N], std::u16string_view text)
{
    std::fill(array, array + N, u'\0');
    std::copy_n(text.begin(), std::min(text.size(), N), array);
}

// Gives each test fresh folders and removes them afterwards.
class LaunchTest : public testing::Test
{
protected:
    void TearDown() override;

    std::filesystem::path MakeFolder();
    // The folder as a root in the block: UTF-16, with a trailing separator.
    static std::u16string AsRoot(const std::filesystem::path& folder);
    // The same root as the probe reports it, in UTF-8.
    static std::string RootText(const std::filesystem::path& folder);

private:
    std::vector<std::filesystem::path> m_folders;
};
