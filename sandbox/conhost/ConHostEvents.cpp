// The console host's GUI events live here; components connect to them by
// import.
#include "ConHost.h"

fwEvent<bool*> ConHost::OnShouldDrawGui;
fwEvent<> ConHost::OnDrawGui;
