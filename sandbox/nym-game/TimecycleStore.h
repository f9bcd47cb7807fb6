// The state behind TimecycleManager: the variable table, every modifier
// record (live and removed), the live array the tools walk, the script data
// and the interior state. Private to the module.
#pragma once

#include "TimecycleManager.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace timecycle
{
// A modifier as the module keeps it: the game record the tools see, followed
// by what only the module needs.
struct ModifierRecord : tcModifier
{
    struct Backup
    {
        std::vector<tcModData> params;
        uint32_t userFlags = 0;
    };

    ModifierRecord() : tcModifier{} {}

    std::string name;
    // The storage behind modData/numMods; change it only through
    // TimecycleStore::SetParams or followed by TimecycleStore::SyncParams.
    std::vector<tcModData> params;
    // Position in the live array; -1 once removed.
    int index = -1;
    std::optional<Backup> backup;

    bool IsRemoved() const { return index < 0; }
};

inline ModifierRecord& Record(tcModifier& modifier)
{
    return static_cast<ModifierRecord&>(modifier);
}

inline const ModifierRecord& Record(const tcModifier& modifier)
{
    return static_cast<const ModifierRecord&>(modifier);
}

class TimecycleStore final : public TimecycleManager
{
public:
    static constexpr size_t kMaxModifiers = UINT16_MAX;
    static constexpr size_t kMaxParams = UINT16_MAX;

    // The store behind TheTimecycleManager, or null.
    static TimecycleStore* Current();
    // Makes a fresh store the current one, freeing the previous one.
    static void ReplaceCurrent();

    // Variables.
    void AddVariable(const std::string& name, float defaultValue);
    // -1 for an unknown name.
    int FindVariable(const std::string& name) const;
    const std::string* VariableName(int varId) const;
    bool HasVariables() const { return !m_varInfos.empty(); }

    // Modifiers.
    ModifierRecord* FindLive(const std::string& name);
    // A new live modifier without parameters at the end of the array; null
    // when the name is empty or taken or the array is full.
    ModifierRecord* AddModifier(const std::string& name);
    bool Rename(ModifierRecord& record, const std::string& name);
    void Remove(ModifierRecord& record);
    ModifierRecord* LiveAt(int index);
    size_t LiveCount() const { return m_live.size(); }

    static void SetParams(ModifierRecord& record, std::vector<tcModData> params);
    // Points the game record at its parameter storage again.
    static void SyncParams(ModifierRecord& record);

    tcManager m_game{};
    std::vector<tcVarInfo> m_varInfos;
    TimecycleScriptData m_script{ -1, 1.0f, -1, 0.0f, 0.0f };
    int m_interiorOverride = -1;
    bool m_insideInteriorRoom = false;
    bool m_activateEditor = false;
    // GetGameManager answers null while set (SetGameManagerMissing).
    bool m_gameManagerMissing = false;

private:
    void SyncArray();

    std::vector<std::string> m_varNames;
    std::unordered_map<std::string, int> m_varIds;

    // Every record ever made, kept for the store's life so that pointers to
    // removed modifiers stay readable.
    std::vector<std::unique_ptr<ModifierRecord>> m_records;
    std::vector<tcModifier*> m_live;
    std::unordered_map<std::string, ModifierRecord*> m_byName;
};
}
