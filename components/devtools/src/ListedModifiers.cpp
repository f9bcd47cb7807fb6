#include "ListedModifiers.h"

#include <cstring>

std::span<tcModifier* const> ListedModifiers::Update(const tcManager& manager, const NameHashSet* filter)
{
    if (!IsCurrent(manager, filter))
        Collect(manager, filter);
    return m_rows;
}

bool ListedModifiers::IsCurrent(const tcManager& manager, const NameHashSet* filter) const
{
    const size_t count = manager.modifierCount;
    if (!m_collected || m_filtered != (filter != nullptr) || m_slots.size() != count)
        return false;
    if (filter && filter->Version() != m_filterVersion)
        return false;
    if (count != 0 && memcmp(m_slots.data(), manager.modifiers, count * sizeof(tcModifier*)) != 0)
        return false;

    // Only a search looks at the names: a renamed modifier may now pass or
    // fail it.
    if (filter)
    {
        for (size_t i = 0; i < count; ++i)
        {
            const tcModifier* modifier = m_slots[i];
            if (modifier && modifier->nameHash != m_slotHashes[i])
                return false;
        }
    }
    return true;
}

void ListedModifiers::Collect(const tcManager& manager, const NameHashSet* filter)
{
    const size_t count = manager.modifierCount;
    m_slots.assign(manager.modifiers, manager.modifiers + count);
    m_slotHashes.resize(count);
    m_rows.clear();
    for (size_t i = 0; i < count; ++i)
    {
        tcModifier* modifier = m_slots[i];
        m_slotHashes[i] = modifier ? modifier->nameHash : 0;
        if (modifier && (!filter || filter->contains(modifier->nameHash)))
            m_rows.push_back(modifier);
    }

    m_collected = true;
    m_filtered = filter != nullptr;
    m_filterVersion = filter ? filter->Version() : 0;
}
