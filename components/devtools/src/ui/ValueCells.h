// What the value cells of the parameter tables share: the drag's range and
// speed, the exact text of a value, and the tooltip's hint.
#pragma once

#include <string>

namespace tceditor
{
struct DragRange
{
    float min, max, speed;
};

// From the variable's default d: speed 0.02 over -1..1 for 0, otherwise
// |d| / 20 over -10|d|..10|d|, so dragging right always raises a value. The
// range is widened to hold the value, so a drag never snaps it into the range,
// and an end the value has reached moves out by the range's width: a drag
// that pushes past an end goes on, frame by frame.
DragRange DragRangeFor(float defaultValue, float value);

// The format with three decimals, or as many more as the value needs to
// read back exactly (up to nine).
std::string ExactValueFormat(float value);
std::string ExactValueText(float value);

// The last line of a value's tooltip: how to edit it.
std::string EditHint(float speed);
}
