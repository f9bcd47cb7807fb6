// Events of the console host that components draw in.
#pragma once

#include "EventCore.h"

// The console host's (conhost-v2) interface: exported while building the
// module, imported by its users, as Microsoft's ABI needs. Elsewhere every
// symbol is visible by default.
#if !defined(_MSC_VER)
#define CONHOST_API
#elif defined(conhost_v2_EXPORTS)
#define CONHOST_API __declspec(dllexport)
#else
#define CONHOST_API __declspec(dllimport)
#endif

namespace ConHost
{
// Asked before each GUI frame; a handler sets the bool to true to have the
// GUI drawn.
extern CONHOST_API fwEvent<bool*> OnShouldDrawGui;
// Raised inside the Dear ImGui frame.
extern CONHOST_API fwEvent<> OnDrawGui;
}
