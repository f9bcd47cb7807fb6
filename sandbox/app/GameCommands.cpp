// The game's side: readiness, game-init variables, the network shutdown
// event, interiors and the game's request for the editor.
#include "CommandSupport.h"
#include "Sandbox.h"

#include <CoreRTControl.h>
#include <NetworkEvents.h>
#include <TimecycleControl.h>

namespace sandbox
{
void AddGameCommands(Sandbox& sandbox)
{
    sandbox.AddCommand("game_ready", 1, [](ConsoleExecutionContext& context) {
        const std::optional<bool> ready = ParseSwitch(context.arguments[0]);
        if (!ready)
            return Fail(context, "game_ready: on or off, not \"" + context.arguments[0] + "\"");
        corert::SetGameReady(*ready);
        return true;
    });

    sandbox.AddCommand("game_init_var", 2, [](ConsoleExecutionContext& context) {
        const std::string& action = context.arguments[0];
        if (action != "add" && action != "remove")
            return Fail(context, "game_init_var: add or remove, not \"" + action + "\"");
        corert::SetGameInitVariable(context.arguments[1], action == "add");
        return true;
    });

    sandbox.AddCommand("kill_network", 0, [](ConsoleExecutionContext&) {
        OnKillNetworkDone();
        Say("network shut down (OnKillNetworkDone raised)\n");
        return true;
    });

    sandbox.AddCommand("interior", 1, [](ConsoleExecutionContext& context) {
        const std::optional<bool> inside = ParseSwitch(context.arguments[0]);
        if (!inside)
            return Fail(context, "interior: on or off, not \"" + context.arguments[0] + "\"");
        timecycle::SetInsideInteriorRoom(*inside);
        return true;
    });

    sandbox.AddCommand("request_editor", 0, [](ConsoleExecutionContext& context) {
        if (!TheTimecycleManager)
            return Fail(context, "request_editor: the game has no timecycle manager");
        TheTimecycleManager->SetActivateEditor(true);
        return true;
    });
}
}
