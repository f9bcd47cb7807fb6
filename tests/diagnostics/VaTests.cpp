// va: printf-style formatting into a per-thread ring of eight buffers.
#include "Utils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>

namespace
{
constexpr size_t kSlotSize = 32768;
constexpr size_t kRingSize = 8 * kSlotSize;

TEST(VaTest, FormatsTypedArgumentsPrintfStyle)
{
    EXPECT_STREQ(va("%s-%d-%.2f-%x-%c", std::string("text"), 7, 1.5, 255u, 'z'), "text-7-1.50-ff-z");
    EXPECT_STREQ(va("no arguments"), "no arguments");
}

TEST(VaTest, NinthCallReusesTheFirstSlot)
{
    // On a fresh thread, so that the ring starts at its first slot.
    std::thread([] {
        const char* slots[8] = {};
        for (int call = 1; call <= 8; ++call)
            slots[call - 1] = va("call %d", call);
        for (int slot = 1; slot < 8; ++slot)
        {
            EXPECT_EQ(slots[slot], slots[slot - 1] + kSlotSize) << "slot " << slot;
            EXPECT_STREQ(slots[slot], ("call " + std::to_string(slot + 1)).c_str());
        }
        EXPECT_STREQ(slots[0], "call 1");

        EXPECT_EQ(va("call %d", 9), slots[0]);
        EXPECT_STREQ(slots[0], "call 9");
    }).join();
}

TEST(VaTest, AnotherThreadGetsItsOwnZeroFilledBlock)
{
    const char* here = va("here");
    const char* there = nullptr;
    bool restIsZero = false;
    std::thread([&] {
        there = va("x");
        // The thread's first call used the block's first slot.
        restIsZero = std::all_of(there + 2, there + kRingSize, [](char c) { return c == 0; });
    }).join();

    EXPECT_TRUE(there + kRingSize <= here || there >= here + kRingSize) << "the blocks overlap";
    EXPECT_TRUE(restIsZero);
}

TEST(VaTest, LongestTextIsReturned)
{
    const std::string longest(kVaMaxLength, 'x');
    EXPECT_EQ(strlen(va("%s", longest)), kVaMaxLength);
}

TEST(VaTest, BadFormatGivesTheFormatErrorText)
{
    EXPECT_STREQ(va("count %d", "text"), "fmt::format_error while formatting count %d: invalid type specifier\n");
}
}
