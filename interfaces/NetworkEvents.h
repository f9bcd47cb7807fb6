// Events of the game's core module that components attach to.
#pragma once

#include "EventCore.h"

// The game core's (nym-core-vesk) interface.
#include "HostModuleApi.h"
#if defined(nym_core_vesk_EXPORTS)
#define NYM_CORE_API HOST_MODULE_EXPORT
#else
#define NYM_CORE_API HOST_MODULE_IMPORT
#endif

// Raised once the game has finished shutting networking down.
extern NYM_CORE_API fwEvent<> OnKillNetworkDone;
