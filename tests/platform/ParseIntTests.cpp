#include "Platform.h"
#include "Utils.h"

#include <climits>
#include <gtest/gtest.h>

namespace
{
struct ParseIntCase
{
    std::u16string_view text;
    int value;
};

// One table for both builds: the POSIX build's parser and the Windows
// runtime's _wtoi read the same text the same way.
TEST(ParseInt, ReadsALeadingDecimalNumberLikeWtoi)
{
    const ParseIntCase cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"42", 42},
        {u"007", 7},
        {u"12abc", 12},
        {u"  42", 42},
        {u"\t\n\v\f\r7", 7},
        {u"+5", 5},
        {u"-5", -5},
        {u"- 5", 0},
        {u"+-5", 0},
        {u"2147483647", INT_MAX},
        {u"-2147483648", INT_MIN},
        // Out of range saturates.
        {u"2147483648", INT_MAX},
        {u"-2147483649", INT_MIN},
        {u"99999999999999999999999", INT_MAX},
        // Digits of other scripts count as the Windows runtime reads them.
        {u"\u0663", 3},
        {u"-\u0663", -3},
        {u"4\u0662", 42},
        {u"\uFF14\uFF12", 42},
        {u"\u0E53\u1813\u17E3", 333},
        // Scripts it does not read, and digits that are not decimal ones.
        {u"\u0BE7", 0},
        {u"\u1946", 0},
        {u"\u00B2", 0},
        // Unicode space separators and the next-line control are white space;
        // a zero-width space is none.
        {u"\u3000\u00A0\u20097", 7},
        {u"\u00857", 7},
        {u"\u200B7", 0},
    };
    for (const ParseIntCase& test : cases)
        EXPECT_EQ(platform::ParseInt(test.text), test.value) << ToUtf8(test.text);
}
}
