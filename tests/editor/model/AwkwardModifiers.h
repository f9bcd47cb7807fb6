// Modifier names and values that are hard to carry through XML text, shared
// by the tests of writing, reading, strict readers and the game's loader.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace awkward
{
using namespace std::string_literals;

struct NamedCase
{
    const char* label;
    std::string name;
};

inline void PrintTo(const NamedCase& param, std::ostream* out)
{
    *out << param.label;
}

// Every kind of byte a name can hold that XML text cannot carry as it is,
// next to names that it can.
inline const std::vector<NamedCase>& Names()
{
    static const std::vector<NamedCase> names = {
        { "Ordinary", "tod_sunrise_warm" },
        { "EveryXmlSpecialCharacter", "a&b\"c<d>e'f;&amp;]]>" },
        { "BackslashInAnOrdinaryName", "dir\\x41\\\\name" },
        { "SpacesAtBothEnds", "  spaced  " },
        { "Tab", "tab\there" },
        { "LineFeed", "line\nfeed" },
        { "CarriageReturn", "carriage\rreturn" },
        { "Nul", "nul\0inside"s },
        { "OtherControlCharacters", "\x01\x02\x1b[31m\x1f" },
        { "Delete", "del\x7f" },
        { "C1Control", "next\xc2\x85line" },
        { "InvalidUtf8Bytes", "bad\xff\xfe" },
        { "CutSequence", "cut\xe2\x82" },
        { "StrayContinuationByte", "\x80stray" },
        { "OverlongSlash", "over\xc0\xaflong" },
        { "EncodedSurrogate", "sur\xed\xa0\x80rogate" },
        { "NonCharacterFFFE", "non\xef\xbf\xbe" },
        { "ControlAndBackslash", "a\\b\x01" },
        { "ControlAndSpecialCharacters", "<&\">\t'" },
        { "Emoji", "sunset \xf0\x9f\x8c\x85 pink" },
        { "DoubleDash", "a--b-" },
    };
    return names;
}

// Values the export must handle: ordinary ones, the float range's ends, and
// values that are not finite.
struct ValueCase
{
    float value1;
    float value2;
};

inline const std::vector<ValueCase>& FiniteValues()
{
    static const std::vector<ValueCase> values = {
        { 0.5f, 1.0f }, { -2.0f, 0.0f }, { 0.1f, -0.0004f }, { FLT_MAX, -FLT_MAX }, { 1e-30f, -1e30f },
    };
    return values;
}

// The value as the document carries it: rounded to three decimals.
inline float AsWritten(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return std::strtof(text, nullptr);
}

inline const std::vector<ValueCase>& NonFiniteValues()
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    static const std::vector<ValueCase> values = { { nan, 1.0f }, { 1.0f, inf }, { -inf, -nan } };
    return values;
}
}
