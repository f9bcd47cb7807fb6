// The named lock a launcher holds while it hands its install root over: one
// holder at a time, a waiter gives up at its time limit, and the lock passes
// on once released.
#include "Platform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <string>
#include <thread>

namespace
{
std::u16string TestLockName()
{
    const std::string name = "vesk-test-lock-" + std::to_string(std::random_device()());
    return std::u16string(name.begin(), name.end());
}

// Taken on another thread, as a Windows mutex belongs to its thread.
bool TakenElsewhere(const std::u16string& name, unsigned timeoutMs)
{
    std::atomic<bool> taken{ false };
    std::thread([&] {
        platform::NamedLock lock;
        taken = platform::TakeNamedLock(name, timeoutMs, lock);
        platform::ReleaseNamedLock(lock);
    }).join();
    return taken;
}

TEST(NamedLock, OneHolderAtATime)
{
    const std::u16string name = TestLockName();
    platform::NamedLock held;
    ASSERT_TRUE(platform::TakeNamedLock(name, 0, held));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(TakenElsewhere(name, 200));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200)) << "it did not wait";

    platform::ReleaseNamedLock(held);
    EXPECT_EQ(held.handle, nullptr);
    EXPECT_TRUE(TakenElsewhere(name, 0));
}

TEST(NamedLock, AWaiterGetsItWhenTheHolderLetsGo)
{
    const std::u16string name = TestLockName();
    platform::NamedLock held;
    ASSERT_TRUE(platform::TakeNamedLock(name, 0, held));
    std::atomic<bool> taken{ false };
    std::thread waiter([&] {
        platform::NamedLock lock;
        taken = platform::TakeNamedLock(name, 10000, lock);
        platform::ReleaseNamedLock(lock);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(taken);
    platform::ReleaseNamedLock(held);
    waiter.join();
    EXPECT_TRUE(taken);
}
}
