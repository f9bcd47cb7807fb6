// Events of the game's core module that components attach to.
#pragma once

#include "EventCore.h"

// Raised once the game has finished shutting networking down.
extern fwEvent<> OnKillNetworkDone;
