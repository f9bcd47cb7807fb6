#include "LaunchTestSupport.h"

#include <cstring>

namespace
{
struct NameCase
{
    std::string_view launchModeKey;
    std::string_view objectName;
    std::string name;
};

TEST(InitStateName, PutsTheKeyBetweenThePrefixAndTheGameName)
{
    const NameCase cases[] = {
        {"", "KelInitState", "KEL__KELGame_SharedData_KelInitState"},
        {"mosk", "KelInitState", "KEL_mosk_KELGame_SharedData_KelInitState"},
        {"cl2", "Other", "KEL_cl2_KELGame_SharedData_Other"},
    };
    for (const NameCase& test : cases)
        EXPECT_EQ(FormatInitStateName(test.launchModeKey, test.objectName), test.name);
}

TEST(InitState, AFreshBlockGetsTheCreationValues)
{
    InitStateView block = OpenInitStateNamed("InitStateTest.Fresh");
    ASSERT_FALSE(block.IsFallback());
    EXPECT_TRUE(HasCreationValues(block.Get()));
}

TEST(InitState, OpeningAnExistingBlockKeepsItsValues)
{
    InitStateView first = OpenInitStateNamed("InitStateTest.Existing");
    ASSERT_FALSE(first.IsFallback());
    first->reserved12 = 7;
    SetText(first->rootPath, u"/launcher/");

    InitStateView second = OpenInitStateNamed("InitStateTest.Existing");
    ASSERT_FALSE(second.IsFallback());
    EXPECT_NE(second.Get(), first.Get());
    EXPECT_EQ(second->reserved12, 7);
    EXPECT_EQ(BlockText(second->rootPath), u"/launcher/");
}

TEST(InitState, ClosingReleasesTheBlockOnce)
{
    InitStateView block = OpenInitStateNamed("InitStateTest.Close");
    block->reserved12 = 7;
    InitStateView moved = std::move(block);
    block.Close(); // the moved-from view holds nothing
    EXPECT_EQ(moved->reserved12, 7);

    moved.Close();
    moved.Close();
    EXPECT_EQ(moved.Get(), nullptr);
    // Its last holder closed it, so the next open creates it afresh.
    InitStateView again = OpenInitStateNamed("InitStateTest.Close");
    EXPECT_TRUE(HasCreationValues(again.Get()));
}

TEST(InitState, TheFallbackIsUsedWhenNoBlockCanBeMade)
{
    // A slash inside makes no name on POSIX, a backslash none on Windows.
    InitStateView block = OpenInitStateNamed("not/a\\name");
    EXPECT_TRUE(block.IsFallback());
    EXPECT_TRUE(HasCreationValues(block.Get()));
    block.Close(); // leaves the fallback block alone
    EXPECT_TRUE(HasCreationValues(OpenInitStateNamed("not/a\\name").Get()));
}

TEST(BlockText, EndsAtTheNulOrAtTheArraysEnd)
{
    struct
    {
        char16_t text[4];
        char16_t after[4];
    } arrays = {{u'a', u'b', u'\0', u'x'}, {u'z', u'z', u'z', u'\0'}};
    EXPECT_EQ(BlockText(arrays.text), u"ab");

    std::fill(std::begin(arrays.text), std::end(arrays.text), u'r');
    EXPECT_EQ(BlockText(arrays.text), u"rrrr");
}
}
