// The console's command table, and the running of a typed line: the first
// word names the command, and of the handlers registered under that name the
// one taking as many arguments as were typed runs.
#include "ConsoleCommandManager.h"

#include "CoreRTConsole.h"
#include "StandInConsole.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace
{
// Words are separated by white space; double quotes group words into one
// and are dropped ("" is an empty word). An unclosed quote runs to the end.
std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;

    for (char c : line)
    {
        if (c == '"')
        {
            quoted = !quoted;
            inWord = true;
        }
        else if (!quoted && std::isspace(static_cast<unsigned char>(c)))
        {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        }
        else
        {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::string JoinCounts(const std::set<size_t>& counts)
{
    std::string text;
    for (size_t count : counts)
        text += (text.empty() ? "" : " or ") + std::to_string(count);
    return text;
}

class StandInCommandManager final : public ConsoleCommandManager
{
public:
    void Invoke(const std::string& commandLine) override
    {
        std::vector<std::string> words = SplitWords(commandLine);
        if (words.empty())
            return;

        const std::string name = std::move(words.front());
        words.erase(words.begin());

        // The command is copied out, so that its handler may register or
        // unregister commands (or run lines) itself.
        std::optional<Command> match;
        std::set<size_t> counts;
        {
            std::lock_guard lock(m_mutex);
            for (const auto& [token, command] : m_commands)
            {
                if (corert::CompareIgnoreCase(command.name, name) != 0)
                    continue;
                counts.insert(command.argumentCount);
                if (!match && command.argumentCount == words.size())
                    match = command;
            }
        }

        if (counts.empty())
        {
            corert::WriteConsole("cmd", fmt::sprintf("No such command %s.\n", name), true);
            return;
        }
        if (!match)
        {
            corert::WriteConsole("cmd",
                                 fmt::sprintf("%s takes %s arguments, not %d.\n", name, JoinCounts(counts),
                                              words.size()),
                                 true);
            return;
        }
        if (match->builtin)
        {
            match->builtin(words);
            return;
        }
        if (!match->handler)
            return;

        ConsoleExecutionContext context{ ProgramArguments(std::move(words)) };
        match->handler(context);

        const std::string errors = context.errorStream.str();
        if (!errors.empty())
            corert::WriteConsole("cmd", errors, true);
    }

    int Register(const std::string& name, const std::string& resource, const ConsoleCommandHandler& handler,
                 size_t argumentCount) override
    {
        return Add(Command{ name, resource, handler, {}, argumentCount });
    }

    // Every registered name once, in registration order.
    std::vector<std::string> Names()
    {
        std::lock_guard lock(m_mutex);
        std::vector<std::string> names;
        for (const auto& [token, command] : m_commands)
            if (std::find(names.begin(), names.end(), command.name) == names.end())
                names.push_back(command.name);
        return names;
    }

    // Every registered name once, in registration order, with what takes it.
    std::vector<corert::CommandInfo> Infos()
    {
        std::lock_guard lock(m_mutex);
        std::vector<corert::CommandInfo> infos;
        for (const auto& entry : m_commands)
        {
            const auto& command = entry.second;
            auto it = std::find_if(infos.begin(), infos.end(),
                                   [&](const corert::CommandInfo& info) { return info.name == command.name; });
            if (it == infos.end())
                it = infos.insert(infos.end(), { command.name, command.resource, {} });
            it->argumentCounts.push_back(command.argumentCount);
        }
        for (corert::CommandInfo& info : infos)
            std::sort(info.argumentCounts.begin(), info.argumentCounts.end());
        return infos;
    }

    void RegisterBuiltin(const std::string& name, size_t argumentCount, corert::BuiltinCommand command)
    {
        Add(Command{ name, "core", {}, std::move(command), argumentCount });
    }

    void Unregister(int token) override
    {
        // The handler may hold the last reference to something whose
        // destruction unregisters more commands: let it go unlocked.
        ConsoleCommandHandler released;
        std::lock_guard lock(m_mutex);
        if (auto it = m_commands.find(token); it != m_commands.end())
        {
            released = std::move(it->second.handler);
            m_commands.erase(it);
        }
    }

private:
    // A component's command runs through its handler; one of the core
    // runtime's own takes the typed words directly.
    struct Command
    {
        std::string name;
        std::string resource;
        ConsoleCommandHandler handler;
        corert::BuiltinCommand builtin;
        size_t argumentCount;
    };

    int Add(Command command)
    {
        std::lock_guard lock(m_mutex);
        const int token = m_nextToken++;
        m_commands.emplace(token, std::move(command));
        return token;
    }

    std::mutex m_mutex;
    std::map<int, Command> m_commands; // by token, in registration order
    int m_nextToken = 0;
};

StandInCommandManager& Manager()
{
    // Never destroyed: components unregister their commands during their
    // own static destruction, which may come after ours.
    static auto* manager = new StandInCommandManager();
    return *manager;
}
}

ConsoleCommandManager& corert::CommandManager()
{
    return Manager();
}

void corert::RegisterBuiltinCommand(const std::string& name, size_t argumentCount, BuiltinCommand command)
{
    Manager().RegisterBuiltin(name, argumentCount, std::move(command));
}

std::vector<std::string> corert::CommandNames()
{
    return Manager().Names();
}

std::vector<corert::CommandInfo> corert::Commands()
{
    return Manager().Infos();
}
