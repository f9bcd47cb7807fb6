// The game's timecycle: named modifiers, each a set of parameters over the
// game's timecycle variables (lighting, sky, fog, clouds, water, bloom,
// exposure, depth of field, colour grading, ...). Tools read and write these
// records in place; the byte positions below are the game's.
//
// Rules the manager keeps:
// - Variables are numbered 0 .. GetConfigVarInfoCount()-1; element V of the
//   variable-info array describes variable id V. Variable names are unique.
// - Every live modifier has a unique, non-empty name (compared exactly, case
//   matters). `nameHash` is the 32-bit Jenkins one-at-a-time hash of the
//   name's bytes and is recomputed on every rename. Different names can share
//   a hash; the manager never looks modifiers up by hash.
// - `modifiers` holds the live modifiers, `modifierCount` of them, without
//   gaps; an index is a position in that array. At most 65535 modifiers.
// - A live modifier's `modData` is never null, even without parameters: it
//   points to an array of exactly `numMods` entries, one per variable (no
//   variable twice). The array and the pointers into it stay valid until an
//   operation changes that modifier's parameters.
// - A removed modifier leaves the array (later modifiers move down by one),
//   but its record stays allocated for the manager's life with `modData` null
//   and `numMods` 0, so a pointer a tool still holds reads "gone" instead of
//   freed memory. Script-data indices and the interior override that named it
//   become -1; those naming later modifiers follow them down.
// - Operations on a removed modifier do nothing and report failure (null,
//   false, -1); GetTimecycleName still gives its last name.
// - Modifiers passed by reference must come from this manager.
// - Everything runs on the game's main thread; nothing here takes a lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The game module's (nym-game-vesk) interface.
#include "HostModuleApi.h"
#if defined(nym_game_vesk_EXPORTS)
#define NYM_GAME_API HOST_MODULE_EXPORT
#else
#define NYM_GAME_API HOST_MODULE_IMPORT
#endif

// One parameter of a modifier. value1 is the variable's value outdoors,
// value2 its value while the player is inside an interior room.
struct tcModData
{
    int32_t varId;
    float value1;
    float value2;
};
static_assert(sizeof(tcModData) == 12);
static_assert(offsetof(tcModData, varId) == 0);
static_assert(offsetof(tcModData, value1) == 4);
static_assert(offsetof(tcModData, value2) == 8);

// A timecycle variable: its id and the value it has with no modifier applied.
struct tcVarInfo
{
    int32_t varId;
    uint32_t reserved04;
    float defaultValue;
    uint32_t reserved0C[3];
};
static_assert(sizeof(tcVarInfo) == 24);
static_assert(offsetof(tcVarInfo, varId) == 0);
static_assert(offsetof(tcVarInfo, defaultValue) == 8);

// A modifier. `modData` null means the modifier was removed.
struct tcModifier
{
    tcModData* modData;
    uint16_t numMods;
    uint8_t reserved0A[6];
    uint32_t nameHash;
    uint8_t reserved14[12];
    uint32_t userFlags;
    uint32_t reserved24;
};
static_assert(sizeof(tcModifier) == 0x28);
static_assert(offsetof(tcModifier, modData) == 0);
static_assert(offsetof(tcModifier, numMods) == 8);
static_assert(offsetof(tcModifier, nameHash) == 0x10);
static_assert(offsetof(tcModifier, userFlags) == 0x20);

// The game's table of live modifiers.
struct tcManager
{
    uint8_t reserved00[0x40];
    tcModifier** modifiers;
    uint16_t modifierCount;
    uint8_t reserved4A[6];
};
static_assert(sizeof(tcManager) == 0x50);
static_assert(offsetof(tcManager, modifiers) == 0x40);
static_assert(offsetof(tcManager, modifierCount) == 0x48);

// What the game's scripts apply, written directly by whoever drives them.
// Indices are positions in `tcManager::modifiers`, -1 for none. Strengths are
// not clamped: 0 leaves the variables alone, 1 applies the modifier fully,
// other values under- or overshoot. `transitionParam` is the transition's
// fade-in rate in strength per second.
struct TimecycleScriptData
{
    int32_t primaryIndex;
    float primaryStrength;
    int32_t transitionIndex;
    float transitionStrength;
    float transitionParam;
};
static_assert(sizeof(TimecycleScriptData) == 0x14);
static_assert(offsetof(TimecycleScriptData, primaryIndex) == 0);
static_assert(offsetof(TimecycleScriptData, primaryStrength) == 4);
static_assert(offsetof(TimecycleScriptData, transitionIndex) == 8);
static_assert(offsetof(TimecycleScriptData, transitionStrength) == 0xC);
static_assert(offsetof(TimecycleScriptData, transitionParam) == 0x10);

class NYM_GAME_API TimecycleManager
{
public:
    // The current manager's records; null while there is no manager. The
    // variable-info array is null while no variable table is loaded.
    static tcManager* GetGameManager();
    static tcVarInfo* GetConfigVarInfos();
    static int GetConfigVarInfoCount();
    // Null for an id outside the table.
    static tcVarInfo* GetConfigVarInfo(int varId);
    // The variable's name, looked up by the record's `varId`; null when that
    // id is outside the table.
    static const char* GetVarInfoName(const tcVarInfo& info);
    static TimecycleScriptData* GetScriptData();

    // Null for an index at or past `modifierCount`.
    tcModifier* GetTimecycleByIndex(unsigned index);
    // -1 for a removed modifier.
    int GetTimecycleIndex(const tcModifier& modifier) const;
    const std::string& GetTimecycleName(const tcModifier& modifier) const;

    // A new modifier without parameters, user flags 0, appended to the array.
    // Null when the name is empty or taken, or the array is full.
    tcModifier* CreateTimecycle(const std::string& name);
    // A new modifier with a copy of the source's parameters and user flags
    // under a new name, appended to the array. Null when the source is
    // removed, or as CreateTimecycle.
    tcModifier* CloneTimecycle(const tcModifier& source, const std::string& name);
    // False when the name is empty or taken by another modifier, or the
    // modifier is removed; renaming to its own name is true and changes
    // nothing. A rename keeps the modifier's backup.
    bool RenameTimecycle(tcModifier& modifier, const std::string& name);
    // Takes the modifier out of the array and leaves its record as a
    // tombstone (see the rules above). Removing it again does nothing.
    void RemoveTimecycle(tcModifier& modifier);

    // The first call for a modifier keeps a copy of its parameters and user
    // flags; later calls keep the first copy. The game restores from it when
    // its tools ask (TimecycleControl.h).
    void EnsureTimecycleBackup(tcModifier& modifier);

    // Adds a parameter for the named variable with the variable's default in
    // both values, at the end of the array. True when the modifier has the
    // parameter afterwards (also when it had it already); false for an
    // unknown variable or a removed modifier.
    bool AddTimecycleModData(tcModifier& modifier, const std::string& varName);
    // Remove the parameter of the entry's `varId` / of the named variable;
    // true when one was removed. The other entries keep their order.
    bool RemoveTimecycleModData(tcModifier& modifier, const tcModData& entry);
    bool RemoveTimecycleModData(tcModifier& modifier, const std::string& varName);
    // The live entry of the variable in the modifier's array, or null.
    tcModData* GetTimecycleModData(tcModifier& modifier, int varId);
    // partial true: some parameter's variable name contains the query,
    // ignoring ASCII letter case (an empty query matches nothing).
    // partial false: some parameter's variable name equals the query exactly.
    bool DoesTimecycleHasModData(const tcModifier& modifier, const std::string& query, bool partial) const;

    // The modifier index the current interior room uses instead of its own
    // timecycle, -1 for none. Any value is accepted; one that names no
    // modifier has no effect.
    int GetInteriorModifierOverride() const;
    void SetInteriorModifierOverride(int index);
    bool IsInsideInteriorRoom() const;

    // The game's request to open the timecycle editor; the editor clears it
    // with false once it has opened.
    bool ShouldActivateEditor() const;
    void SetActivateEditor(bool activate);

protected:
    TimecycleManager() = default;
    ~TimecycleManager() = default;
    TimecycleManager(const TimecycleManager&) = delete;
    TimecycleManager& operator=(const TimecycleManager&) = delete;
};

// The game's manager; replaced only by the game's own tools
// (TimecycleControl.h).
extern NYM_GAME_API TimecycleManager* TheTimecycleManager;
