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
        // Only ASCII digits count.
        {u"\u0663", 0},
    };
    for (const ParseIntCase& test : cases)
        EXPECT_EQ(platform::ParseInt(test.text), test.value) << ToUtf8(test.text);
}
}
