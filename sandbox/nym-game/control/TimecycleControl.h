// What the sandbox and the tests do to the game's timecycle from outside:
// start a manager, load and save timecycle data, move the player in and out
// of interiors, restore backups, and read the values the game would render
// with. Tools inside the game see only TimecycleManager.h.
#pragma once

#include "TimecycleManager.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace timecycle
{
// One problem found in a data file: where, and what was done about it.
// `line` is 0 when the problem concerns the file as a whole.
struct LoadMessage
{
    std::string file;
    int line = 0;
    std::string text;
};

struct LoadReport
{
    int variablesLoaded = 0;
    int modifiersLoaded = 0;
    int modifiersReplaced = 0;
    int filesSkipped = 0;
    std::vector<LoadMessage> messages;
};

// Replaces TheTimecycleManager with a fresh manager: no variables, no
// modifiers, script data and interior override cleared. Every record of the
// previous manager, tombstones included, is freed.
NYM_GAME_API void ResetManager();

// Data files. Every problem is reported with file and line (also printed to
// standard error) and only the broken part is skipped:
// - a file that is not well-formed XML, or has the wrong root element, is
//   skipped whole;
// - a variable without a valid name or finite default, or with a name
//   already in the table, is skipped;
// - a modifier without a name, or with a name that already exists (unless
//   the load replaces existing modifiers), is skipped, as is one that no
//   longer fits in the array;
// - a parameter with an unknown variable, a repeated variable, or values
//   that are not two finite numbers is skipped, and its modifier is loaded
//   without it (as is one past the 65535 a modifier can hold);
// - a `userFlags` that is not an unsigned 32-bit number is reported and read
//   as 0; a `numMods` that disagrees with the number of parameter elements
//   is reported (the elements win).

// The variable table: <timecycle_variables> with one
// <variable name=".." default=".."/> per variable, ids in file order. Only a
// manager without variables takes a table.
NYM_GAME_API LoadReport LoadVariableTable(const std::string& path);
// A timecycle_modifier_data file, as the timecycle editor exports it; the
// console's `tc_load FILE`. Each <modifier> becomes a new modifier with its
// name, userFlags and one parameter per child element (named after the
// variable, text "value1 value2"); the description is not kept. A modifier
// whose name exists already is skipped, or, with Replace, takes the file's
// userFlags and parameters in place (the editor's saved session changes
// brought back into a game started from the same data).
enum class ExistingModifiers
{
    Skip,
    Replace,
};
NYM_GAME_API LoadReport LoadModifierFile(const std::string& path, ExistingModifiers existing = ExistingModifiers::Skip);
// A data folder: variables.xml, then every modifiers/*.xml in name order.
NYM_GAME_API LoadReport LoadDataFolder(const std::string& folder);
// Writes the named modifier as a timecycle_modifier_data file, in the
// timecycle editor's export format; the console's `tc_save NAME FILE`. The
// file is replaced only once the new one is written in full. An unknown name
// or a write failure gives a message and leaves the file as it was.
NYM_GAME_API LoadReport SaveModifierFile(const std::string& name, const std::string& path);

// The live modifier of that name, or null.
NYM_GAME_API tcModifier* FindModifier(const std::string& name);

// Whether the player is inside an interior room.
NYM_GAME_API void SetInsideInteriorRoom(bool inside);

// The value the game renders a variable with; none for an unknown id.
// Starting from the variable's default, each applied modifier that has a
// parameter for the variable moves the value towards that parameter by its
// strength: value += (parameter - value) * strength. In order:
//   1. the primary modifier with `primaryStrength`,
//   2. the transition modifier with `transitionStrength`,
//   3. inside an interior room, the interior override with strength 1.
// The parameter is value1 outdoors and value2 inside an interior room. An
// index that names no modifier applies nothing.
NYM_GAME_API std::optional<float> EffectiveValue(int varId);

// Lets game time pass for the transition: its strength moves by
// `transitionParam` per second, up to 1 (or, with a negative rate, down to
// 0); a strength already past that end is left alone. Nothing happens
// without a transition modifier. True when the strength moved (the picture
// changes).
NYM_GAME_API bool AdvanceTransition(float seconds);

// Backups taken by EnsureTimecycleBackup.
NYM_GAME_API bool HasBackup(const tcModifier& modifier);
// Puts the backup's parameters and user flags back into the modifier; the
// backup is kept. False without a backup or for a removed modifier.
NYM_GAME_API bool RestoreBackup(tcModifier& modifier);

// Test hook: while `missing`, GetGameManager answers null, as in a game that
// has not built its timecycle yet; everything else keeps working. A fresh
// manager has its game manager.
NYM_GAME_API void SetGameManagerMissing(bool missing);

// The hash the manager gives a name.
NYM_GAME_API uint32_t HashName(std::string_view name);
// Test hook: gives the modifier another name hash, as a hash collision
// would; the next rename computes the real one again.
NYM_GAME_API void ForceNameHash(tcModifier& modifier, uint32_t hash);
}
