// The editor's one way into the game's timecycle. Everything the editor reads
// or changes in the game goes through these operations, each of which is one
// of the game manager's exported operations under the same name
// (LiveTimecycle), so tests can run the editor's model over a small game of
// their own as well as over the stand-in game.
//
// Modifiers, parameters and variable records are the game's own (tcModifier,
// tcModData, tcVarInfo from TimecycleManager.h). A tcModifier pointer is good
// for the current frame only: the editor re-finds modifiers by name.
#pragma once

#include <TimecycleManager.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tceditor
{
class GameTimecycle
{
public:
    // The live modifiers in the game's order; empty while there is no
    // manager.
    virtual std::span<tcModifier* const> Modifiers() = 0;
    // False while the game has no manager.
    virtual bool HasManager() = 0;
    // Null while no variable table is loaded.
    virtual tcVarInfo* GetConfigVarInfos() = 0;
    virtual int GetConfigVarInfoCount() = 0;
    // Null for an id outside the table.
    virtual tcVarInfo* GetConfigVarInfo(int varId) = 0;
    virtual const char* GetVarInfoName(const tcVarInfo& info) = 0;
    // Null while there is no manager.
    virtual TimecycleScriptData* GetScriptData() = 0;

    virtual tcModifier* GetTimecycleByIndex(unsigned index) = 0;
    virtual int GetTimecycleIndex(const tcModifier& modifier) = 0;
    virtual const std::string& GetTimecycleName(const tcModifier& modifier) = 0;
    virtual tcModifier* CreateTimecycle(const std::string& name) = 0;
    virtual tcModifier* CloneTimecycle(const tcModifier& source, const std::string& name) = 0;
    virtual bool RenameTimecycle(tcModifier& modifier, const std::string& name) = 0;
    virtual void RemoveTimecycle(tcModifier& modifier) = 0;
    virtual void EnsureTimecycleBackup(tcModifier& modifier) = 0;
    virtual bool AddTimecycleModData(tcModifier& modifier, const std::string& varName) = 0;
    virtual bool RemoveTimecycleModData(tcModifier& modifier, const tcModData& entry) = 0;
    virtual bool RemoveTimecycleModData(tcModifier& modifier, const std::string& varName) = 0;
    virtual tcModData* GetTimecycleModData(tcModifier& modifier, int varId) = 0;
    virtual bool DoesTimecycleHasModData(const tcModifier& modifier, const std::string& query, bool partial) = 0;

    virtual int GetInteriorModifierOverride() = 0;
    virtual void SetInteriorModifierOverride(int index) = 0;
    virtual bool IsInsideInteriorRoom() = 0;
    virtual bool ShouldActivateEditor() = 0;
    virtual void SetActivateEditor(bool activate) = 0;

    // Helpers made of the operations above.

    // The live modifier with that name, or null.
    tcModifier* FindModifierByName(std::string_view name);
    // The variable's name, or null for an id outside the table.
    const char* VariableName(int32_t varId);
    // The id of the variable with that name, or -1.
    int32_t VariableIdByName(std::string_view name);
    // AddTimecycleModData of the variable with that id; false for an id
    // outside the table.
    bool AddTimecycleModDataById(tcModifier& modifier, int32_t varId);

protected:
    GameTimecycle() = default;
    ~GameTimecycle() = default;
    GameTimecycle(const GameTimecycle&) = delete;
    GameTimecycle& operator=(const GameTimecycle&) = delete;

private:
    // The name handed to the game by id, kept between calls: a paste adds
    // hundreds of thousands of parameters, and a fresh string each would
    // cost an allocation each.
    std::string m_variableName;
};
}
