// Runs a helper program of the tests as a child process with a chosen
// argument list and environment, and collects its standard output.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ChildRun
{
    int exitCode = -1; // -1 when the child did not exit normally
    int signal = 0;    // the signal that ended it, 0 when it exited
    std::string output;
};

// Sets a variable in the child's environment, or removes it (no value).
struct EnvironmentChange
{
    std::string name;
    std::optional<std::string> value;
};

// Starts `path` with exactly `arguments` as its argv (the first is argv[0],
// which need not be the path) and the parent's environment with `changes`
// applied, and waits for it to end.
ChildRun RunChild(const std::string& path, const std::vector<std::string>& arguments,
                  const std::vector<EnvironmentChange>& changes = {});

// The output split into lines, without their line ends.
std::vector<std::string> OutputLines(const std::string& output);
