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

ProbeResult RunProbe(const ProbeLaunch& launch, const std::string& program = LAUNCH_PROBE);

// Creates the "KelInitState" block that a probe of this launch-mode key
// opens, and holds it while the view lives, as a launcher would.
InitStateView CreateBlockFor(std::string_view launchModeKey);

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

private:
    std::vector<std::filesystem::path> m_folders;
};
