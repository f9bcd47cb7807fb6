// Exit hooks run as the process's exit begins, while its other threads still
// run (a Windows exit ends them before any module hears of it), the latest
// registered first, and a cancelled one never.
#include "ExitHooks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace
{
void Print(void* text)
{
    std::fputs(static_cast<const char*>(text), stderr);
}

// A thread that ends once asked to, and says so: only a thread still
// running at the hook's time can.
std::atomic<bool> g_stopWorker{ false };
std::thread* g_worker = nullptr;

void StopWorker(void*)
{
    g_stopWorker = true;
    g_worker->join();
    std::fputs("joined\n", stderr);
}

void ExitWithHooks()
{
    static std::thread worker([] {
        while (!g_stopWorker)
            std::this_thread::yield();
        std::fputs("worker ended\n", stderr);
    });
    g_worker = &worker;
    static ExitHook stop{ StopWorker, nullptr }, cancelled{ Print, const_cast<char*>("cancelled\n") },
        last{ Print, const_cast<char*>("last\n") };
    if (!RunAtExit(stop) || !RunAtExit(cancelled) || !RunAtExit(last))
        std::exit(2);
    CancelAtExit(cancelled);
    std::exit(0);
}

TEST(ExitHooks, RunAtTheExitWhileOtherThreadsRunLatestFirstNeverOnceCancelled)
{
    EXPECT_EXIT(ExitWithHooks(), testing::ExitedWithCode(0), "^last\nworker ended\njoined\n$");
}
}
