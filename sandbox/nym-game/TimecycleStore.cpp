// The timecycle state: variable table, modifier records and the live array.
#include "TimecycleStore.h"
#include "TimecycleControl.h"

#include <utility>

namespace timecycle
{
namespace
{
std::unique_ptr<TimecycleStore> g_current = std::make_unique<TimecycleStore>();

// Keeps an index into the live array pointing at the same modifier after the
// modifier at `removed` left the array.
void FollowRemoval(int32_t& index, int removed)
{
    if (index == removed)
        index = -1;
    else if (index > removed)
        --index;
}
}

TimecycleStore* TimecycleStore::Current()
{
    return static_cast<TimecycleStore*>(TheTimecycleManager);
}

void TimecycleStore::ReplaceCurrent()
{
    auto fresh = std::make_unique<TimecycleStore>();
    TheTimecycleManager = fresh.get();
    g_current = std::move(fresh);
}

void TimecycleStore::AddVariable(const std::string& name, float defaultValue)
{
    const int varId = static_cast<int>(m_varInfos.size());
    tcVarInfo info{};
    info.varId = varId;
    info.defaultValue = defaultValue;
    m_varInfos.push_back(info);
    m_varNames.push_back(name);
    m_varIds.emplace(name, varId);
}

int TimecycleStore::FindVariable(const std::string& name) const
{
    auto it = m_varIds.find(name);
    return it == m_varIds.end() ? -1 : it->second;
}

const std::string* TimecycleStore::VariableName(int varId) const
{
    if (varId < 0 || static_cast<size_t>(varId) >= m_varNames.size())
        return nullptr;
    return &m_varNames[varId];
}

ModifierRecord* TimecycleStore::FindLive(const std::string& name)
{
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

ModifierRecord* TimecycleStore::AddModifier(const std::string& name)
{
    if (name.empty() || m_byName.contains(name) || m_live.size() >= kMaxModifiers)
        return nullptr;

    auto record = std::make_unique<ModifierRecord>();
    record->name = name;
    record->nameHash = HashName(name);
    record->index = static_cast<int>(m_live.size());
    SyncParams(*record);

    ModifierRecord* added = record.get();
    m_records.push_back(std::move(record));
    m_live.push_back(added);
    m_byName.emplace(name, added);
    SyncArray();
    return added;
}

bool TimecycleStore::Rename(ModifierRecord& record, const std::string& name)
{
    if (record.IsRemoved() || name.empty())
        return false;
    if (name == record.name)
        return true;
    if (m_byName.contains(name))
        return false;

    m_byName.erase(record.name);
    record.name = name;
    record.nameHash = HashName(name);
    m_byName.emplace(name, &record);
    return true;
}

void TimecycleStore::Remove(ModifierRecord& record)
{
    if (record.IsRemoved())
        return;

    const int removed = record.index;
    m_live.erase(m_live.begin() + removed);
    for (size_t i = removed; i < m_live.size(); ++i)
        Record(*m_live[i]).index = static_cast<int>(i);
    SyncArray();
    m_byName.erase(record.name);

    // The record stays, emptied: the name for anyone who asks, null data.
    record.index = -1;
    record.params.clear();
    record.params.shrink_to_fit();
    record.backup.reset();
    record.modData = nullptr;
    record.numMods = 0;

    FollowRemoval(m_script.primaryIndex, removed);
    FollowRemoval(m_script.transitionIndex, removed);
    FollowRemoval(m_interiorOverride, removed);
}

ModifierRecord* TimecycleStore::LiveAt(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_live.size())
        return nullptr;
    return &Record(*m_live[index]);
}

void TimecycleStore::SetParams(ModifierRecord& record, std::vector<tcModData> params)
{
    record.params = std::move(params);
    SyncParams(record);
}

void TimecycleStore::SyncParams(ModifierRecord& record)
{
    // A live modifier's array is never null, even when empty: null is how
    // the tools tell a removed modifier.
    if (record.params.capacity() == 0)
        record.params.reserve(4);
    record.modData = record.params.data();
    record.numMods = static_cast<uint16_t>(record.params.size());
}

void TimecycleStore::SyncArray()
{
    m_game.modifiers = m_live.data();
    m_game.modifierCount = static_cast<uint16_t>(m_live.size());
}

void ResetManager()
{
    TimecycleStore::ReplaceCurrent();
}
}

TimecycleManager* TheTimecycleManager = timecycle::g_current.get();
