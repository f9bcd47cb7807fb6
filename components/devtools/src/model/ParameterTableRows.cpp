#include "ParameterTableRows.h"

#include "Text.h"

#include <Utils.h>

namespace tceditor
{
const std::vector<ParameterRowView>& ParameterTableRows::Update(GameTimecycle& game,
                                                                const std::map<int32_t, tcModData>& workingParams,
                                                                uint32_t nameHash, const char* filter,
                                                                const char* query)
{
    const tcVarInfo* varInfos = game.GetConfigVarInfos();
    const int varCount = game.GetConfigVarInfoCount();
    if (SameSource(workingParams, nameHash, varInfos, varCount, filter, query))
        return m_rows;

    m_workingVars.clear();
    m_rows.clear();
    for (const auto& entry : workingParams)
    {
        const int32_t varId = entry.first;
        m_workingVars.push_back(varId);
        // Only ids inside the variable table have a row; a negative one
        // would index before the array.
        if (varId < 0 || varId >= varCount)
            continue;
        const tcVarInfo& info = varInfos[varId];
        const char* name = game.GetVarInfoName(info);
        if (!name || (filter[0] != '\0' && !ContainsIgnoreCase(name, filter)))
            continue;
        m_rows.push_back({ varId, query[0] != '\0' && ContainsIgnoreCase(name, query), va("%d", info.varId),
                           va("%f", info.defaultValue), va("##%x-%d-1", nameHash, varId),
                           va("##%x-%d-2", nameHash, varId), va("##%x-%d-check", nameHash, varId),
                           va("Delete##%x-%d-del", nameHash, varId) });
    }
    m_nameHash = nameHash;
    m_varInfos = varInfos;
    m_varCount = varCount;
    m_filter = filter;
    m_query = query;
    return m_rows;
}

bool ParameterTableRows::SameSource(const std::map<int32_t, tcModData>& workingParams, uint32_t nameHash,
                                    const tcVarInfo* varInfos, int varCount, const char* filter,
                                    const char* query) const
{
    if (nameHash != m_nameHash || varInfos != m_varInfos || varCount != m_varCount || m_filter != filter ||
        m_query != query || workingParams.size() != m_workingVars.size())
        return false;
    auto working = m_workingVars.begin();
    for (const auto& entry : workingParams)
    {
        if (entry.first != *working++)
            return false;
    }
    return true;
}
}
