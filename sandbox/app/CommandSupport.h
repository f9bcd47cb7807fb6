// Small helpers of the sandbox's commands: reading arguments and reporting.
// A command fails by writing to its error stream, which the console shows as
// a warning on channel "cmd" (and which stops a script).
#pragma once

#include <ConsoleExecutionContext.h>
#include <ConsolePrint.h>

#include <optional>
#include <string>
#include <string_view>

namespace sandbox
{
inline bool Fail(ConsoleExecutionContext& context, const std::string& message)
{
    context.errorStream << message << "\n";
    return false;
}

// Output of the sandbox's commands, on its own channel.
template<typename... Args>
void Say(std::string_view format, const Args&... arguments)
{
    Printf("sandbox", format, arguments...);
}

std::optional<int> ParseInteger(const std::string& text);
// " (too large)" for a whole number past what ParseInteger takes, else "".
std::string TooLargeNote(const std::string& text);
std::optional<float> ParseNumber(const std::string& text);
// Console names (commands, variables) compare ignoring ASCII letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// "on" / "off" (also "true" / "false", "1" / "0").
std::optional<bool> ParseSwitch(const std::string& text);
}
