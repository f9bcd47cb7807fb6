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
    const std::string name = "timecycleeditor";
    Printf("cmd", "'%s' twice\n", name);
    PrintWarning("cmd", "'%s' twice\n", name);
    Printf("cmd", "'%s' twice\n", name);
    SUCCEED();
}

using WithoutCoreRuntimeDeathTest = ::testing::Test;

TEST_F(WithoutCoreRuntimeDeathTest, PrivilegeCheckIsAnAssertionFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(seCheckPrivilege("builtin.setReplicated"),
                 "Assertion failure: func\nFile: code/client/lumen/se/Security, Line: 133");
}
}
