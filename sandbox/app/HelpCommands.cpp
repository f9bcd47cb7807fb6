// help, help NAME: every command the console knows, the sandbox's and the
// components', each with one line; a console variable is described as such.
#include "CommandHelp.h"
#include "CommandSupport.h"
#include "Sandbox.h"

#include <ConsoleVariableEntry.h>
#include <ConsoleVariableManager.h>
#include <CoreRTConsole.h>

#include <algorithm>

namespace sandbox
{
namespace
{
std::string JoinCounts(const std::vector<size_t>& counts)
{
    std::string text;
    for (size_t count : counts)
        text += (text.empty() ? "" : " or ") + std::to_string(count);
    return text;
}

struct Described
{
    std::string usage;
    std::string summary;
};

Described Describe(const corert::CommandInfo& command)
{
    if (const CommandHelp* help = FindCommandHelp(command.name))
        return { help->usage, help->summary };
    if (auto entry = corert::VariableManager().FindEntry(command.name))
        return { command.name + " [VALUE]",
                 "console variable, now \"" + entry->GetValue() + "\"; VALUE sets it" };
    return { command.name, "command of " + command.resource + ", takes " + JoinCounts(command.argumentCounts) +
                               " arguments" };
}
}

void AddHelpCommands(Sandbox& sandbox)
{
    sandbox.AddCommand("help", 0, [](ConsoleExecutionContext&) {
        std::vector<corert::CommandInfo> commands = corert::Commands();
        std::sort(commands.begin(), commands.end(),
                  [](const corert::CommandInfo& a, const corert::CommandInfo& b) { return a.name < b.name; });
        size_t width = 0;
        for (const corert::CommandInfo& command : commands)
            width = std::max(width, command.name.size());
        Say("%d commands (help NAME gives one's usage; Tab completes names and arguments):\n", int(commands.size()));
        for (const corert::CommandInfo& command : commands)
            Say("  %s  %s\n", fmt::format("{:<{}}", command.name, width), Describe(command).summary);
        return true;
    });

    sandbox.AddCommand("help", 1, [](ConsoleExecutionContext& context) {
        const std::string& name = context.arguments[0];
        for (const corert::CommandInfo& command : corert::Commands())
        {
            if (!EqualsIgnoreCase(command.name, name))
                continue;
            const Described described = Describe(command);
            Say("usage: %s\n  %s\n", described.usage, described.summary);
            return true;
        }
        return Fail(context, "help: no command named \"" + name + "\" (help lists them)");
    });
}
}
