#include "editing/ListedModifiers.h"

#include "base/EditorAssert.h"

#include <algorithm>
#include <cstring>

namespace tceditor
{
std::span<tcModifier* const> ListedModifiers::Update(std::span<tcModifier* const> modifiers, const NameHashSet* filter,
                                                     bool whole)
{
    if (!IsCurrent(modifiers, filter, whole))
        Collect(modifiers, filter);
    return m_rows;
}

tcModifier* ListedModifiers::RowToDraw(std::span<tcModifier* const> modifiers, size_t row)
{
    if (row >= m_rows.size())
        return nullptr;
    TCE_ASSERT(m_rowSlots.size() == m_rows.size()); // each row keeps the slot it was listed from
    const size_t slot = m_rowSlots[row];
    // The slot's pointer is the game's own this frame: equal to the row's, it
    // may be read.
    if (slot < modifiers.size() && modifiers[slot] == m_rows[row] &&
        (!m_filtered || m_rows[row]->nameHash == m_slotHashes[slot]))
        return m_rows[row];
    m_collected = false;
    return nullptr;
}

bool ListedModifiers::SameSlots(std::span<tcModifier* const> modifiers, size_t start, size_t count) const
{
    if (memcmp(m_slots.data() + start, modifiers.data() + start, count * sizeof(tcModifier*)) != 0)
        return false;
    // Only a search looks at the names: a renamed modifier may now pass or
    // fail it.
    if (m_filtered)
    {
        for (size_t i = start; i < start + count; ++i)
        {
            const tcModifier* modifier = m_slots[i];
            if (modifier && modifier->nameHash != m_slotHashes[i])
                return false;
        }
    }
    return true;
}

bool ListedModifiers::IsCurrent(std::span<tcModifier* const> modifiers, const NameHashSet* filter, bool whole)
{
    const size_t count = modifiers.size();
    if (!m_collected || m_filtered != (filter != nullptr) || m_slots.size() != count)
        return false;
    if (filter && filter->Version() != m_filterVersion)
        return false;

    size_t left = whole ? count : std::min(count, kSlotsCheckedPerFrame);
    while (left > 0)
    {
        const size_t start = m_nextChecked < count ? m_nextChecked : 0;
        const size_t part = std::min(left, count - start);
        if (!SameSlots(modifiers, start, part))
            return false;
        m_nextChecked = start + part;
        left -= part;
    }
    return true;
}

void ListedModifiers::Collect(std::span<tcModifier* const> modifiers, const NameHashSet* filter)
{
    // Not current until the end: a failed allocation on the way leaves rows
    // that are collected again next frame, never rows without their slots.
    m_collected = false;
    const size_t count = modifiers.size();
    m_slots.assign(modifiers.begin(), modifiers.end());
    m_slotHashes.resize(count);
    m_rows.clear();
    m_rowSlots.clear();
    for (size_t i = 0; i < count; ++i)
    {
        tcModifier* modifier = m_slots[i];
        m_slotHashes[i] = modifier ? modifier->nameHash : 0;
        if (modifier && (!filter || filter->contains(modifier->nameHash)))
        {
            m_rows.push_back(modifier);
            m_rowSlots.push_back(i);
        }
    }

    m_collected = true;
    m_filtered = filter != nullptr;
    m_filterVersion = filter ? filter->Version() : 0;
    m_nextChecked = 0;
}
}
