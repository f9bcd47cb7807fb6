#include "editing/ModifierSelection.h"

#include "base/EditorAssert.h"

#include <algorithm>

namespace tceditor
{
namespace
{
bool SameVarIds(const tcModifier& modifier, const std::vector<int32_t>& varIds)
{
    if (modifier.numMods != varIds.size())
        return false;
    for (size_t i = 0; i < varIds.size(); ++i)
    {
        if (modifier.modData[i].varId != varIds[i])
            return false;
    }
    return true;
}
}

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
    ++m_keysVersion;
    m_name.clear();
    m_indexHint = 0;
}

void ModifierSelection::CaptureParams(GameTimecycle& game)
{
    const tcModifier* modifier = Find(game);
    if (!modifier)
        return;
    if (m_keysVersion == m_capturedVersion && workingParams.size() == m_capturedCount &&
        SameVarIds(*modifier, m_capturedVars))
        return;

    m_capturedVars.clear();
    bool added = false;
    for (int i = 0; i < modifier->numMods; ++i)
    {
        const tcModData& entry = modifier->modData[i];
        m_capturedVars.push_back(entry.varId);
        // The first entry of a var id wins, and a working copy is never
        // overwritten: it may hold edits.
        added |= workingParams.try_emplace(entry.varId, entry).second;
    }
    if (added)
        ++m_keysVersion;
    m_capturedVersion = m_keysVersion;
    m_capturedCount = workingParams.size();
}

void ModifierSelection::SetWorking(int32_t varId, const tcModData& entry)
{
    if (workingParams.insert_or_assign(varId, entry).second)
        ++m_keysVersion;
}

bool ModifierSelection::ForgetWorking(int32_t varId)
{
    if (!workingParams.erase(varId))
        return false;
    ++m_keysVersion;
    return true;
}

void ModifierSelection::Select(GameTimecycle& game, tcModifier& next)
{
    TCE_ASSERT(next.modData);
    switchedOff.clear();
    workingParams.clear();
    ++m_keysVersion;
    m_name = game.GetTimecycleName(next);
    m_indexHint = static_cast<size_t>(std::max(game.GetTimecycleIndex(next), 0));
    CaptureParams(game);
    TCE_ASSERT(Find(game) == &next);
}
}
