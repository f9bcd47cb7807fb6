// The game core's events live here; components connect to them by import.
#include "NetworkEvents.h"

fwEvent<> OnKillNetworkDone;
