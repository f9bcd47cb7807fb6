// How a fatal error ends a POSIX process: exit code 1 when the record
// cannot be written, SIGTRAP at a debugger's breakpoint, SIGSEGV at 0xDEED
// after a va overflow. (tests/windows has the Windows endings.)
#include "DiagnosticsSupport.h"
#include "TrapReports.h"

#include "CoreRTDiagnostics.h"
#include "Error.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <unistd.h>

using diagtest::ReadPickup;

namespace
{
using FatalErrorTest = diagtest::DiagnosticsTest;

// The exit itself is tested on every platform (FatalErrorTests.cpp); here
// what a POSIX process shows: the error box's text on standard error, and
// nothing when standard error is closed.
TEST_F(FatalErrorTest, MissingPickupFolderShowsTheErrorOnStandardErrorWhenOpen)
{
    diagtest::RemovePickupFolder();

    EXPECT_EXIT(ReportFatalError("code/client/test/Exit", 9, 9, "cannot write %s", "this"),
                ::testing::ExitedWithCode(1), "Fatal Error: cannot write this");
    // Without standard error there is no one to tell.
    EXPECT_EXIT(
        {
            close(STDERR_FILENO);
            ReportFatalError("code/client/test/Exit", 9, 9, "unseen");
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_FALSE(std::filesystem::exists(diagtest::PickupPath().parent_path())) << "folders are never created";
}

TEST_F(FatalErrorTest, RecordThatCannotReachTheDiskEndsTheProcessWithExitCode1)
{
    // Opening succeeds, writing fails.
    std::filesystem::create_symlink("/dev/full", diagtest::PickupPath());

    EXPECT_EXIT(ReportFatalError("code/client/test/Exit", 9, 9, "disk full"), ::testing::ExitedWithCode(1),
                "Fatal Error: disk full");
}

TEST_F(FatalErrorTest, AttachedDebuggerBreaksBeforeTheRecordIsWritten)
{
    EXPECT_EXIT(
        {
            corert::SetDebuggerPresent(true);
            ReportFatalError("code/client/test/Debugger", 1, 1, "with debugger");
        },
        ::testing::KilledBySignal(SIGTRAP), "Error: with debugger");
    EXPECT_EQ(ReadPickup(), "<no error-pickup file>");
}

using VaOverflowTest = diagtest::DiagnosticsTest;

TEST_F(VaOverflowTest, OverlongTextIsFatalAndFaultsAtDeed)
{
    const std::string overlong(kVaMaxLength + 1, 'x');

    EXPECT_EXIT(
        {
            diagtest::ReportFaultAddress();
            va("%s", overlong);
        },
        ::testing::KilledBySignal(SIGSEGV), "fault at 0x000000000000deed");

    EXPECT_EQ(ReadPickup(), R"({"message":"Exceeded buffer length in va()!","file":"code/client/shared/Utils",)"
                            R"("line":76,"sigHash":2178581208})");
}
}
