// An assertion that fails while another one is being reported, as when the
// game's own trace output asserts: each failed assertion returns to its own
// site, because each call of the hook parks its caller's address in its own
// frame.
#include "DiagnosticsSupport.h"
#include "WindowsTestSupport.h"

#include "Assert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace
{
volatile bool g_failInsideTheReport = false;

void InnerAssertion()
{
    volatile int value = 1;
    FW_ASSERT_AT(value == 0, "inner", "code/client/test/Inner", 1);
    fprintf(stderr, "inner continued\n");
}

void OuterAssertion()
{
    volatile int value = 1;
    FW_ASSERT_AT(value == 0, "outer", "code/client/test/Outer", 2);
    fprintf(stderr, "outer continued\n");
}

// A debugger that continues from every single step.
LONG CALLBACK ContinueAfterSingleStep(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_SINGLE_STEP)
        return EXCEPTION_CONTINUE_SEARCH;
    exception->ContextRecord->EFlags &= ~0x100u;
    return EXCEPTION_CONTINUE_EXECUTION;
}
}

// The game's asynchronous trace, which the component looks up in the main
// program first; this one fails an assertion of its own once.
extern "C" __declspec(dllexport) void AsyncTrace(const char*)
{
    if (g_failInsideTheReport)
    {
        g_failInsideTheReport = false;
        InnerAssertion();
    }
}

namespace
{
using NestedAssertionTest = diagtest::DiagnosticsTest;

TEST_F(NestedAssertionTest, EachReturnsToItsOwnSite)
{
    EXPECT_EXIT(
        {
            AddVectoredExceptionHandler(1, ContinueAfterSingleStep);
            g_failInsideTheReport = true;
            OuterAssertion();
            fprintf(stderr, "done\n");
            fflush(stderr);
            _exit(0);
        },
        testing::ExitedWithCode(0), "inner continued\nouter continued\ndone");

    // The inner one came first and was the first error; the outer one is
    // recursive.
    EXPECT_EQ(diagtest::ReadPickup(),
              R"({"message":"Recursive error: Assertion failure: outer\nFile: code/client/test/Outer, Line: 2\n)"
              R"(Original error: Assertion failure: inner\nFile: code/client/test/Inner, Line: 1",)"
              R"("file":"code/client/shared/Utils.Win32","line":99999,"sigHash":2511097818})");
}
}
