// Events of the game's core module that components attach to.
#pragma once

#include "EventCore.h"

// The game core's (nym-core-vesk) interface: exported while building the
// module, imported by its users, as Microsoft's ABI needs. Elsewhere every
// symbol is visible by default.
#if !defined(_MSC_VER)
#define NYM_CORE_API
#elif defined(nym_core_vesk_EXPORTS)
#define NYM_CORE_API __declspec(dllexport)
#else
#define NYM_CORE_API __declspec(dllimport)
#endif

// Raised once the game has finished shutting networking down.
extern NYM_CORE_API fwEvent<> OnKillNetworkDone;
