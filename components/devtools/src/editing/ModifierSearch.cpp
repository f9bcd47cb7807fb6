#include "editing/ModifierSearch.h"

#include "base/Text.h"
#include "editing/EditorState.h"

#include <string>
#include <vector>

namespace tceditor
{
bool IsFilterActive(const TimecycleEditorState& state)
{
    return state.searchName[0] != '\0' || state.searchParam[0] != '\0';
}

void RebuildFilter(TimecycleEditorState& state)
{
    state.filterHashes.clear();
    if (!IsFilterActive(state))
        return;

    GameTimecycle& game = state.game;
    // The selected modifier always passes.
    const tcModifier* selected = state.SelectedModifier();

    const bool byName = state.searchName[0] != '\0';
    const bool byParam = state.searchParam[0] != '\0';
    const std::string paramQuery = state.searchParam;

    std::vector<uint32_t> passed;
    for (const tcModifier* modifier : game.Modifiers())
    {
        if (!modifier)
            continue;
        if (modifier == selected)
        {
            passed.push_back(modifier->nameHash);
            continue;
        }

        // The name test comes first, so the game is asked about parameters
        // only for names that passed.
        if (byName && !ContainsIgnoreCase(game.GetTimecycleName(*modifier).c_str(), state.searchName))
            continue;
        if (byParam && !game.DoesTimecycleHasModData(*modifier, paramQuery, true))
            continue;

        passed.push_back(modifier->nameHash);
    }
    state.filterHashes.assign(std::move(passed));
}
}
