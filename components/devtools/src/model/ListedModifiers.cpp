#include "ListedModifiers.h"

#include <cstring>

namespace tceditor
{
std::span<tcModifier* const> ListedModifiers::Update(std::span<tcModifier* const> modifiers, const NameHashSet* filter)
{
    if (!IsCurrent(modifiers, filter))
        Collect(modifiers, filter);
    return m_rows;
}

bool ListedModifiers::IsCurrent(std::span<tcModifier* const> modifiers, const NameHashSet* filter) const
{
    const size_t count = modifiers.size();
    if (!m_collected || m_filtered != (filter != nullptr) || m_slots.size() != count)
        return false;
    if (filter && filter->Version() != m_filterVersion)
        return false;
    if (count != 0 && memcmp(m_slots.data(), modifiers.data(), count * sizeof(tcModifier*)) != 0)
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

void ListedModifiers::Collect(std::span<tcModifier* const> modifiers, const NameHashSet* filter)
{
    const size_t count = modifiers.size();
    m_slots.assign(modifiers.begin(), modifiers.end());
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
}
