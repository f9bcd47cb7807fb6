#include "EventCore.h"

#include <gtest/gtest.h>

#include <string>

TEST(fwEvent, CookiesCountFromZeroAndEmptyFunctionsTakeNone)
{
    fwEvent<> event;
    EXPECT_EQ(event.Connect([] { return true; }), 0u);
    EXPECT_EQ(event.Connect(fwEvent<>::Function()), UINT64_MAX);
    EXPECT_EQ(event.Connect([] { return true; }), 1u);
}

TEST(fwEvent, CallsInOrderWithEqualOrdersInConnectionOrder)
{
    fwEvent<std::string*> event;
    auto append = [](char c) { return [c](std::string* out) { *out += c; return true; }; };
    event.Connect(append('a'), 0);
    event.Connect(append('b'), 0);
    event.Connect(append('c'), -1);
    event.Connect(append('d'), 10);
    event.Connect(append('e'), 0);

    std::string calls;
    EXPECT_TRUE(event(&calls));
    EXPECT_EQ(calls, "cabed");
}

TEST(fwEvent, RaiseStopsAtTheFirstCallbackReturningFalse)
{
    fwEvent<int> event;
    int sum = 0;
    event.Connect([&](int v) { sum += v; return true; });
    event.Connect([&](int v) { sum += 10 * v; return false; });
    event.Connect([&](int v) { sum += 100 * v; return true; });

    EXPECT_FALSE(event(2));
    EXPECT_EQ(sum, 22);
}

TEST(fwEvent, RaiseWithNothingConnectedDoesNothing)
{
    fwEvent<> event;
    EXPECT_TRUE(event());
}

TEST(fwEvent, DisconnectRemovesExactlyTheCallbackOfItsCookie)
{
    fwEvent<std::string*> event;
    auto append = [](char c) { return [c](std::string* out) { *out += c; return true; }; };
    const uint64_t a = event.Connect(append('a'), 0);
    const uint64_t b = event.Connect(append('b'), 5);
    const uint64_t c = event.Connect(append('c'), 10);

    EXPECT_TRUE(event.Disconnect(b));
    EXPECT_FALSE(event.Disconnect(b)) << "gone already";
    EXPECT_FALSE(event.Disconnect(fwEvent<std::string*>::kInvalidCookie));
    std::string calls;
    event(&calls);
    EXPECT_EQ(calls, "ac");

    EXPECT_TRUE(event.Disconnect(a));
    EXPECT_TRUE(event.Disconnect(c));
    calls.clear();
    EXPECT_TRUE(event(&calls));
    EXPECT_EQ(calls, "");
}
