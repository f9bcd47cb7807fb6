#include "ModifierSelection.h"

#include "EditorAssert.h"

#include <algorithm>

namespace tceditor
{
tcModifier* ModifierSelection::Find(GameTimecycle& game)
{
    if (m_name.empty())
        return nullptr;
    const std::span<tcModifier* const> modifiers = game.Modifiers();
    if (m_indexHint < modifiers.size())
    {
        tcModifier* hinted = modifiers[m_indexHint];
        if (hinted && hinted->modData && game.GetTimecycleName(*hinted) == m_name)
            return hinted;
    }
    for (size_t i = 0; i < modifiers.size(); ++i)
    {
        tcModifier* modifier = modifiers[i];
        if (modifier && modifier->modData && game.GetTimecycleName(*modifier) == m_name)
        {
            m_indexHint = i;
            return modifier;
        }
    }
    Clear();
    return nullptr;
}

void ModifierSelection::FollowRename(const std::string& from, const std::string& to)
{
    if (!m_name.empty() && m_name == from)
        m_name = to;
}

void ModifierSelection::Clear()
{
    switchedOff.clear();
    workingParams.clear();
    m_name.clear();
    m_indexHint = 0;
}

void ModifierSelection::CaptureParams(GameTimecycle& game)
{
    const tcModifier* modifier = Find(game);
    if (!modifier)
        return;
    for (int i = 0; i < modifier->numMods; ++i)
    {
        const tcModData& entry = modifier->modData[i];
        // The first entry of a var id wins, and a working copy is never
        // overwritten: it may hold edits.
        workingParams.try_emplace(entry.varId, entry);
    }
}

void ModifierSelection::Select(GameTimecycle& game, tcModifier& next)
{
    TCE_ASSERT(next.modData);
    switchedOff.clear();
    workingParams.clear();
    m_name = game.GetTimecycleName(next);
    m_indexHint = static_cast<size_t>(std::max(game.GetTimecycleIndex(next), 0));
    CaptureParams(game);
    TCE_ASSERT(Find(game) == &next);
}
}
