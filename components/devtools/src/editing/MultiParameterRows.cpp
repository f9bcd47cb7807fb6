#include "editing/MultiParameterRows.h"

#include "base/Text.h"
#include "editing/ModifierSnapshot.h"

#include <algorithm>
#include <bit>
#include <unordered_map>
#include <unordered_set>

namespace tceditor
{
const std::vector<MultiParameterRow>& MultiParameterRows::Update(GameTimecycle& game, MultiSelection& selection,
                                                                 uint64_t historyRevision, const char* filter)
{
    const bool stale = !m_valid || m_selectionVersion != selection.Version() || m_revision != historyRevision;
    if (stale || !MembersHold(game))
    {
        Gather(game, selection);
        m_revision = historyRevision;
        Narrow(game, filter);
    }
    else if (m_filter != filter)
    {
        Narrow(game, filter);
    }
    return m_rows;
}

bool MultiParameterRows::StillHolds(GameTimecycle& game, const Member& member) const
{
    const std::span<tcModifier* const> modifiers = game.Modifiers();
    // The pointer is read only once the game's array shows it is live.
    return member.slot < modifiers.size() && modifiers[member.slot] == member.modifier && member.modifier->modData &&
           game.GetTimecycleName(*member.modifier) == member.name;
}

// A few members a frame, in turn: each is found where it was, with the
// content it had.
bool MultiParameterRows::MembersHold(GameTimecycle& game)
{
    const size_t count = std::min(kMembersCheckedPerFrame, m_members.size());
    for (size_t i = 0; i < count; ++i)
    {
        if (m_nextChecked >= m_members.size())
            m_nextChecked = 0;
        const Member& member = m_members[m_nextChecked++];
        if (!StillHolds(game, member) || ContentFingerprint(*member.modifier) != member.content)
            return false;
    }
    return true;
}

void MultiParameterRows::Gather(GameTimecycle& game, MultiSelection& selection)
{
    m_members.clear();
    std::unordered_set<std::string> found;
    const std::span<tcModifier* const> modifiers = game.Modifiers();
    for (size_t slot = 0; slot < modifiers.size(); ++slot)
    {
        tcModifier* modifier = modifiers[slot];
        if (!modifier || !modifier->modData)
            continue;
        const std::string& name = game.GetTimecycleName(*modifier);
        if (selection.Contains(name) && found.insert(name).second)
            m_members.push_back({ name, slot, modifier, ContentFingerprint(*modifier) });
    }
    selection.KeepOnly(found);
    m_selectionVersion = selection.Version();
    m_nextChecked = 0;

    // By var id; a member's first entry of a variable is the one that counts,
    // as the game's lookup finds it.
    const int varCount = std::max(game.GetConfigVarInfoCount(), 0);
    std::vector<MultiParameterRow> byVar(static_cast<size_t>(varCount));
    std::vector<size_t> lastMember(static_cast<size_t>(varCount), SIZE_MAX);
    for (size_t m = 0; m < m_members.size(); ++m)
    {
        const tcModifier& modifier = *m_members[m].modifier;
        for (int i = 0; i < modifier.numMods; ++i)
        {
            const tcModData& entry = modifier.modData[i];
            if (entry.varId < 0 || entry.varId >= varCount || lastMember[entry.varId] == m)
                continue;
            lastMember[entry.varId] = m;
            MultiParameterRow& row = byVar[entry.varId];
            const float values[2] = { entry.value1, entry.value2 };
            for (int column = 0; column < 2; ++column)
            {
                if (row.present == 0)
                    row.value[column] = values[column];
                else if (!SameValue(row.value[column], values[column]))
                    row.common[column] = false;
            }
            row.varId = entry.varId;
            ++row.present;
        }
    }
    // Switched-off rows stay while no member has the parameter again.
    for (const auto& [varId, entries] : selection.switchedOff)
    {
        if (varId < 0 || varId >= varCount || entries.empty() || byVar[varId].present > 0)
            continue;
        MultiParameterRow& row = byVar[varId];
        row.varId = varId;
        row.switchedOff = true;
        row.value[0] = entries.front().second.value1;
        row.value[1] = entries.front().second.value2;
    }
    m_allRows.clear();
    for (const MultiParameterRow& row : byVar)
    {
        if (row.present > 0 || row.switchedOff)
            m_allRows.push_back(row);
    }
    m_valid = true;
}

void MultiParameterRows::Narrow(GameTimecycle& game, const char* filter)
{
    m_filter = filter;
    m_rows.clear();
    for (const MultiParameterRow& row : m_allRows)
    {
        const tcVarInfo* info = game.GetConfigVarInfo(row.varId);
        const char* name = info ? game.GetVarInfoName(*info) : nullptr;
        if (!name)
            continue;
        if (m_filter.empty() || ContainsIgnoreCase(name, m_filter.c_str()))
            m_rows.push_back(row);
    }
    ++m_generation;
}

const MultiParameterRow* MultiParameterRows::Find(int32_t varId) const
{
    const auto found = std::lower_bound(m_allRows.begin(), m_allRows.end(), varId,
                                        [](const MultiParameterRow& row, int32_t id) { return row.varId < id; });
    return found != m_allRows.end() && found->varId == varId ? &*found : nullptr;
}

std::vector<tcModifier*> MultiParameterRows::Members(GameTimecycle& game) const
{
    std::vector<tcModifier*> members;
    members.reserve(m_members.size());
    for (const Member& member : m_members)
    {
        if (StillHolds(game, member))
            members.push_back(member.modifier);
        else if (tcModifier* moved = game.FindModifierByName(member.name))
            members.push_back(moved);
    }
    return members;
}

tcModifier* MultiParameterRows::FirstMember(GameTimecycle& game) const
{
    for (const Member& member : m_members)
    {
        if (StillHolds(game, member))
            return member.modifier;
    }
    return nullptr;
}

std::vector<std::pair<float, size_t>> MultiParameterRows::DistinctValues(GameTimecycle& game, int32_t varId,
                                                                         ValueColumn column) const
{
    std::unordered_map<uint32_t, size_t> counts;
    for (tcModifier* modifier : Members(game))
    {
        if (const tcModData* entry = game.GetTimecycleModData(*modifier, varId))
            ++counts[std::bit_cast<uint32_t>(ValueIn(*entry, column))];
    }
    std::vector<std::pair<float, size_t>> values;
    for (const auto& [bits, count] : counts)
        values.emplace_back(std::bit_cast<float>(bits), count);
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return values;
}
}
