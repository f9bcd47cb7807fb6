// Scripts: one console line per line. A line whose first non-blank character
// is '#' is a comment, and so is the rest of a line from a '#' that stands
// alone as a word (" # "); a '#' inside a word belongs to it ("##splitter").
// The first line that fails stops the script.
#pragma once

#include <functional>
#include <istream>
#include <string>

namespace sandbox
{
struct ScriptResult
{
    bool succeeded = true;
    int failedLine = 0;   // 1-based line number of the failing line
    std::string failedText;
};

// The command of a script line, without comment and surrounding blanks.
std::string ScriptCommand(const std::string& line);

// Runs the lines with `runLine` until one fails or `stop` says so (after a
// line, e.g. once "quit" ran).
ScriptResult RunScript(std::istream& script, const std::function<bool(const std::string& line)>& runLine,
                       const std::function<bool()>& stop);
}
