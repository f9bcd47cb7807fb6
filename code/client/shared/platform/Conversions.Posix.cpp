// The Windows runtime's conversions on Linux: _wtoi's integer reading and
// Microsoft's spelling of type names.
#include "Platform.h"

#include <climits>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace platform
{
namespace
{
// White space as the Windows runtime's _wtoi (ucrtbase) skips it: the ASCII
// controls, the next-line control and the Unicode space separators.
bool IsConversionSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x0085 || c == 0x00A0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// A decimal digit's value as _wtoi reads it, -1 for none: ASCII digits, and
// those of the other scripts whose zero-to-nine runs the runtime knows.
int ConversionDigit(char16_t c)
{
    static constexpr char16_t kZeros[] = {
        u'0', 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66,
        0x0CE6, 0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10,
    };
    for (const char16_t zero : kZeros)
    {
        if (c >= zero && c < zero + 10)
            return c - zero;
    }
    return -1;
}
}

int ParseInt(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsConversionSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    long long value = 0;
    for (int digit = 0; i < text.size() && (digit = ConversionDigit(text[i])) >= 0; ++i)
    {
        value = value * 10 + digit;
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    // Out of range saturates, as the C runtime's conversion does.
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string ReadableTypeName(const std::type_info& type)
{
    // GCC's type names are mangled ("b"); the C++ ABI's demangler spells them.
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                          &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}
}
