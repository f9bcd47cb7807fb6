// The sandbox's command line:
//   vesk-sandbox [--headless] [--script FILE] [--frames N] [--data DIR]
//                [--size WxH] [--scale F] [+set NAME VALUE]... [launch words]
// An option's value follows it or is attached with '=' (--frames=5).
// Words the sandbox does not know stay on the process's command line for the
// components to read, as the launcher leaves them: "mosk", "cl2", "pure_N".
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sandbox
{
constexpr float kMinimumScale = 0.5f;
constexpr float kMaximumScale = 4.0f;
constexpr int kLargestSize = 16384;  // pixels a side of the window or picture

struct SandboxOptions
{
    bool help = false;
    bool headless = false;
    std::string scriptPath;
    std::optional<int> frames;
    std::string dataFolder;
    std::optional<std::pair<int, int>> size;  // of the window or the headless picture
    std::optional<float> scale;               // of the interface; the display's own by default
    // Everything after the program name, for "+set" (the console reads the
    // triples itself).
    std::vector<std::string> arguments;
};

// Parses the arguments after the program name; on a bad option, none with
// `error` saying what is wrong.
std::optional<SandboxOptions> ParseOptions(const std::vector<std::string>& arguments,
                                           const std::string& defaultDataFolder, std::string& error);

// The --help text.
std::string HelpText();
}
