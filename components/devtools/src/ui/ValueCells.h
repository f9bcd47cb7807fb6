// What the value cells of the parameter tables share: the drag's range and
// speed, the exact text of a value, and the tooltip's hint.
#pragma once

#include "editing/ParameterTableRows.h"

#include <string>

namespace tceditor
{
// A row's drag range (DragRangeOfDefault) widened to hold the value, so a
// drag never snaps it into the range, and an end the value has reached moves
// out by the range's width: a drag that pushes past an end goes on, frame by
// frame.
DragRange DragRangeFor(const DragRange& rowRange, float value);

// The format with three decimals, or as many more as the value needs to
// read back exactly (up to nine).
std::string ExactValueFormat(float value);
std::string ExactValueText(float value);

// The last line of a value's tooltip: how to edit it.
std::string EditHint(float speed);
}
