// The game's side of the timecycle: what it renders with, the interior
// state, backups and the name hash.
#include "TimecycleControl.h"
#include "TimecycleStore.h"

#include <algorithm>

namespace timecycle
{
namespace
{
// Moves `value` towards the modifier's parameter for the variable, if it has
// one, by `strength`.
void Apply(TimecycleStore& store, int index, float strength, int varId, float& value)
{
    ModifierRecord* modifier = store.LiveAt(index);
    if (!modifier)
        return;
    const tcModData* param = store.GetTimecycleModData(*modifier, varId);
    if (!param)
        return;
    const float target = store.m_insideInteriorRoom ? param->value2 : param->value1;
    value += (target - value) * strength;
}
}

tcModifier* FindModifier(const std::string& name)
{
    TimecycleStore* store = TimecycleStore::Current();
    return store ? store->FindLive(name) : nullptr;
}

void SetInsideInteriorRoom(bool inside)
{
    if (TimecycleStore* store = TimecycleStore::Current())
        store->m_insideInteriorRoom = inside;
}

std::optional<float> EffectiveValue(int varId)
{
    TimecycleStore* store = TimecycleStore::Current();
    const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(varId);
    if (!store || !info)
        return std::nullopt;

    const TimecycleScriptData& script = store->m_script;
    float value = info->defaultValue;
    Apply(*store, script.primaryIndex, script.primaryStrength, varId, value);
    Apply(*store, script.transitionIndex, script.transitionStrength, varId, value);
    if (store->m_insideInteriorRoom)
        Apply(*store, store->m_interiorOverride, 1.0f, varId, value);
    return value;
}

bool AdvanceTransition(float seconds)
{
    TimecycleStore* store = TimecycleStore::Current();
    if (!store || store->m_script.transitionIndex < 0)
        return false;
    TimecycleScriptData& script = store->m_script;
    const float before = script.transitionStrength;
    const float next = script.transitionStrength + script.transitionParam * seconds;
    if (script.transitionParam > 0.0f && script.transitionStrength < 1.0f)
        script.transitionStrength = std::min(1.0f, next);
    else if (script.transitionParam < 0.0f && script.transitionStrength > 0.0f)
        script.transitionStrength = std::max(0.0f, next);
    return script.transitionStrength != before;
}

bool HasBackup(const tcModifier& modifier)
{
    return Record(modifier).backup.has_value();
}

bool RestoreBackup(tcModifier& modifier)
{
    ModifierRecord& record = Record(modifier);
    if (record.IsRemoved() || !record.backup)
        return false;
    record.userFlags = record.backup->userFlags;
    TimecycleStore::SetParams(record, record.backup->params);
    return true;
}

uint32_t HashName(std::string_view name)
{
    // Jenkins' one-at-a-time hash over the name's bytes.
    uint32_t hash = 0;
    for (unsigned char c : name)
    {
        hash += c;
        hash += hash << 10;
        hash ^= hash >> 6;
    }
    hash += hash << 3;
    hash ^= hash >> 11;
    hash += hash << 15;
    return hash;
}

void SetGameManagerMissing(bool missing)
{
    if (TimecycleStore* store = TimecycleStore::Current())
        store->m_gameManagerMissing = missing;
}

void ForceNameHash(tcModifier& modifier, uint32_t hash)
{
    modifier.nameHash = hash;
}
}
