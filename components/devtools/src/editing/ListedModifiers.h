// The rows of the modifier browser: the game's modifiers without its empty
// slots, narrowed by the search. They are collected again only when what they
// depend on changed (the search result, the game's array, a slot's name hash
// while a search is active).
//
// The game's interface gives no sign of a change to its array: no version or
// count of changes, and a slot freed by a removal may take a new modifier
// with the array's size and place unchanged. Only the slots themselves tell,
// and comparing all of them every frame would make the frame grow with the
// game. So each frame checks a part of the slots in turn (every slot within a
// few frames, at once when the size changes), and each row in view is checked
// against its slot as it is drawn: no row that may be stale is ever read.
#pragma once

#include "base/EditorAssert.h"
#include "base/NameHashSet.h"

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
    // With `whole`, every slot is checked first, for a caller that reads
    // every row, not only those it draws.
    std::span<tcModifier* const> Update(std::span<tcModifier* const> modifiers, const NameHashSet* filter,
                                        bool whole = false);
    // The row of this frame's rows to draw: the modifier, or null when the
    // game's slot no longer holds it (the rows are collected again next frame).
    // Inline: the list asks for every row it draws.
    tcModifier* RowToDraw(std::span<tcModifier* const> modifiers, size_t row)
    {
        if (row >= m_rows.size())
            return nullptr;
        TCE_ASSERT(m_rowSlots.size() == m_rows.size()); // each row keeps the slot it was listed from
        const size_t slot = m_rowSlots[row];
        // The slot's pointer is the game's own this frame: equal to the
        // row's, it may be read.
        if (slot < modifiers.size() && modifiers[slot] == m_rows[row] &&
            (!m_filtered || m_rows[row]->nameHash == m_slotHashes[slot]))
            return m_rows[row];
        m_collected = false;
        return nullptr;
    }

    // Slots compared with the game's array per frame.
    static constexpr size_t kSlotsCheckedPerFrame = 1024;

private:
    bool IsCurrent(std::span<tcModifier* const> modifiers, const NameHashSet* filter, bool whole);
    bool SameSlots(std::span<tcModifier* const> modifiers, size_t start, size_t count) const;
    void Collect(std::span<tcModifier* const> modifiers, const NameHashSet* filter);

    bool m_collected = false;
    bool m_filtered = false;
    uint64_t m_filterVersion = 0;
    // The game's array when collected. Compared with the frame's array, and
    // read only once equal to it: no earlier frame's record is ever read.
    std::vector<tcModifier*> m_slots;
    std::vector<uint32_t> m_slotHashes; // each slot's name hash then, 0 for an empty slot
    std::vector<tcModifier*> m_rows;
    std::vector<size_t> m_rowSlots;     // each row's slot
    size_t m_nextChecked = 0;           // the first slot the next frame compares
};
}
