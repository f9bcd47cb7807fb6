// The assertion hook: a failed assertion writes its record and stops with a
// single-step trap right after the call that failed.
#include "AssertionCases.h"
#include "DiagnosticsSupport.h"
#include "TrapReports.h"

#include "Assert.h"
#include "CoreRTControl.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <cassert>
#include <csignal>
#include <cstdlib>

using diagtest::AssertionRecord;
using diagtest::ReadPickup;

namespace
{
using AssertionTest = diagtest::DiagnosticsTest;

const void* AddressOf(void (*function)(const char16_t*, const char16_t*, unsigned))
{
    return reinterpret_cast<const void*>(function);
}

TEST_F(AssertionTest, FixedSiteWritesItsRecordAndTrapsAfterTheHookCall)
{
    const uint64_t neverRegistered = corert::TypeId("diagtest::NeverRegistered");

    EXPECT_EXIT(
        {
            diagtest::ReportTrapSite(AddressOf(&AssertionFailed));
            FindInstance(neverRegistered);
        },
        ::testing::KilledBySignal(SIGTRAP), "trap right after a call of the hook");

    EXPECT_EQ(ReadPickup(), AssertionRecord(diagtest::kMissingInstance));
}

TEST_F(AssertionTest, PlainAssertEndsInTheHook)
{
    EXPECT_EXIT(
        {
            diagtest::ReportTrapSite(reinterpret_cast<const void*>(&__assert_fail));
            diagtest::FailPlainAssert();
        },
        ::testing::KilledBySignal(SIGTRAP), "trap right after a call of the hook");

    EXPECT_EQ(ReadPickup(), AssertionRecord(diagtest::kPlainAssert));
}

// The frame around the assertion must come back intact.

TEST_F(AssertionTest, DebuggerThatContinuesResumesRightAfterTheAssertion)
{
    EXPECT_EXIT(
        {
            diagtest::ContinueAfterTrap(AddressOf(&AssertionFailed));
            diagtest::ContinueFromAssertion();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "trap right after a call of the hook\n(.|\n)*continued with 1234");

    EXPECT_EQ(ReadPickup(), AssertionRecord(diagtest::kContinuedAssertion));
}
}
