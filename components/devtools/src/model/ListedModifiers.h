// The rows of the modifier browser: the game's modifiers without its empty
// slots, narrowed by the search. They are collected again only when what they
// depend on changed (the search result, the game's array, a slot's name hash
// while a search is active). Checking that costs a few instructions per slot,
// so an open editor's frame hardly grows with the modifiers it does not show.
#pragma once

#include "NameHashSet.h"

#include <TimecycleManager.h>

#include <cstdint>
#include <span>
#include <vector>

namespace tceditor
{
class ListedModifiers
{
public:
    // The rows for this frame; `filter` is null while no search is active.
    std::span<tcModifier* const> Update(std::span<tcModifier* const> modifiers, const NameHashSet* filter);

private:
    bool IsCurrent(std::span<tcModifier* const> modifiers, const NameHashSet* filter) const;
    void Collect(std::span<tcModifier* const> modifiers, const NameHashSet* filter);

    bool m_collected = false;
    bool m_filtered = false;
    uint64_t m_filterVersion = 0;
    // The game's array when collected. Compared with the frame's array, and
    // read only once equal to it: no earlier frame's record is ever read.
    std::vector<tcModifier*> m_slots;
    std::vector<uint32_t> m_slotHashes; // each slot's name hash then, 0 for an empty slot
    std::vector<tcModifier*> m_rows;
};
}
