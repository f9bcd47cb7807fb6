// Events of the game's core module that components attach to.
#pragma once

#include "EventCore.h"

// Variables of the game's core module (nym-core-vesk) are exported and imported explicitly,
// as Microsoft's ABI needs; its functions are all exported by the build.
#if !defined(_MSC_VER)
#define NYM_CORE_DATA
#elif defined(nym_core_vesk_EXPORTS)
#define NYM_CORE_DATA __declspec(dllexport)
#else
#define NYM_CORE_DATA __declspec(dllimport)
#endif

// Raised once the game has finished shutting networking down.
extern NYM_CORE_DATA fwEvent<> OnKillNetworkDone;
