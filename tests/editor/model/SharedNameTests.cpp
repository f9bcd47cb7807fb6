// A shared name holds exactly the bytes it was given, whatever they are, and
// its copies compare equal to it and to the same text held elsewhere.
#include "base/SharedName.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace tceditor;

TEST(SharedName, HoldsExactlyItsBytes)
{
    using namespace std::string_literals;
    for (const std::string& text : { ""s, "fog_start"s, "a\0b"s, std::string(300, 'x'), "\xff\xfe"s })
    {
        const SharedName name(text);
        const SharedName copy = name;
        EXPECT_EQ(name.view(), text);
        EXPECT_EQ(name.view().size(), text.size());
        EXPECT_EQ(name.str(), text);
        EXPECT_EQ(std::string_view(name.c_str()), std::string_view(text.c_str()));
        EXPECT_TRUE(copy == name);
        EXPECT_TRUE(SharedName(text) == name);
        EXPECT_FALSE(SharedName(text + "!") == name);
    }
}

TEST(SharedName, AnEmptyNameIsEmptyText)
{
    const SharedName empty;
    EXPECT_EQ(empty.view(), "");
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_TRUE(empty == SharedName(""));
    EXPECT_FALSE(empty == SharedName("a"));
}
