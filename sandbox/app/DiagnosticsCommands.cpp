// debug_fatal: the sandbox process itself fails through the shared
// diagnostics code, so that the fatal-error path (the record under the
// install root, the stop at the error's site) can be tried end to end.
// debug_kill: the process ends at once, as when the system kills a game,
// so that what survives such an end can be tried.
#include "CommandSupport.h"
#include "Sandbox.h"

#include <Assert.h>
#include <Platform.h>
#include <Utils.h>

#include <string>

namespace sandbox
{
namespace
{
void FailAssertion()
{
    // The condition is read at run time, so that the failure is the
    // assertion's own and not folded away.
    volatile bool holds = false;
    FW_ASSERT_AT(holds, "holds", "sandbox/app/DiagnosticsCommands", __LINE__);
}

void OverflowVa()
{
    // One character more than va may return.
    const std::string text(kVaMaxLength + 1, 'x');
    Say("%s\n", va("%s", text));
}
}

void AddDiagnosticsCommands(Sandbox& sandbox)
{
    sandbox.AddCommand("debug_fatal", 1, [](ConsoleExecutionContext& context) {
        const std::string& kind = context.arguments[0];
        if (kind == "assert")
            FailAssertion();
        else if (kind == "va")
            OverflowVa();
        else
            return Fail(context, "debug_fatal: assert or va, not \"" + kind + "\"");
        // Only reached when the process was not stopped, which it must be.
        return Fail(context, "debug_fatal: the process was not stopped");
    });
    sandbox.AddCommand("debug_kill", 0, [](ConsoleExecutionContext&) -> bool { platform::KillCurrentProcess(); });
}
}
