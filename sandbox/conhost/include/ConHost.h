// Events of the console host that components draw in.
#pragma once

#include "EventCore.h"

namespace ConHost
{
// Asked before each GUI frame; a handler sets the bool to true to have the
// GUI drawn.
extern fwEvent<bool*> OnShouldDrawGui;
// Raised inside the Dear ImGui frame.
extern fwEvent<> OnDrawGui;
}
