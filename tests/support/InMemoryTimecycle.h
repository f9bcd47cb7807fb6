// A game timecycle held in memory, for tests of the editor's model without
// the stand-in game: the editor reaches it through the same operations
// (GameTimecycle) and it keeps the game manager's rules (TimecycleManager.h):
// unique non-empty names hashed as the game hashes them, one entry
// per variable appended with the variable's default, removed modifiers left
// as records with a null array, indices that follow a removal.
#pragma once

#include "game/GameTimecycle.h"
#include "TimecycleControl.h"
#include "TimecycleVariable.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class InMemoryTimecycle final : public tceditor::GameTimecycle
{
public:
    explicit InMemoryTimecycle(std::span<const TimecycleVariable> variables)
    {
        for (const TimecycleVariable& variable : variables)
        {
            tcVarInfo info{};
            info.varId = static_cast<int32_t>(m_infos.size());
            info.defaultValue = variable.defaultValue;
            m_infos.push_back(info);
            m_varNames.emplace_back(variable.name);
        }
    }

    std::span<tcModifier* const> Modifiers() override { return m_live; }
    bool HasManager() override { return true; }
    tcVarInfo* GetConfigVarInfos() override { return m_infos.empty() ? nullptr : m_infos.data(); }
    int GetConfigVarInfoCount() override { return static_cast<int>(m_infos.size()); }
    tcVarInfo* GetConfigVarInfo(int varId) override
    {
        return varId >= 0 && varId < GetConfigVarInfoCount() ? &m_infos[varId] : nullptr;
    }
    const char* GetVarInfoName(const tcVarInfo& info) override
    {
        return info.varId >= 0 && info.varId < GetConfigVarInfoCount() ? m_varNames[info.varId].c_str() : nullptr;
    }
    TimecycleScriptData* GetScriptData() override { return &m_script; }

    tcModifier* GetTimecycleByIndex(unsigned index) override { return index < m_live.size() ? m_live[index] : nullptr; }
    int GetTimecycleIndex(const tcModifier& modifier) override
    {
        const auto found = std::find(m_live.begin(), m_live.end(), &modifier);
        return found == m_live.end() ? -1 : static_cast<int>(found - m_live.begin());
    }
    const std::string& GetTimecycleName(const tcModifier& modifier) override { return RecordOf(modifier).name; }

    tcModifier* CreateTimecycle(const std::string& name) override
    {
        if (name.empty() || FindModifierByName(name) || m_live.size() >= 65535)
            return nullptr;
        auto record = std::make_unique<Record>();
        // A live modifier's array is never null, even when empty.
        record->params.reserve(8);
        record->name = name;
        record->modifier.nameHash = timecycle::HashName(name);
        Sync(*record);
        tcModifier* modifier = &record->modifier;
        m_byModifier[modifier] = record.get();
        m_records.push_back(std::move(record));
        m_live.push_back(modifier);
        return modifier;
    }
    tcModifier* CloneTimecycle(const tcModifier& source, const std::string& name) override
    {
        if (!source.modData)
            return nullptr;
        const Record& from = RecordOf(source);
        tcModifier* clone = CreateTimecycle(name);
        if (!clone)
            return nullptr;
        Record& to = RecordOf(*clone);
        to.params = from.params;
        to.modifier.userFlags = source.userFlags;
        Sync(to);
        return clone;
    }
    bool RenameTimecycle(tcModifier& modifier, const std::string& name) override
    {
        Record& record = RecordOf(modifier);
        if (!modifier.modData || name.empty())
            return false;
        if (record.name == name)
            return true;
        if (FindModifierByName(name))
            return false;
        record.name = name;
        modifier.nameHash = timecycle::HashName(name);
        return true;
    }
    void RemoveTimecycle(tcModifier& modifier) override
    {
        const int index = GetTimecycleIndex(modifier);
        if (index < 0)
            return;
        m_live.erase(m_live.begin() + index);
        Record& record = RecordOf(modifier);
        record.params.clear();
        modifier.modData = nullptr;
        modifier.numMods = 0;
        for (int32_t* held : { &m_script.primaryIndex, &m_script.transitionIndex, &m_interiorOverride })
            *held = *held == index ? -1 : *held > index ? *held - 1 : *held;
    }
    void EnsureTimecycleBackup(tcModifier& modifier) override { RecordOf(modifier).backedUp = true; }

    bool AddTimecycleModData(tcModifier& modifier, const std::string& varName) override
    {
        const int32_t varId = VariableIdByName(varName);
        if (!modifier.modData || varId < 0)
            return false;
        if (GetTimecycleModData(modifier, varId))
            return true;
        Record& record = RecordOf(modifier);
        record.params.push_back({ varId, m_infos[varId].defaultValue, m_infos[varId].defaultValue });
        Sync(record);
        return true;
    }
    bool RemoveTimecycleModData(tcModifier& modifier, const tcModData& entry) override
    {
        return RemoveVariable(modifier, entry.varId);
    }
    bool RemoveTimecycleModData(tcModifier& modifier, const std::string& varName) override
    {
        return RemoveVariable(modifier, VariableIdByName(varName));
    }
    tcModData* GetTimecycleModData(tcModifier& modifier, int varId) override
    {
        for (tcModData& entry : RecordOf(modifier).params)
        {
            if (entry.varId == varId)
                return &entry;
        }
        return nullptr;
    }
    bool DoesTimecycleHasModData(const tcModifier& modifier, const std::string& query, bool partial) override
    {
        for (const tcModData& entry : RecordOf(modifier).params)
        {
            const std::string& name = m_varNames[entry.varId];
            if (partial ? ContainsIgnoringAsciiCase(name, query) : name == query)
                return true;
        }
        return false;
    }

    int GetInteriorModifierOverride() override { return m_interiorOverride; }
    void SetInteriorModifierOverride(int index) override { m_interiorOverride = index; }
    bool IsInsideInteriorRoom() override { return false; }
    bool ShouldActivateEditor() override { return m_activateEditor; }
    void SetActivateEditor(bool activate) override { m_activateEditor = activate; }

    bool HasBackup(const tcModifier& modifier) { return RecordOf(modifier).backedUp; }

private:
    struct Record
    {
        tcModifier modifier{};
        std::string name;
        std::vector<tcModData> params;
        bool backedUp = false;
    };

    static bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view query)
    {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return !query.empty() && std::search(text.begin(), text.end(), query.begin(), query.end(), [&](char a, char b) {
                                     return lower(a) == lower(b);
                                 }) != text.end();
    }

    Record& RecordOf(const tcModifier& modifier) { return *m_byModifier.at(&modifier); }

    static void Sync(Record& record)
    {
        record.modifier.modData = record.params.data();
        record.modifier.numMods = static_cast<uint16_t>(record.params.size());
    }

    bool RemoveVariable(tcModifier& modifier, int32_t varId)
    {
        Record& record = RecordOf(modifier);
        const auto found = std::find_if(record.params.begin(), record.params.end(),
                                        [&](const tcModData& entry) { return entry.varId == varId; });
        if (!modifier.modData || found == record.params.end())
            return false;
        record.params.erase(found);
        Sync(record);
        return true;
    }

    std::vector<tcVarInfo> m_infos;
    std::vector<std::string> m_varNames;
    // Every record ever made, removed ones included, as the game keeps them.
    std::vector<std::unique_ptr<Record>> m_records;
    std::unordered_map<const tcModifier*, Record*> m_byModifier;
    std::vector<tcModifier*> m_live;
    TimecycleScriptData m_script{ -1, 0.0f, -1, 0.0f, 0.0f };
    int32_t m_interiorOverride = -1;
    bool m_activateEditor = false;
};
