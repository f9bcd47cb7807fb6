#include "editing/VariableSuggestions.h"

#include "base/Text.h"

#include <algorithm>

namespace tceditor
{
namespace
{
bool HasLiveParameter(const tcModifier& modifier, int32_t varId)
{
    for (int i = 0; i < modifier.numMods; ++i)
    {
        if (modifier.modData[i].varId == varId)
            return true;
    }
    return false;
}
}

const std::vector<int32_t>& VariableSuggestions::Update(GameTimecycle& game, const char* text,
                                                        const tcModifier& modifier)
{
    const tcVarInfo* varInfos = game.GetConfigVarInfos();
    const int varCount = game.GetConfigVarInfoCount();
    if (SameSource(text, modifier, varInfos, varCount))
        return m_list;

    m_list.clear();
    for (int32_t i = 0; i < varCount; ++i)
    {
        const tcVarInfo& info = varInfos[i];
        const char* name = game.GetVarInfoName(info);
        if (name && ContainsIgnoreCase(name, text) && !HasLiveParameter(modifier, info.varId))
            m_list.push_back(i);
    }
    m_text = text;
    m_modifier = &modifier;
    m_modData = modifier.modData;
    m_liveVars.clear();
    for (int i = 0; i < modifier.numMods; ++i)
        m_liveVars.push_back(modifier.modData[i].varId);
    m_varInfos = varInfos;
    m_varCount = varCount;
    highlighted = -1;
    return m_list;
}

bool VariableSuggestions::SameSource(const char* text, const tcModifier& modifier, const tcVarInfo* varInfos,
                                     int varCount) const
{
    // The game may add or remove parameters behind the editor's back, or
    // move them to a new array: the var ids are compared, not only the count.
    if (&modifier != m_modifier || modifier.modData != m_modData || modifier.numMods != m_liveVars.size() ||
        varInfos != m_varInfos || varCount != m_varCount || m_text != text)
        return false;
    for (size_t i = 0; i < m_liveVars.size(); ++i)
    {
        if (modifier.modData[i].varId != m_liveVars[i])
            return false;
    }
    return true;
}

void VariableSuggestions::MoveHighlight(int step)
{
    const int last = static_cast<int>(m_list.size()) - 1;
    if (last < 0)
        return;
    highlighted = std::clamp(highlighted + step, -1, last);
    highlightMoved = true;
}
}
