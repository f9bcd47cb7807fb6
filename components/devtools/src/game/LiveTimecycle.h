// The game's timecycle as the editor reaches it in the running game: each
// operation is the game manager's exported operation of the same name, on
// the manager the game has at the moment of the call.
#pragma once

#include "game/GameTimecycle.h"

namespace tceditor
{
class LiveTimecycle final : public GameTimecycle
{
public:
    std::span<tcModifier* const> Modifiers() override;
    bool HasManager() override;
    tcVarInfo* GetConfigVarInfos() override;
    int GetConfigVarInfoCount() override;
    tcVarInfo* GetConfigVarInfo(int varId) override;
    const char* GetVarInfoName(const tcVarInfo& info) override;
    TimecycleScriptData* GetScriptData() override;

    tcModifier* GetTimecycleByIndex(unsigned index) override;
    int GetTimecycleIndex(const tcModifier& modifier) override;
    const std::string& GetTimecycleName(const tcModifier& modifier) override;
    tcModifier* CreateTimecycle(const std::string& name) override;
    tcModifier* CloneTimecycle(const tcModifier& source, const std::string& name) override;
    bool RenameTimecycle(tcModifier& modifier, const std::string& name) override;
    void RemoveTimecycle(tcModifier& modifier) override;
    void EnsureTimecycleBackup(tcModifier& modifier) override;
    bool AddTimecycleModData(tcModifier& modifier, const std::string& varName) override;
    bool RemoveTimecycleModData(tcModifier& modifier, const tcModData& entry) override;
    bool RemoveTimecycleModData(tcModifier& modifier, const std::string& varName) override;
    tcModData* GetTimecycleModData(tcModifier& modifier, int varId) override;
    bool DoesTimecycleHasModData(const tcModifier& modifier, const std::string& query, bool partial) override;

    int GetInteriorModifierOverride() override;
    void SetInteriorModifierOverride(int index) override;
    bool IsInsideInteriorRoom() override;
    bool ShouldActivateEditor() override;
    void SetActivateEditor(bool activate) override;
};

// The one instance the component uses.
GameTimecycle& LiveGame();
}
