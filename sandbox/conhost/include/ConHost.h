// Events of the console host that components draw in.
#pragma once

#include "EventCore.h"

// Variables of the console host (conhost-v2) are exported and imported explicitly,
// as Microsoft's ABI needs; its functions are all exported by the build.
#if !defined(_MSC_VER)
#define CONHOST_DATA
#elif defined(conhost_v2_EXPORTS)
#define CONHOST_DATA __declspec(dllexport)
#else
#define CONHOST_DATA __declspec(dllimport)
#endif

namespace ConHost
{
// Asked before each GUI frame; a handler sets the bool to true to have the
// GUI drawn.
extern CONHOST_DATA fwEvent<bool*> OnShouldDrawGui;
// Raised inside the Dear ImGui frame.
extern CONHOST_DATA fwEvent<> OnDrawGui;
}
