// ToUtf16 and ToUtf8 over any bytes: the input read as UTF-8 and as UTF-16
// code units.
#include "FuzzCheck.h"

#include <Utils.h>

#include <utf8.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace
{
bool IsLead(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsTrail(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Every surrogate is part of a lead-trail pair.
bool IsValidUtf16(const std::u16string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (IsTrail(text[i]))
            return false;
        if (IsLead(text[i]) && (i + 1 == text.size() || !IsTrail(text[++i])))
            return false;
    }
    return true;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // As UTF-8: invalid sequences become U+FFFD, so the result is always
    // valid UTF-16 and converts back to valid UTF-8; valid text comes back
    // byte for byte.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string wide = ToUtf16(bytes);
    FUZZ_CHECK(IsValidUtf16(wide));
    const std::string back = ToUtf8(wide);
    FUZZ_CHECK(utf8::is_valid(back.begin(), back.end()));
    if (utf8::is_valid(bytes.begin(), bytes.end()))
        FUZZ_CHECK(back == bytes);

    // As UTF-16: valid text comes back unit for unit; any other text still
    // converts without harm.
    std::u16string units(size / 2, u'\0');
    memcpy(units.data(), data, units.size() * sizeof(char16_t));
    const std::string narrow = ToUtf8(units);
    if (IsValidUtf16(units))
        FUZZ_CHECK(ToUtf16(narrow) == units);
    return 0;
}
