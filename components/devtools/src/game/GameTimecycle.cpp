#include "game/GameTimecycle.h"

namespace tceditor
{
tcModifier* GameTimecycle::FindModifierByName(std::string_view name)
{
    // Names are unique, so the direction is free: from the back, the
    // modifiers just created (the steps most often undone) come first.
    const std::span<tcModifier* const> modifiers = Modifiers();
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
    {
        tcModifier* modifier = *it;
        if (modifier && modifier->modData && GetTimecycleName(*modifier) == name)
            return modifier;
    }
    return nullptr;
}

const char* GameTimecycle::VariableName(int32_t varId)
{
    const tcVarInfo* info = GetConfigVarInfo(varId);
    return info ? GetVarInfoName(*info) : nullptr;
}

int32_t GameTimecycle::VariableIdByName(std::string_view name)
{
    const int count = GetConfigVarInfoCount();
    for (int varId = 0; varId < count; ++varId)
    {
        const char* candidate = VariableName(varId);
        if (candidate && candidate == name)
            return varId;
    }
    return -1;
}

bool GameTimecycle::AddTimecycleModDataById(tcModifier& modifier, int32_t varId)
{
    const char* name = VariableName(varId);
    if (!name)
        return false;
    m_variableName.assign(name);
    return AddTimecycleModData(modifier, m_variableName);
}
}
