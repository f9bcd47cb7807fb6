// What the sandbox's commands do, in one place: the --help text, `help` and
// `help NAME` all read this table.
#pragma once

#include <span>
#include <string>

namespace sandbox
{
struct CommandHelp
{
    const char* name;
    const char* usage;    // the name with its arguments
    const char* summary;  // one line
};

// The sandbox's own commands and the console's, in the order --help gives them.
std::span<const CommandHelp> CommandHelpTable();
const CommandHelp* FindCommandHelp(const std::string& name);

// The table as --help prints it: usage, then the summary in a column.
std::string CommandHelpText();
}
