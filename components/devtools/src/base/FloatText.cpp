#include "base/FloatText.h"

#include "base/EditorAssert.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace tceditor
{
bool ParseFloat(std::string_view text, float& value)
{
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && next == end && std::isfinite(value);
}

std::string ExactFloatText(float value)
{
    // Plain decimals read best ("0.0004", "100000"); exponents only where
    // the plain form would run long (1e-30, 3.4028235e+38).
    constexpr ptrdiff_t kLongestPlainText = 16;
    char text[64];
    std::to_chars_result written = std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed);
    if (written.ec != std::errc() || written.ptr - text > kLongestPlainText)
        written = std::to_chars(text, text + sizeof(text), value);
    TCE_ASSERT(written.ec == std::errc());
    return std::string(text, written.ptr);
}
}
