// ToUtf8 and ToUtf16: the conversions between the platform's wide text and
// the component's UTF-8.
#include "Utils.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Hex(std::u16string_view text)
{
    std::string out;
    for (char16_t unit : text)
        out += fmt::format("{:04X} ", static_cast<unsigned>(unit));
    return out;
}

std::string Hex(std::string_view text)
{
    std::string out;
    for (char byte : text)
        out += fmt::format("{:02X} ", static_cast<unsigned char>(byte));
    return out;
}

TEST(TextConversionTest, ToUtf16ReplacesInvalidSequences)
{
    struct Case
    {
        const char* name;
        std::string utf8;
        std::u16string expected;
    };
    const Case cases[] = {
        { "empty", "", u"" },
        { "ASCII", "abc", u"abc" },
        { "broken two-byte sequence", "\xC3\x28", u"\uFFFD(" },
        { "sequence cut at the end", "a\xE2\x82", u"a\uFFFD" },
        { "overlong slash", "\xC0\xAF", u"\uFFFD" },
        { "lone continuation bytes", "\x80\x80", u"\uFFFD\uFFFD" },
        { "encoded surrogate", "\xED\xA0\x80", u"\uFFFD" },
        { "two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"é€\U0001F600" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hex(ToUtf16(c.utf8)), Hex(c.expected));
    }
}

TEST(TextConversionTest, ToUtf8ConvertsUnchecked)
{
    struct Case
    {
        const char* name;
        std::u16string utf16;
        std::string expected;
    };
    const Case cases[] = {
        { "empty", u"", "" },
        { "lone lead surrogate", u"\xD800", "" },
        { "lead surrogate at the end is dropped", u"ab\xD83D", "ab" },
        { "lone trail surrogate in its three-byte form", u"\xDC00", "\xED\xB0\x80" },
        { "surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80" },
        { "longer than the reserve threshold", u"sixteen chars é€", "sixteen chars \xC3\xA9\xE2\x82\xAC" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hex(ToUtf8(c.utf16)), Hex(c.expected));
    }
}

TEST(TextConversionTest, AstralCodePointsRoundTrip)
{
    const std::string text = "\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E \xF4\x8F\xBF\xBF"; // U+1F600, U+1D11E, U+10FFFF
    const std::u16string wide = ToUtf16(text);
    EXPECT_EQ(wide, u"\U0001F600 \U0001D11E \U0010FFFF");
    EXPECT_EQ(ToUtf8(wide), text);
}
}
