// The assertion hook: a failed assertion writes its record and stops with a
// single-step trap right after the call that failed.
#include "DiagnosticsSupport.h"
#include "TrapReports.h"

#include "Assert.h"
#include "CoreRTControl.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <cassert>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

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

    EXPECT_EQ(ReadPickup(), R"({"message":"Assertion failure: instance != nullptr\nFile: code/client/shared/Registry, )"
                            R"(Line: 145","file":"code/client/shared/Utils.Win32","line":99999,"sigHash":2511097818})");
}

volatile int g_value = 2;
constexpr int kPlainAssertLine = __LINE__ + 3;
void FailPlainAssert()
{
    assert(g_value == 3);
}

TEST_F(AssertionTest, PlainAssertEndsInTheHook)
{
    EXPECT_EXIT(
        {
            diagtest::ReportTrapSite(reinterpret_cast<const void*>(&__assert_fail));
            FailPlainAssert();
        },
        ::testing::KilledBySignal(SIGTRAP), "trap right after a call of the hook");

    EXPECT_EQ(ReadPickup(), std::string(R"({"message":"Assertion failure: g_value == 3\nFile: )") + __FILE__ +
                                ", Line: " + std::to_string(kPlainAssertLine) +
                                R"(","file":"code/client/shared/Utils.Win32","line":99999,"sigHash":2511097818})");
}

// The frame around the assertion must come back intact.
void ContinueFromAssertion()
{
    volatile int values[4] = { 1, 2, 3, 4 };
    FW_ASSERT_AT(values[0] == 0, "values[0] == 0", "code/client/test/Continue", 5);
    fprintf(stderr, "continued with %d%d%d%d\n", values[0], values[1], values[2], values[3]);
}

TEST_F(AssertionTest, DebuggerThatContinuesResumesRightAfterTheAssertion)
{
    EXPECT_EXIT(
        {
            diagtest::ContinueAfterTrap(AddressOf(&AssertionFailed));
            ContinueFromAssertion();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "trap right after a call of the hook\n(.|\n)*continued with 1234");

    EXPECT_EQ(ReadPickup(), R"({"message":"Assertion failure: values[0] == 0\nFile: code/client/test/Continue, )"
                            R"(Line: 5","file":"code/client/shared/Utils.Win32","line":99999,"sigHash":2511097818})");
}
}
