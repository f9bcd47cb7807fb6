// The values the parameter table's value cells show, in one place, so that
// everything drawn from them (the cells, anything that shows a row's values
// another way) shows the same.
#pragma once

#include "editing/EditorState.h"

#include <cstdint>

namespace tceditor
{
struct ShownValues
{
    // Null when the row has nothing to show: no working copy, or an
    // original without the parameter.
    const tcModData* values = nullptr;
    // The original's values while "Compare" is held: shown greyed, not
    // editable.
    bool original = false;
};

// For a variable of the selected modifier: its working copy (which follows
// the game's live values while its row is on), or while "Compare" is held,
// the original's values.
ShownValues TableValues(const TimecycleEditorState& state, int32_t varId);
// The same for a row whose working copy is at hand.
// The original's values of the parameter while "Compare" is held.
ShownValues OriginalValues(const TimecycleEditorState& state, int32_t varId);
// Inline: the table asks for every row it draws.
inline ShownValues TableValues(const TimecycleEditorState& state, int32_t varId, const tcModData& working)
{
    if (state.comparedEdit)
        return OriginalValues(state, varId);
    return { &working, false };
}
}
