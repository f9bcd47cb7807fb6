// Events of the console host that components draw in.
#pragma once

#include "EventCore.h"

// The console host's (conhost-v2) interface.
#include "HostModuleApi.h"
#if defined(conhost_v2_EXPORTS)
#define CONHOST_API HOST_MODULE_EXPORT
#else
#define CONHOST_API HOST_MODULE_IMPORT
#endif

namespace ConHost
{
// Asked before each GUI frame; a handler sets the bool to true to have the
// GUI drawn.
extern CONHOST_API fwEvent<bool*> OnShouldDrawGui;
// Raised inside the Dear ImGui frame.
extern CONHOST_API fwEvent<> OnDrawGui;
}
