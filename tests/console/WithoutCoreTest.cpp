// The console code in a process without the core runtime: printing drops its
// messages, and a privilege check cannot be made at all.
#include "ConsolePrint.h"
#include "Security.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(WithoutCoreRuntime, PrintsAreDroppedQuietly)
{
    // Each print looks for the export again, and each finds none: nothing
    // reaches standard output or standard error (where the Windows tests
    // show debugger output too), and the process goes on.
    const std::string name = "timecycleeditor";
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    Printf("cmd", "'%s' twice\n", name);
    PrintWarning("cmd", "'%s' twice\n", name);
    Printf("cmd", "'%s' twice\n", name);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(output, "");
    EXPECT_EQ(errors, "");
}

using WithoutCoreRuntimeDeathTest = ::testing::Test;

TEST_F(WithoutCoreRuntimeDeathTest, PrivilegeCheckIsAnAssertionFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(seCheckPrivilege("builtin.setReplicated"),
                 "Assertion failure: func\nFile: code/client/lumen/se/Security, Line: 133");
}
}
