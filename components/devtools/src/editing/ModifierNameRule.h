// The names the editor gives modifiers ("Create", "Rename", "Clone", a
// paste): from kMinModifierNameBytes to kMaxModifierNameBytes bytes, the most
// the name field holds; a single byte is too easily a slip. The game holds a
// name of any length. Every text about the rule is made from these two.
#pragma once

#include "base/Text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tceditor
{
constexpr size_t kMinModifierNameBytes = 2;
constexpr size_t kMaxModifierNameBytes = kTextBufferSize - 1;

inline bool FitsModifierNameRule(std::string_view name)
{
    return name.size() >= kMinModifierNameBytes && name.size() <= kMaxModifierNameBytes;
}

// Why `action` cannot use the name ("Create refused: ... needs 2 to 127
// bytes"), or an empty text when it can.
std::string ModifierNameProblem(const char* action, std::string_view name);
}
