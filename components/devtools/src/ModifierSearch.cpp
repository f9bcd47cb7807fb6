#include "ModifierSearch.h"

#include "EditorState.h"

#include <locale>
#include <string>
#include <vector>

bool IsFilterActive(const TimecycleEditorState& state)
{
    return state.searchName[0] != '\0' || state.searchParam[0] != '\0';
}

void RebuildFilter(TimecycleEditorState& state)
{
    state.filterHashes.clear();
    if (!IsFilterActive(state))
        return;

    tcManager* gameManager = TimecycleManager::GetGameManager();
    if (!gameManager)
        return;

    const bool byName = state.searchName[0] != '\0';
    const bool byParam = state.searchParam[0] != '\0';
    const std::string paramQuery = state.searchParam;

    std::vector<uint32_t> passed;
    for (unsigned i = 0; i < gameManager->modifierCount; ++i)
    {
        tcModifier* modifier = gameManager->modifiers[i];
        if (!modifier)
            continue;

        state.selection.ValidateSelection();
        if (modifier == state.selection.modifier)
        {
            passed.push_back(modifier->nameHash);
            continue;
        }

        // The name test comes first, so the host is asked about parameters
        // only for names that passed.
        if (byName && !ContainsIgnoreCase(TheTimecycleManager->GetTimecycleName(*modifier).c_str(), state.searchName))
            continue;
        if (byParam && !TheTimecycleManager->DoesTimecycleHasModData(*modifier, paramQuery, true))
            continue;

        passed.push_back(modifier->nameHash);
    }
    state.filterHashes.assign(std::move(passed));
}

const char* ContainsIgnoreCase(const char* text, const char* query)
{
    const auto& facet = std::use_facet<std::ctype<char>>(std::locale());
    // The game hands out null for names it does not know.
    if (!text || !query || text[0] == '\0' || query[0] == '\0')
        return nullptr;

    for (const char* start = text; *start; ++start)
    {
        const char* t = start;
        const char* q = query;
        while (*q && *t && facet.toupper(*t) == facet.toupper(*q))
        {
            ++t;
            ++q;
        }
        if (*q == '\0')
            return start;
    }
    return nullptr;
}
