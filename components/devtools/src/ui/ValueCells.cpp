#include "ui/ValueCells.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tceditor
{
DragRange DragRangeFor(const DragRange& rowRange, float value)
{
    DragRange range = rowRange;
    if (std::isfinite(value))
    {
        const float width = range.max - range.min;
        if (value >= range.max)
            range.max = value + width;
        if (value <= range.min)
            range.min = value - width;
    }
    return range;
}

std::string ExactValueFormat(float value)
{
    int decimals = 3;
    for (char text[64]; decimals < 9; ++decimals)
    {
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return "%." + std::to_string(decimals) + "f";
}

std::string ExactValueText(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, ExactValueFormat(value).c_str(), value);
    return text;
}

std::string EditHint(float speed)
{
    char text[128];
    std::snprintf(text, sizeof text,
                  "Drag: %g per pixel, Alt: finer, Shift: coarser, Ctrl+click: type, Right click: more", speed);
    return text;
}
}
