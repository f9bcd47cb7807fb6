// A value typed into a drag of the parameter table. Dear ImGui takes "+0.1",
// "*2" or "/4" as an operation on the text the field showed, which holds only
// three decimals; the editor applies it to the value itself.
#pragma once

#include <optional>
#include <string_view>

namespace tceditor
{
// The value that the typed text means for a field that showed `shownText`
// for `value`: `value` itself when the text is still the one shown, the
// operation applied to `value` for "+x", "*x" and "/x" (dividing by zero
// leaves it), none for any other text (a plain number, read as typed).
std::optional<float> TypedOperationResult(std::string_view typedText, std::string_view shownText, float value);

// A finite number and nothing else but spaces around it (a leading "+"
// allowed), or none.
std::optional<float> ParseNumberText(std::string_view text);
}
