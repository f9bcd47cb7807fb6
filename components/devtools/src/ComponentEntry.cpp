// The library's entry: its load-time initialisation, in this order, and the
// one export through which the loader gets the component object.
#include "Component.h"
#include "ConsoleCommandManager.h"
#include "ConsoleContext.h"
#include "ConsoleVariableManager.h"
#include "EntryBarrier.h"
#include "ICoreGameInit.h"
#include "InitFunction.h"
#include "Registry.h"
#include "TimecycleEditor.h"

#include <cstdio>

class ComponentLoader;

template<>
uint64_t InstanceType<ICoreGameInit>::ms_id = LookupTypeId("ICoreGameInit");
template<>
uint64_t InstanceType<ConsoleCommandManager>::ms_id = LookupTypeId("ConsoleCommandManager");
template<>
uint64_t InstanceType<console::Context>::ms_id = LookupTypeId("console::Context");
template<>
uint64_t InstanceType<ConsoleVariableManager>::ms_id = LookupTypeId("ConsoleVariableManager");

namespace
{
// The framework's headers fetch the game-init id a second time; the registry
// gives the same id again.
const bool g_gameInitIdRefetched = (InstanceType<ICoreGameInit>::ms_id = LookupTypeId("ICoreGameInit"), true);

InitFunction g_startTimecycleEditor(StartTimecycleEditor, 0);
StopFunction g_stopTimecycleEditor(StopTimecycleEditor);

EntryBarrier g_createBarrier("CreateComponent");
}

template<>
uint64_t InstanceType<ComponentLoader>::ms_id = LookupTypeId("ComponentLoader");

namespace
{
const bool g_unbufferedOutput = (setvbuf(stdout, nullptr, _IONBF, 0), setvbuf(stderr, nullptr, _IONBF, 0), true);
}

extern "C" __attribute__((visibility("default"))) Component* CreateComponent()
{
    return g_createBarrier.Run<Component*>(nullptr, [] { return new ComponentInstance(); });
}
