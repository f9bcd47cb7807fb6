#include "game/VariableNameIndex.h"

namespace tceditor
{
VariableNameIndex::VariableNameIndex(GameTimecycle& game)
{
    const int count = game.GetConfigVarInfoCount();
    // The first id of a name wins, as in VariableIdByName.
    for (int32_t varId = 0; varId < count; ++varId)
        if (const char* name = game.VariableName(varId))
            m_ids.try_emplace(name, varId);
}

int32_t VariableNameIndex::Id(std::string_view name) const
{
    const auto found = m_ids.find(name);
    return found != m_ids.end() ? found->second : -1;
}
}
