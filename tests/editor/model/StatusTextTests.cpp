// The status line's texts stay short: lists name a few items and count the
// rest, long names are cut with their length.
#include "base/StatusText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tceditor;

TEST(StatusText, NumbersAreGroupedByThousands)
{
    const std::pair<size_t, const char*> cases[] = { { 0, "0" },         { 999, "999" },         { 1000, "1,000" },
                                                     { 9990, "9,990" }, { 123456, "123,456" }, { 1048576, "1,048,576" } };
    for (const auto& [number, text] : cases)
        EXPECT_EQ(GroupedNumber(number), text);
}

TEST(StatusText, AListNamesItsFirstItemsAndCountsTheRest)
{
    std::vector<std::string> items;
    EXPECT_EQ(BoundedList(items, ", "), "");
    for (int i = 0; i < int(kStatusListItems); ++i)
        items.push_back("v" + std::to_string(i));
    EXPECT_EQ(BoundedList(items, ", "), "v0, v1, v2, v3, v4");
    items.resize(10000, "more");
    EXPECT_EQ(BoundedList(items, "; "), "v0; v1; v2; v3; v4; and 9,995 more");
}

TEST(StatusText, ALongNameIsCutAtACharacterWithItsLength)
{
    EXPECT_EQ(StatusName("short\x01"), "short\\x01");
    EXPECT_EQ(StatusName(std::string(kStatusNameBytes, 'a')), std::string(kStatusNameBytes, 'a'));
    EXPECT_EQ(StatusName(std::string(1 << 20, 'a')), std::string(kStatusNameBytes, 'a') + "... (1,048,576 bytes)");
    // "é" is two bytes; the cut does not split it.
    std::string accented(kStatusNameBytes - 1, 'a');
    accented += "\xc3\xa9tail";
    EXPECT_EQ(StatusName(accented), std::string(kStatusNameBytes - 1, 'a') + "... (" +
                                        std::to_string(accented.size()) + " bytes)");
}
