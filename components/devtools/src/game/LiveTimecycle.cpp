#include "game/LiveTimecycle.h"

namespace tceditor
{
std::span<tcModifier* const> LiveTimecycle::Modifiers()
{
    const tcManager* manager = TimecycleManager::GetGameManager();
    if (!manager || !manager->modifiers)
        return {};
    return { manager->modifiers, manager->modifierCount };
}

bool LiveTimecycle::HasManager()
{
    return TimecycleManager::GetGameManager() != nullptr;
}

tcVarInfo* LiveTimecycle::GetConfigVarInfos()
{
    return TimecycleManager::GetConfigVarInfos();
}

int LiveTimecycle::GetConfigVarInfoCount()
{
    return TimecycleManager::GetConfigVarInfoCount();
}

tcVarInfo* LiveTimecycle::GetConfigVarInfo(int varId)
{
    return TimecycleManager::GetConfigVarInfo(varId);
}

const char* LiveTimecycle::GetVarInfoName(const tcVarInfo& info)
{
    return TimecycleManager::GetVarInfoName(info);
}

TimecycleScriptData* LiveTimecycle::GetScriptData()
{
    return TimecycleManager::GetScriptData();
}

tcModifier* LiveTimecycle::GetTimecycleByIndex(unsigned index)
{
    return TheTimecycleManager->GetTimecycleByIndex(index);
}

int LiveTimecycle::GetTimecycleIndex(const tcModifier& modifier)
{
    return TheTimecycleManager->GetTimecycleIndex(modifier);
}

const std::string& LiveTimecycle::GetTimecycleName(const tcModifier& modifier)
{
    return TheTimecycleManager->GetTimecycleName(modifier);
}

tcModifier* LiveTimecycle::CreateTimecycle(const std::string& name)
{
    return TheTimecycleManager->CreateTimecycle(name);
}

tcModifier* LiveTimecycle::CloneTimecycle(const tcModifier& source, const std::string& name)
{
    return TheTimecycleManager->CloneTimecycle(source, name);
}

bool LiveTimecycle::RenameTimecycle(tcModifier& modifier, const std::string& name)
{
    return TheTimecycleManager->RenameTimecycle(modifier, name);
}

void LiveTimecycle::RemoveTimecycle(tcModifier& modifier)
{
    TheTimecycleManager->RemoveTimecycle(modifier);
}

void LiveTimecycle::EnsureTimecycleBackup(tcModifier& modifier)
{
    TheTimecycleManager->EnsureTimecycleBackup(modifier);
}

bool LiveTimecycle::AddTimecycleModData(tcModifier& modifier, const std::string& varName)
{
    return TheTimecycleManager->AddTimecycleModData(modifier, varName);
}

bool LiveTimecycle::RemoveTimecycleModData(tcModifier& modifier, const tcModData& entry)
{
    return TheTimecycleManager->RemoveTimecycleModData(modifier, entry);
}

bool LiveTimecycle::RemoveTimecycleModData(tcModifier& modifier, const std::string& varName)
{
    return TheTimecycleManager->RemoveTimecycleModData(modifier, varName);
}

tcModData* LiveTimecycle::GetTimecycleModData(tcModifier& modifier, int varId)
{
    return TheTimecycleManager->GetTimecycleModData(modifier, varId);
}

bool LiveTimecycle::DoesTimecycleHasModData(const tcModifier& modifier, const std::string& query, bool partial)
{
    return TheTimecycleManager->DoesTimecycleHasModData(modifier, query, partial);
}

int LiveTimecycle::GetInteriorModifierOverride()
{
    return TheTimecycleManager->GetInteriorModifierOverride();
}

void LiveTimecycle::SetInteriorModifierOverride(int index)
{
    TheTimecycleManager->SetInteriorModifierOverride(index);
}

bool LiveTimecycle::IsInsideInteriorRoom()
{
    return TheTimecycleManager->IsInsideInteriorRoom();
}

bool LiveTimecycle::ShouldActivateEditor()
{
    return TheTimecycleManager->ShouldActivateEditor();
}

void LiveTimecycle::SetActivateEditor(bool activate)
{
    TheTimecycleManager->SetActivateEditor(activate);
}

GameTimecycle& LiveGame()
{
    static LiveTimecycle game;
    return game;
}
}
