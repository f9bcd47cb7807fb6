#include "editing/ParameterTableRows.h"

#include "base/Text.h"

#include <Utils.h>

#include <cmath>

namespace tceditor
{
DragRange DragRangeOfDefault(float defaultValue)
{
    const float magnitude = std::fabs(defaultValue);
    return magnitude == 0.0f ? DragRange{ -1.0f, 1.0f, 0.02f }
                             : DragRange{ -10.0f * magnitude, 10.0f * magnitude, magnitude / 20.0f };
}

const std::vector<ParameterRowView>& ParameterTableRows::Update(GameTimecycle& game, ModifierSelection& selection,
                                                                ColourTriples& colours, uint32_t nameHash,
                                                                const char* filter, const char* query)
{
    const tcVarInfo* varInfos = game.GetConfigVarInfos();
    const int varCount = game.GetConfigVarInfoCount();
    if (SameSource(selection, nameHash, varInfos, varCount, filter, query))
        return m_rows;

    std::map<int32_t, tcModData>& workingParams = selection.workingParams;
    m_rows.clear();
    ++m_generation;
    for (auto& entry : workingParams)
    {
        const int32_t varId = entry.first;
        // Only ids inside the variable table have a row; a negative one
        // would index before the array.
        if (varId < 0 || varId >= varCount)
            continue;
        const tcVarInfo& info = varInfos[varId];
        const char* name = game.GetVarInfoName(info);
        if (!name || (filter[0] != '\0' && !ContainsIgnoreCase(name, filter)))
            continue;
        const ColourTriple* colour = colours.Of(game, varId);
        const bool swatch = colour && HasAllChannels(*colour, workingParams);
        m_rows.push_back({ varId, query[0] != '\0' && ContainsIgnoreCase(name, query), name, va("%d", info.varId),
                           va("%f", info.defaultValue), DragRangeOfDefault(info.defaultValue), va("##%x-%d-1", nameHash, varId),
                           va("##%x-%d-2", nameHash, varId), va("##%x-%d-check", nameHash, varId),
                           va("Delete##%x-%d-del", nameHash, varId), swatch, va("##%x-%d-colour", nameHash, varId),
                           &entry.second, {} });
        for (int channel = 0; swatch && channel < 3; ++channel)
            m_rows.back().channels[channel] = &workingParams.at(colour->channels[channel]);
    }
    m_keysVersion = selection.KeysVersion();
    m_workingCount = workingParams.size();
    m_nameHash = nameHash;
    m_varInfos = varInfos;
    m_varCount = varCount;
    m_filter = filter;
    m_query = query;
    return m_rows;
}

bool ParameterTableRows::SameSource(const ModifierSelection& selection, uint32_t nameHash, const tcVarInfo* varInfos,
                                    int varCount, const char* filter, const char* query) const
{
    return selection.KeysVersion() == m_keysVersion && selection.workingParams.size() == m_workingCount &&
           nameHash == m_nameHash && varInfos == m_varInfos && varCount == m_varCount && m_filter == filter &&
           m_query == query;
}
}
