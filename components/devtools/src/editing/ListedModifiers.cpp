#include "editing/ListedModifiers.h"

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
