// Runs vesk-sandbox as its own process, the way a developer or CI does, and
// collects everything it printed and how it ended.
#pragma once

#include <string>
#include <vector>

struct SandboxRun
{
    int exitCode = -1;   // -1 when a signal ended it
    int signal = 0;      // the signal that ended it, or 0
    std::string output;  // standard output and standard error, interleaved
    std::string errors;  // standard error alone

    std::vector<std::string> Lines() const;
    bool HasLine(const std::string& line) const;
    // The number of output lines that contain `text`.
    int CountContaining(const std::string& text) const;
};

// Starts the sandbox with `arguments` after the program name, standard input
// empty, and waits for it. `environment` adds "NAME=value" entries to the
// test's own. Its install root is the test's own (TestRoot) unless
// `environment` sets VESK_SANDBOX_ROOT.
SandboxRun RunSandbox(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});

// The install root of the test's sandbox runs: empty when the test starts,
// shared by its runs, so one run's unsaved work or error record is there for
// the next and no other test's is.
std::string TestRoot();
// A fresh folder for one test's files.
std::string TestFolder();
// Writes `text` to a file in the folder and returns its path.
std::string WriteFile(const std::string& folder, const std::string& name, const std::string& text);
// The sandbox run headless over a script written into `folder`.
SandboxRun RunScript(const std::string& folder, const std::string& script,
                     const std::vector<std::string>& launchWords = { "mosk" });
std::string ReadFile(const std::string& path);
