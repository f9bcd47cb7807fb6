// Colours in the parameter table: a swatch before the name of each channel of
// a colour the selected modifier has whole, and the popup a swatch opens,
// where the colour is edited as a colour.
#pragma once

#include "editing/EditorState.h"

namespace tceditor
{
// In the "Name" cell, before the name: the swatch of the colour the row is a
// channel of (ParameterRowView::colourChannel), as `label`, from the working
// copies of its channels (ParameterRowView::channels). With `quiet`, neither
// the mouse nor the keyboard focus is on the table: no tooltip can show.
void DrawColourSwatch(TimecycleEditorState& state, tcModifier& modifier, int32_t varId,
                      const tcModData* const (&channels)[3], const char* label, bool quiet);
// After the table: the popup "Colour: STEM" while it is open.
void DrawColourPopup(TimecycleEditorState& state, tcModifier& modifier);
}
