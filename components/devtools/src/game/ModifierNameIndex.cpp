#include "game/ModifierNameIndex.h"

namespace tceditor
{
ModifierNameIndex::ModifierNameIndex(GameTimecycle& game)
{
    const std::span<tcModifier* const> modifiers = game.Modifiers();
    m_byName.reserve(modifiers.size());
    for (tcModifier* modifier : modifiers)
    {
        // The same test as FindModifierByName: a slot without data is no
        // live modifier.
        if (modifier && modifier->modData)
            m_byName.emplace(game.GetTimecycleName(*modifier), modifier);
    }
}

tcModifier* ModifierNameIndex::Find(std::string_view name) const
{
    auto found = m_byName.find(name);
    return found != m_byName.end() ? found->second : nullptr;
}
}
