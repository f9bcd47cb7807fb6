// Another component in the same process, with its own hidden copy of the
// console code (as every component compiles it in), declaring a boolean
// variable when asked to.
#include "ConVar.h"
#include "SecondComponent.h"

#include <memory>

template<>
uint64_t InstanceType<ConsoleVariableManager>::ms_id = LookupTypeId("ConsoleVariableManager");

namespace
{
bool g_tracked = false;
std::unique_ptr<ConVar<bool>> g_variable;
}

extern "C" __attribute__((visibility("default"))) SecondComponentVariable SecondComponentDeclare(const char* name)
{
    g_variable = std::make_unique<ConVar<bool>>(name, ConVar_None, false, &g_tracked);
    return { &g_tracked, g_variable->GetEntry().get() };
}

extern "C" __attribute__((visibility("default"))) void SecondComponentRelease()
{
    g_variable.reset();
}
