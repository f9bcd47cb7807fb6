// The fatal paths as the game sees them on Windows: a failed assertion writes
// its record and the process dies of a single-step exception right after the
// hook's call; a va overflow dies of an access violation at 0xDEED; with a
// debugger reported, the breakpoint comes before the record.
#include "AssertionCases.h"
#include "DiagnosticsSupport.h"
#include "WindowsTestSupport.h"

#include "Assert.h"
#include "CoreRTControl.h"
#include "CoreRTDiagnostics.h"
#include "Error.h"
#include "Registry.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <string>

using testing::ExitedWithCode;
using diagtest::AssertionRecord;
using diagtest::ReadPickup;
using wintest::ExitCodeOf;

namespace
{
using AssertionTest = diagtest::DiagnosticsTest;

const void* AddressOf(void (*function)(const char16_t*, const char16_t*, unsigned))
{
    return reinterpret_cast<const void*>(function);
}

TEST_F(AssertionTest, FixedSiteWritesItsRecordAndStopsAfterTheHookCall)
{
    const uint64_t neverRegistered = corert::TypeId("diagtest::NeverRegistered");

    EXPECT_EXIT(
        {
            wintest::ReportUnhandledException(AddressOf(&AssertionFailed));
            FindInstance(neverRegistered);
        },
        ExitedWithCode(ExitCodeOf(EXCEPTION_SINGLE_STEP)), "single step right after a call of the hook");

    EXPECT_EQ(ReadPickup(), AssertionRecord(diagtest::kMissingInstance));
}

TEST_F(AssertionTest, PlainAssertEndsInTheComponentsWassert)
{
    // assert calls _wassert through its import slot, which the component
    // fills with its own hook.
    EXPECT_EXIT(
        {
            wintest::ReportUnhandledException(reinterpret_cast<const void*>(&_wassert));
            diagtest::FailPlainAssert();
        },
        ExitedWithCode(ExitCodeOf(EXCEPTION_SINGLE_STEP)), "single step right after a call of the hook");

    EXPECT_EQ(ReadPickup(), AssertionRecord(diagtest::kPlainAssert));
}

// A debugger that continues from the single step: the caller's frame must
// come back intact under the Windows calling convention too.
volatile bool g_singleStepTaken = false;

LONG CALLBACK ContinueAfterSingleStep(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_SINGLE_STEP)
        return EXCEPTION_CONTINUE_SEARCH;
    g_singleStepTaken = true;
    exception->ContextRecord->EFlags &= ~0x100u; // the trap flag
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST_F(AssertionTest, DebuggerThatContinuesResumesRightAfterTheAssertion)
{
    EXPECT_EXIT(
        {
            AddVectoredExceptionHandler(1, ContinueAfterSingleStep);
            diagtest::ContinueFromAssertion();
            fprintf(stderr, "single step %s\n", g_singleStepTaken ? "taken" : "missed");
            fflush(stderr);
            _exit(0);
        },
        ExitedWithCode(0), "continued with 1234\nsingle step taken");

    EXPECT_EQ(ReadPickup(), AssertionRecord(diagtest::kContinuedAssertion));
}

using VaOverflowTest = diagtest::DiagnosticsTest;

TEST_F(VaOverflowTest, DiesOfAnAccessViolationAtDeedAfterTheRecord)
{
    const std::string tooLong(kVaMaxLength + 1, 'x');
    EXPECT_EXIT(
        {
            wintest::ReportUnhandledException();
            va("%s", tooLong);
        },
        ExitedWithCode(ExitCodeOf(EXCEPTION_ACCESS_VIOLATION)), "write access violation at 0x000000000000deed");

    EXPECT_EQ(ReadPickup(), R"({"message":"Exceeded buffer length in va()!","file":"code/client/shared/Utils",)"
                            R"("line":76,"sigHash":2178581208})");
}

TEST_F(VaOverflowTest, LongestTextIsReturned)
{
    const std::string longest(kVaMaxLength, 'y');
    EXPECT_EQ(std::string(va("%s", longest)), longest);
    EXPECT_EQ(ReadPickup(), "<no error-pickup file>");
}

using DebuggerBreakTest = diagtest::DiagnosticsTest;

TEST_F(DebuggerBreakTest, BreakpointComesBeforeTheRecord)
{
    corert::SetDebuggerPresent(true);
    EXPECT_EXIT(
        {
            wintest::ReportUnhandledException();
            ReportFatalError("code/client/test/Break", 3, 0x42, "stop here");
        },
        ExitedWithCode(ExitCodeOf(EXCEPTION_BREAKPOINT)), "breakpoint");
    EXPECT_EQ(ReadPickup(), "<no error-pickup file>");
}

// A debugger that resumes after the breakpoint instruction.
volatile bool g_breakpointTaken = false;

LONG CALLBACK ContinueAfterBreakpoint(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_BREAKPOINT)
        return EXCEPTION_CONTINUE_SEARCH;
    g_breakpointTaken = true;
    exception->ContextRecord->Rip = reinterpret_cast<DWORD64>(exception->ExceptionRecord->ExceptionAddress) + 1;
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST_F(DebuggerBreakTest, ResumedDebuggerGetsTheRecordWritten)
{
    corert::SetDebuggerPresent(true);
    EXPECT_EXIT(
        {
            AddVectoredExceptionHandler(1, ContinueAfterBreakpoint);
            const int result = ReportFatalError("code/client/test/Break", 3, 0x42, "stop here");
            fprintf(stderr, "breakpoint %s, returned %d\n", g_breakpointTaken ? "taken" : "missed", result);
            fflush(stderr);
            _exit(0);
        },
        ExitedWithCode(0), "breakpoint taken, returned -1");
    EXPECT_EQ(ReadPickup(), R"({"message":"stop here","file":"code/client/test/Break","line":3,"sigHash":66})");
}
}
