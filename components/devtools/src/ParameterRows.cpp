#include "ParameterRows.h"

#include "ModifierSearch.h"

#include <Utils.h>

const std::vector<ParameterRows::Row>& ParameterRows::Update(const std::map<int32_t, tcModData>& savedParams,
                                                             uint32_t nameHash, const tcVarInfo* varInfos,
                                                             int varCount, const char* filter, const char* query)
{
    if (SameSource(savedParams, nameHash, varInfos, varCount, filter, query))
        return m_rows;

    m_savedVars.clear();
    m_rows.clear();
    for (const auto& entry : savedParams)
    {
        const int32_t varId = entry.first;
        m_savedVars.push_back(varId);
        // Only ids inside the variable table have a row; a negative one
        // would index before the array.
        if (varId < 0 || varId >= varCount)
            continue;
        const char* name = TimecycleManager::GetVarInfoName(varInfos[varId]);
        if (!name || (filter[0] != '\0' && !ContainsIgnoreCase(name, filter)))
            continue;
        const tcVarInfo& info = varInfos[varId];
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

bool ParameterRows::SameSource(const std::map<int32_t, tcModData>& savedParams, uint32_t nameHash,
                               const tcVarInfo* varInfos, int varCount, const char* filter, const char* query) const
{
    if (nameHash != m_nameHash || varInfos != m_varInfos || varCount != m_varCount || m_filter != filter || m_query != query ||
        savedParams.size() != m_savedVars.size())
        return false;
    auto saved = m_savedVars.begin();
    for (const auto& entry : savedParams)
    {
        if (entry.first != *saved++)
            return false;
    }
    return true;
}
