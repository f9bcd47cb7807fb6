// The operations the game's tools call on TheTimecycleManager.
#include "TimecycleManager.h"
#include "TimecycleStore.h"

#include <algorithm>

using timecycle::ModifierRecord;
using timecycle::Record;
using timecycle::TimecycleStore;

namespace
{
TimecycleStore& Store(TimecycleManager& manager)
{
    return static_cast<TimecycleStore&>(manager);
}

const TimecycleStore& Store(const TimecycleManager& manager)
{
    return static_cast<const TimecycleStore&>(manager);
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ContainsIgnoringCase(const std::string& text, const std::string& query)
{
    if (query.empty())
        return false;
    auto it = std::search(text.begin(), text.end(), query.begin(), query.end(),
        [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
    return it != text.end();
}
}

tcManager* TimecycleManager::GetGameManager()
{
    TimecycleStore* store = TimecycleStore::Current();
    return store && !store->m_gameManagerMissing ? &store->m_game : nullptr;
}

tcVarInfo* TimecycleManager::GetConfigVarInfos()
{
    TimecycleStore* store = TimecycleStore::Current();
    return store && store->HasVariables() ? store->m_varInfos.data() : nullptr;
}

int TimecycleManager::GetConfigVarInfoCount()
{
    TimecycleStore* store = TimecycleStore::Current();
    return store ? static_cast<int>(store->m_varInfos.size()) : 0;
}

tcVarInfo* TimecycleManager::GetConfigVarInfo(int varId)
{
    TimecycleStore* store = TimecycleStore::Current();
    if (!store || varId < 0 || varId >= GetConfigVarInfoCount())
        return nullptr;
    return &store->m_varInfos[varId];
}

const char* TimecycleManager::GetVarInfoName(const tcVarInfo& info)
{
    TimecycleStore* store = TimecycleStore::Current();
    const std::string* name = store ? store->VariableName(info.varId) : nullptr;
    return name ? name->c_str() : nullptr;
}

TimecycleScriptData* TimecycleManager::GetScriptData()
{
    TimecycleStore* store = TimecycleStore::Current();
    return store ? &store->m_script : nullptr;
}

tcModifier* TimecycleManager::GetTimecycleByIndex(unsigned index)
{
    if (index >= Store(*this).LiveCount())
        return nullptr;
    return Store(*this).LiveAt(static_cast<int>(index));
}

int TimecycleManager::GetTimecycleIndex(const tcModifier& modifier) const
{
    return Record(modifier).index;
}

const std::string& TimecycleManager::GetTimecycleName(const tcModifier& modifier) const
{
    return Record(modifier).name;
}

tcModifier* TimecycleManager::CreateTimecycle(const std::string& name)
{
    return Store(*this).AddModifier(name);
}

tcModifier* TimecycleManager::CloneTimecycle(const tcModifier& source, const std::string& name)
{
    const ModifierRecord& original = Record(source);
    if (original.IsRemoved())
        return nullptr;

    ModifierRecord* clone = Store(*this).AddModifier(name);
    if (!clone)
        return nullptr;
    clone->userFlags = original.userFlags;
    TimecycleStore::SetParams(*clone, original.params);
    return clone;
}

bool TimecycleManager::RenameTimecycle(tcModifier& modifier, const std::string& name)
{
    return Store(*this).Rename(Record(modifier), name);
}

void TimecycleManager::RemoveTimecycle(tcModifier& modifier)
{
    Store(*this).Remove(Record(modifier));
}

void TimecycleManager::EnsureTimecycleBackup(tcModifier& modifier)
{
    ModifierRecord& record = Record(modifier);
    if (record.IsRemoved() || record.backup)
        return;
    record.backup = ModifierRecord::Backup{ record.params, record.userFlags };
}

bool TimecycleManager::AddTimecycleModData(tcModifier& modifier, const std::string& varName)
{
    ModifierRecord& record = Record(modifier);
    const int varId = Store(*this).FindVariable(varName);
    if (record.IsRemoved() || varId < 0)
        return false;
    if (GetTimecycleModData(modifier, varId))
        return true;
    if (record.params.size() >= TimecycleStore::kMaxParams)
        return false;

    const float defaultValue = Store(*this).m_varInfos[varId].defaultValue;
    record.params.push_back({ varId, defaultValue, defaultValue });
    TimecycleStore::SyncParams(record);
    return true;
}

bool TimecycleManager::RemoveTimecycleModData(tcModifier& modifier, const tcModData& entry)
{
    // The entry may be one of the modifier's own: read its id before the
    // array changes under it.
    const int varId = entry.varId;
    ModifierRecord& record = Record(modifier);
    const size_t erased = std::erase_if(record.params, [varId](const tcModData& param) { return param.varId == varId; });
    if (erased == 0)
        return false;
    TimecycleStore::SyncParams(record);
    return true;
}

bool TimecycleManager::RemoveTimecycleModData(tcModifier& modifier, const std::string& varName)
{
    const int varId = Store(*this).FindVariable(varName);
    if (varId < 0)
        return false;
    return RemoveTimecycleModData(modifier, tcModData{ varId, 0.0f, 0.0f });
}

tcModData* TimecycleManager::GetTimecycleModData(tcModifier& modifier, int varId)
{
    ModifierRecord& record = Record(modifier);
    auto it = std::find_if(record.params.begin(), record.params.end(),
        [varId](const tcModData& param) { return param.varId == varId; });
    return it == record.params.end() ? nullptr : &*it;
}

bool TimecycleManager::DoesTimecycleHasModData(const tcModifier& modifier, const std::string& query, bool partial) const
{
    const TimecycleStore& store = Store(*this);
    for (const tcModData& param : Record(modifier).params)
    {
        const std::string* name = store.VariableName(param.varId);
        if (name && (partial ? ContainsIgnoringCase(*name, query) : *name == query))
            return true;
    }
    return false;
}

int TimecycleManager::GetInteriorModifierOverride() const
{
    return Store(*this).m_interiorOverride;
}

void TimecycleManager::SetInteriorModifierOverride(int index)
{
    Store(*this).m_interiorOverride = index;
}

bool TimecycleManager::IsInsideInteriorRoom() const
{
    return Store(*this).m_insideInteriorRoom;
}

bool TimecycleManager::ShouldActivateEditor() const
{
    return Store(*this).m_activateEditor;
}

void TimecycleManager::SetActivateEditor(bool activate)
{
    Store(*this).m_activateEditor = activate;
}
