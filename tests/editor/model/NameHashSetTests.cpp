// The search result's set: ordered, unique, and exact about membership even
// where hashes share the low bits its bitmap looks at.
#include "base/NameHashSet.h"

#include <gmock/gmock.h>

using namespace tceditor;
using testing::ElementsAre;

TEST(NameHashSet, KeepsHashesOrderedAndUnique)
{
    NameHashSet set;
    set.assign({ 0xFFFFFFF0u, 0x10u, 0x10u, 0x7u });
    EXPECT_THAT(set, ElementsAre(0x7u, 0x10u, 0xFFFFFFF0u));

    set.insert(0x8u);
    set.insert(0x10u);
    EXPECT_THAT(set, ElementsAre(0x7u, 0x8u, 0x10u, 0xFFFFFFF0u));
}

TEST(NameHashSet, MembershipIsExactForHashesSharingLowBits)
{
    NameHashSet set;
    set.assign({ 0x0001ABCDu });
    EXPECT_TRUE(set.contains(0x0001ABCDu));
    EXPECT_FALSE(set.contains(0x0002ABCDu)); // same low 16 bits
    EXPECT_FALSE(set.contains(0x0001ABCEu));

    set.clear();
    EXPECT_TRUE(set.empty());
    EXPECT_FALSE(set.contains(0x0001ABCDu));
}

TEST(NameHashSet, EveryChangeGivesANewVersionNoOtherSetHas)
{
    NameHashSet first;
    NameHashSet second;
    const uint64_t before = first.Version();
    first.insert(1);
    EXPECT_NE(first.Version(), before);
    second.insert(1);
    EXPECT_NE(second.Version(), first.Version());
    const uint64_t afterInsert = first.Version();
    first.clear();
    EXPECT_NE(first.Version(), afterInsert);
}
