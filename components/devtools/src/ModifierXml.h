// The selected modifier's export, and the same document for any modifier.
#pragma once

#include "ModifierDocument.h"

#include <TimecycleManager.h>

// The modifier as the game holds it now: its name, user flags, numMods and
// every entry whose variable the game names, in array order.
DocumentModifier DocumentOfModifier(const tcModifier& modifier);
