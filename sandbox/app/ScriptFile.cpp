// Script files: --script FILE, and the console's "script FILE".
#include "CommandSupport.h"
#include "Sandbox.h"
#include "ScriptRunner.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace sandbox
{
namespace
{
// A script may run scripts; one that runs itself stops here instead of
// exhausting the stack.
constexpr int kMaxScriptDepth = 16;
int g_scriptDepth = 0;
}

int RunScriptFile(Sandbox& sandbox, const std::string& path)
{
    std::ifstream file(path);
    if (!file)
    {
        PrintWarning("sandbox", "cannot read the script %s: %s\n", path, std::strerror(errno));
        return 2;
    }
    if (g_scriptDepth == kMaxScriptDepth)
    {
        PrintWarning("sandbox", "%s: scripts nest %d deep, which is as deep as they go\n", path, kMaxScriptDepth);
        return 1;
    }
    ++g_scriptDepth;
    const ScriptResult result = RunScript(
        file,
        [&](const std::string& line) {
            Printf("script", "%s\n", line);
            return sandbox.RunLine(line);
        },
        [&] { return sandbox.quitRequested; });
    --g_scriptDepth;
    if (!result.succeeded)
    {
        PrintWarning("sandbox", "%s:%d: the script stops here: %s\n", path, result.failedLine, result.failedText);
        return 1;
    }
    return 0;
}

void AddScriptCommands(Sandbox& sandbox)
{
    sandbox.AddCommand("script", 1, [&sandbox](ConsoleExecutionContext& context) {
        if (RunScriptFile(sandbox, context.arguments[0]) != 0)
            return Fail(context, "script: " + context.arguments[0] + " did not run to its end");
        return true;
    });
}
}
