#include "LoadedData.h"

namespace sandbox
{
void LoadedData::Record(const std::string& name, const tcModifier& modifier)
{
    LoadedModifier& loaded = m_modifiers[name];
    loaded.userFlags = modifier.userFlags;
    loaded.params.clear();
    for (uint16_t i = 0; modifier.modData && i < modifier.numMods; ++i)
        loaded.params[modifier.modData[i].varId] = modifier.modData[i];
}

const LoadedModifier* LoadedData::Find(const std::string& name) const
{
    auto it = m_modifiers.find(name);
    return it != m_modifiers.end() ? &it->second : nullptr;
}

std::vector<std::string> LiveModifierNames()
{
    std::vector<std::string> names;
    tcManager* manager = TimecycleManager::GetGameManager();
    if (!manager || !TheTimecycleManager)
        return names;
    for (uint16_t i = 0; i < manager->modifierCount; ++i)
        if (tcModifier* modifier = manager->modifiers[i])
            names.push_back(TheTimecycleManager->GetTimecycleName(*modifier));
    return names;
}
}
