// A modifier as the editor can put it back: its name, user flags and
// parameters with their values, in the game's order. Taken from and applied
// to the game only through the game's own operations, so it stays valid
// whatever the game does to its records in between.
#pragma once

#include "game/GameTimecycle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tceditor
{
struct ModifierSnapshot
{
    std::string name;
    uint32_t userFlags = 0;
    std::vector<tcModData> params;

    static ModifierSnapshot Take(GameTimecycle& game, const tcModifier& modifier);

    // Memory the snapshot holds, for the history's bound.
    size_t Bytes() const;
    // The same name, flags and parameters in the same order, values equal
    // to the bit.
    bool operator==(const ModifierSnapshot& other) const;
    // As ==, but the parameters' order does not count.
    bool SameContent(const ModifierSnapshot& other) const;
};

// Values are compared to the bit: -0 differs from 0, and a NaN equals itself.
bool SameValue(float a, float b);
bool SameValues(const tcModData& a, const tcModData& b);

// A 64-bit digest of a modifier's content (user flags, parameters in order,
// values to the bit; not its name): equal digests mean the same content, for
// checking that a modifier is still as the editor left it.
uint64_t ContentFingerprint(const tcModifier& modifier);
uint64_t ContentFingerprint(const ModifierSnapshot& snapshot);

// Gives the modifier the snapshot's user flags and parameters, in the
// snapshot's order; its name stays. False when the game refused a parameter.
bool ApplyContent(GameTimecycle& game, tcModifier& modifier, const ModifierSnapshot& snapshot);
// ApplyContent and the snapshot's name. False when the game refused the name
// (taken by another modifier) or a parameter.
bool ApplySnapshot(GameTimecycle& game, tcModifier& modifier, const ModifierSnapshot& snapshot);
// A new modifier made from the snapshot; null when the game refuses the name.
tcModifier* CreateFromSnapshot(GameTimecycle& game, const ModifierSnapshot& snapshot);
// Puts a parameter with its values at `position` of the modifier's array (at
// the end when the array is shorter). False when the game refused it.
bool InsertParameter(GameTimecycle& game, tcModifier& modifier, const tcModData& entry, size_t position);
}
