// The console itself: it owns the command manager that components register
// their commands in, and publishes the console interfaces in the instance
// registry before any component loads.
#include "ConsoleContext.h"

#include "ConsoleCommandManager.h"
#include "ConsoleVariableManager.h"
#include "CoreRTConsole.h"
#include "CoreRTControl.h"

namespace
{
class StandInConsoleContext final : public console::Context
{
public:
    ConsoleCommandManager* GetCommandManager() override { return &corert::CommandManager(); }
};

const bool g_registered = (corert::RegisterInstance("console::Context", &corert::ConsoleContext()),
                           corert::RegisterInstance("ConsoleCommandManager", &corert::CommandManager()),
                           corert::RegisterInstance("ConsoleVariableManager", &corert::VariableManager()), true);
}

console::Context& corert::ConsoleContext()
{
    // Never destroyed, like the managers it leads to.
    static auto* context = new StandInConsoleContext();
    return *context;
}
