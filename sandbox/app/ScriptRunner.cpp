#include "ScriptRunner.h"

namespace sandbox
{
namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}
}

std::string ScriptCommand(const std::string& line)
{
    size_t end = line.size();
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i)
    {
        if (line[i] == '"')
            quoted = !quoted;
        const bool startsWord = i == 0 || IsBlank(line[i - 1]);
        const bool endsWord = i + 1 == line.size() || IsBlank(line[i + 1]);
        if (!quoted && line[i] == '#' && startsWord && (endsWord || line.find_first_not_of(" \t\r") == i))
        {
            end = i;
            break;
        }
    }
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || first >= end)
        return {};
    size_t last = end;
    while (last > first && IsBlank(line[last - 1]))
        --last;
    return line.substr(first, last - first);
}

ScriptResult RunScript(std::istream& script, const std::function<bool(const std::string& line)>& runLine,
                       const std::function<bool()>& stop)
{
    std::string line;
    int number = 0;
    while (std::getline(script, line))
    {
        ++number;
        const std::string command = ScriptCommand(line);
        if (command.empty())
            continue;
        if (!runLine(command))
            return { false, number, command };
        if (stop())
            break;
    }
    return {};
}
}
