// What the game applies, marked in the browser: a tag after the name of the
// primary, transition and interior modifiers in the list, and "Select" on
// the rows that name them.
#pragma once

#include "editing/EditorState.h"

namespace tceditor
{
// The modifiers the game applies this frame; null where it applies none.
struct AppliedModifiers
{
    const tcModifier* primary = nullptr;
    const tcModifier* transition = nullptr;
    const tcModifier* interior = nullptr;

    static AppliedModifiers Of(GameTimecycle& game);

    // Whether the modifier is any of the three: most rows of the list are
    // none, and ask only this.
    bool Has(const tcModifier& modifier) const
    {
        return &modifier == primary || &modifier == transition || &modifier == interior;
    }
};

// Tags "P", "T", "I" after the list entry just drawn, outside its label.
void DrawAppliedTags(const AppliedModifiers& applied, const tcModifier& modifier);

// A right click on the text just drawn, which names the applied modifier at
// `index`, offers "Select": the modifier is selected and the browser scrolls
// to it.
void OfferSelectOnText(TimecycleEditorState& state, const char* text, int index);
}
