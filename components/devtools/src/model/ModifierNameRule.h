// The editor's rule for the names of modifiers it creates or renames: the
// game holds a name of any length, the editor's name field 127 bytes, and a
// single byte is too easily a slip.
#pragma once

#include "Text.h"

#include <string_view>

namespace tceditor
{
constexpr size_t kShortestModifierName = 2;
constexpr size_t kLongestModifierName = kTextBufferSize - 1;

inline bool FitsModifierNameRule(std::string_view name)
{
    return name.size() >= kShortestModifierName && name.size() <= kLongestModifierName;
}
}
