// Our start-up part where it must behave as Microsoft's: a function-local
// static whose initialiser threw is initialised by a thread that waited for
// it, operator new gives the new-handler its chance, a stack walk from
// inside the assertion report passes through the hook's frame, and an
// uncaught C++ exception reaches the program's terminate handler.
#include "DiagnosticsSupport.h"
#include "WindowsTestSupport.h"

#include "Assert.h"
#include "CoreRTControl.h"
#include "CoreRTDiagnostics.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>
#include <thread>

namespace
{
std::atomic<int> g_initialiserRuns{ 0 };
std::atomic<bool> g_firstRunStarted{ false };

int InitialiseOnce()
{
    if (++g_initialiserRuns == 1)
    {
        g_firstRunStarted = true;
        Sleep(300); // the other thread is waiting on the guard by now
        throw std::runtime_error("first initialiser fails");
    }
    return 42;
}

int& StaticValue()
{
    static int value = InitialiseOnce();
    return value;
}

TEST(ThreadSafeStatics, AWaiterRunsTheInitialiserAfterTheFirstOneThrew)
{
    std::thread first([] {
        try
        {
            StaticValue();
        }
        catch (const std::runtime_error&)
        {
        }
    });
    while (!g_firstRunStarted)
        Sleep(1);
    int seen = 0;
    std::thread waiter([&] { seen = StaticValue(); });
    first.join();
    waiter.join();
    EXPECT_EQ(seen, 42);
    EXPECT_EQ(g_initialiserRuns, 2);
}

// This program's own _callnewh, in the place of ucrtbase's (Wine's does not
// call the handler its _set_new_handler took): it counts what operator new
// asks and says "memory was freed, try again" twice.
int g_newHandlerCalls = 0;
bool g_countNewHandlerCalls = false;

extern "C" int __cdecl _callnewh(size_t)
{
    if (!g_countNewHandlerCalls)
        return 0;
    return ++g_newHandlerCalls < 3 ? 1 : 0;
}

TEST(NewDelete, AFailedAllocationAsksTheNewHandlerUntilItGivesUp)
{
    g_countNewHandlerCalls = true;
    EXPECT_THROW(static_cast<void>(::operator new(size_t(1) << 62)), std::bad_alloc);
    EXPECT_EQ(g_newHandlerCalls, 3);

    g_newHandlerCalls = 0;
    EXPECT_EQ(::operator new(size_t(1) << 62, std::nothrow), nullptr);
    EXPECT_EQ(g_newHandlerCalls, 3) << "the nothrow form asks it too";
    g_countNewHandlerCalls = false;
}

using AssertionStackWalk = diagtest::DiagnosticsTest;

// Fails an assertion from a known place: the walk must reach this function
// through the hook's frame.
volatile int g_afterAssertion = 0;
__attribute__((noinline)) void FailAssertionHere()
{
    AssertionFailed(u"walked", u"StartupPartTests", 1);
    g_afterAssertion = 1; // a call, not a jump: this frame is on the stack
}

TEST_F(AssertionStackWalk, AWalkFromInsideTheReportPassesThroughTheHookAndTheRecordIsWritten)
{
    EXPECT_EXIT(
        {
            wintest::ReportUnhandledException(reinterpret_cast<const void*>(&AssertionFailed));
            // The function's code, up to a generous bound on its size.
            const char* begin = reinterpret_cast<const char*>(&FailAssertionHere);
            corert::SetStackWalkInGameWindow(begin, begin + 64);
            FailAssertionHere();
        },
        testing::ExitedWithCode(wintest::ExitCodeOf(EXCEPTION_SINGLE_STEP)),
        "stack walk: \\d+ frames, reached the target");
    EXPECT_NE(diagtest::ReadPickup().find("Assertion failure: walked"), std::string::npos);
}

TEST(ProgramEntry, AnUncaughtExceptionRunsTheTerminateHandler)
{
    const wintest::ProcessRun run =
        wintest::RunProcess(wintest::ProgramFolder() / "windows_terminate_probe.exe", L"windows_terminate_probe.exe");
    EXPECT_NE(run.output.find("terminate handler ran"), std::string::npos) << run.output;
    EXPECT_EQ(run.exitCode, 3u) << run.output;
}
}
