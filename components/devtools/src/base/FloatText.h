// Values as text, both ways, the same wherever the editor reads or writes
// one: documents, the table's typed numbers, "Copy value", tooltips.
#pragma once

#include <string>
#include <string_view>

namespace tceditor
{
// A finite float in C notation, the whole text, whatever the process's
// locale; a number past the float range is refused, not turned into an
// infinity.
bool ParseFloat(std::string_view text, float& value);

// The shortest decimal text that reads back to the same float ("0.1234",
// "0.0004", "1e-30"): what the editor writes wherever a value must survive
// being read back, so nothing it keeps is rounded away.
std::string ExactFloatText(float value);
}
