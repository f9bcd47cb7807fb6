// What the sandbox and the tests can do to the stand-in core runtime from
// outside: the knobs a real game would turn itself.
#pragma once

#include "CoreRTExports.h"

#include <cstdint>
#include <string>
#include <vector>

class ICoreGameInit;

namespace corert
{
// Puts an instance into the instance registry under a type name.
CORE_RT_API void RegisterInstance(const char* typeName, void* instance);

// The id the component registry gives a type name.
CORE_RT_API uint64_t TypeId(const char* typeName);
// Every type name the component registry was asked for, in order.
CORE_RT_API std::vector<std::string> TypeLookups();

CORE_RT_API ICoreGameInit& GameInit();
CORE_RT_API void SetGameReady(bool ready);
CORE_RT_API void SetGameInitVariable(const std::string& name, bool present);
}
