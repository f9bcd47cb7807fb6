// timecycle_modifier_data documents made from the game's modifiers: one
// modifier's ("Generate XML", "Copy parameters"), and the session's work
// ("Copy changed", "Save changed").
#pragma once

#include "GameTimecycle.h"
#include "ModifierDocument.h"

#include <string>

namespace tceditor
{
class SessionChanges;

// The modifier as the game holds it now: its name, user flags, numMods and
// every entry whose variable the game names, in array order.
DocumentModifier DocumentOfModifier(GameTimecycle& game, const tcModifier& modifier);

// Every live modifier the session changed or created, in the game's order and
// in the export's format with exact values, after a comment naming the
// modifiers the session removed (by their names before the session) and
// those it renamed ("alpha -> beta").
std::string ChangedModifiersText(GameTimecycle& game, const SessionChanges& changes);
}
