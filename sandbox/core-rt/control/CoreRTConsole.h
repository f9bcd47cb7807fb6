// What the sandbox and the tests can do with the stand-in console: read what
// was printed, reach the managers, apply launch arguments, grant privileges.
#pragma once

#include "CoreRTExports.h"

#include <string>
#include <vector>

class ConsoleCommandManager;
class ConsoleVariableManager;

namespace console
{
class Context;
}

namespace corert
{
// One call of the print exports.
struct ConsoleMessage
{
    std::string channel;
    std::string text;
    bool warning = false;
};

CORE_RT_API std::vector<ConsoleMessage> ConsoleMessages();
// For readers that follow the record as it grows (the console window, every
// frame): its length, and the messages from index `first` on.
CORE_RT_API size_t ConsoleMessageCount();
CORE_RT_API std::vector<ConsoleMessage> ConsoleMessagesFrom(size_t first);
CORE_RT_API void ClearConsoleMessages();

CORE_RT_API console::Context& ConsoleContext();
CORE_RT_API ConsoleVariableManager& VariableManager();
// Invoke runs a line as typed at the console.
CORE_RT_API ConsoleCommandManager& CommandManager();
// The names of the registered commands (a declared variable has commands of
// its own name), each once: what the console completes.
CORE_RT_API std::vector<std::string> CommandNames();
// Who registered a command name ("core" for the console's own, else the
// registering resource), and the argument counts it takes.
struct CommandInfo
{
    std::string name;
    std::string resource;
    std::vector<size_t> argumentCounts;
};
CORE_RT_API std::vector<CommandInfo> Commands();
// The names of the console variables that have a value, each once, sorted.
CORE_RT_API std::vector<std::string> VariableNames();

// Applies "+set NAME VALUE" triples of the process's arguments; the sandbox
// calls it before it loads any component, so variables that components
// declare later (read-only ones too) start with these values.
CORE_RT_API void ApplyLaunchArguments(const std::vector<std::string>& arguments);

// Grants or withdraws a privilege of the current security context. Names
// are kept in lower case, as callers ask for them.
CORE_RT_API void SetPrivilege(const std::string& privilegeName, bool granted);
}
