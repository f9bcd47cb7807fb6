// frame [N], wait MS, screenshot FILE, quit.
#include "CommandSupport.h"
#include "Sandbox.h"

#include <chrono>
#include <filesystem>

namespace sandbox
{
void AddFrameCommands(Sandbox& sandbox)
{
    auto frames = [&sandbox](ConsoleExecutionContext& context) {
        int count = 1;
        if (context.arguments.Count() == 1)
        {
            const std::optional<int> parsed = ParseInteger(context.arguments[0]);
            if (!parsed || *parsed < 0)
                return Fail(context, "frame: the number of frames must be 0 or more, not \"" + context.arguments[0] +
                                         "\"" + TooLargeNote(context.arguments[0]));
            count = *parsed;
        }
        sandbox.TimedFrames(count);
        return true;
    };
    sandbox.AddCommand("frame", 0, frames);
    sandbox.AddCommand("frame", 1, frames);

    // The game runs on for a while, as it does between a user's actions.
    sandbox.AddCommand("wait", 1, [&sandbox](ConsoleExecutionContext& context) {
        const std::optional<int> ms = ParseInteger(context.arguments[0]);
        if (!ms || *ms < 0)
            return Fail(context, "wait: MS must be 0 or more milliseconds, not \"" + context.arguments[0] + "\"");
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(*ms);
        while (std::chrono::steady_clock::now() < end)
            sandbox.Frames(1);
        return true;
    });

    sandbox.AddCommand("screenshot", 1, [&sandbox](ConsoleExecutionContext& context) {
        std::string error;
        if (!sandbox.Screenshot(context.arguments[0], error))
            return Fail(context, "screenshot: " + error);
        std::error_code ignored;
        Say("screenshot written to %s\n", std::filesystem::absolute(context.arguments[0], ignored).string());
        return true;
    });

    sandbox.AddCommand("quit", 0, [&sandbox](ConsoleExecutionContext&) {
        sandbox.quitRequested = true;
        return true;
    });
}
}
