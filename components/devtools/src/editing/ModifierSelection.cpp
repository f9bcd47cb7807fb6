#include "editing/ModifierSelection.h"

#include "base/EditorAssert.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace tceditor
{
namespace
{
bool SameVarIds(std::span<const tcModData> live, const std::vector<tcModData>& captured)
{
    if (live.size() != captured.size())
        return false;
    for (size_t i = 0; i < live.size(); ++i)
    {
        if (live[i].varId != captured[i].varId)
            return false;
    }
    return true;
}

bool SameEntries(std::span<const tcModData> live, const std::vector<tcModData>& captured)
{
    return live.size() == captured.size() &&
           (live.empty() || std::memcmp(live.data(), captured.data(), live.size_bytes()) == 0);
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
    m_capturedModifier = nullptr;
    switchedOff.clear();
    workingParams.clear();
    ++m_keysVersion;
    m_name.clear();
    m_indexHint = 0;
}

void ModifierSelection::CaptureParams(GameTimecycle& game)
{
    tcModifier* modifier = Find(game);
    if (!modifier)
        return;
    const std::span<const tcModData> live(modifier->modData, modifier->numMods);
    if (m_keysVersion == m_capturedVersion && workingParams.size() == m_capturedCount && modifier == m_capturedModifier)
    {
        // Mostly the array is as captured, byte for byte, var ids and all.
        if (SameEntries(live, m_capturedEntries))
            return;
        if (SameVarIds(live, m_capturedEntries))
        {
            m_capturedEntries.assign(live.begin(), live.end());
            return;
        }
    }

    m_capturedModifier = modifier;
    m_capturedEntries.assign(live.begin(), live.end());
    m_firstEntry.assign(static_cast<size_t>(std::max(game.GetConfigVarInfoCount(), 0)), -1);
    bool added = false;
    for (size_t i = 0; i < live.size(); ++i)
    {
        const tcModData& entry = live[i];
        if (entry.varId >= 0 && static_cast<size_t>(entry.varId) < m_firstEntry.size() && m_firstEntry[entry.varId] < 0)
            m_firstEntry[entry.varId] = static_cast<int32_t>(i);
        // The first entry of a var id wins, and a working copy is never
        // overwritten: it may hold edits.
        added |= workingParams.try_emplace(entry.varId, entry).second;
    }
    if (added)
        ++m_keysVersion;
    m_capturedVersion = m_keysVersion;
    m_capturedCount = workingParams.size();
}

tcModData* ModifierSelection::LiveEntry(GameTimecycle& game, tcModifier& modifier, int32_t varId) const
{
    // An edit of this frame may have moved the entries since the capture.
    if (&modifier == m_capturedModifier && varId >= 0 && static_cast<size_t>(varId) < m_firstEntry.size())
    {
        const int32_t at = m_firstEntry[varId];
        if (at >= 0 && at < modifier.numMods && modifier.modData[at].varId == varId)
            return &modifier.modData[at];
    }
    return game.GetTimecycleModData(modifier, varId);
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
