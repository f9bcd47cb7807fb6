// The asynchronous trace goes to the main executable first: this executable
// exports its own "AsyncTrace", so the core runtime's must stay unused. It
// also lets a trace output fail while an error is being reported.
#include "CoreRTDiagnostics.h"
#include "DiagnosticsSupport.h"
#include "Error.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_mainMessages;
// Set by a test: the next trace output fails with a fatal error of its own.
bool g_failNextTrace = false;
}

// Exported by the program (ENABLE_EXPORTS on Linux, MainAsyncTrace.def on
// Windows).
extern "C" void AsyncTrace(const char* message)
{
    g_mainMessages.emplace_back(message);
    if (g_failNextTrace)
    {
        g_failNextTrace = false;
        ReportFatalError("code/client/test/TraceOutput", 9, 0x99, "trace output failed");
    }
}

namespace
{
TEST(MainAsyncTraceTest, MainExecutableTakesTheAsyncTrace)
{
    corert::ClearTraces();
    Trace("channel", "Function", "code/client/test/Trace", 1, "to the game %d\n", 1);
    Trace("channel", "Function", "code/client/test/Trace", 2, "to the game %d\n", 2);

    EXPECT_EQ(g_mainMessages, (std::vector<std::string>{ "to the game 1\n", "to the game 2\n" }));
    EXPECT_TRUE(corert::AsyncTraceMessages().empty());
    EXPECT_EQ(corert::TraceCalls().size(), 2u);
}

using NestedErrorTest = diagtest::DiagnosticsTest;

TEST_F(NestedErrorTest, ErrorDuringAReportLeavesTheOuterRecordItsOwnPlace)
{
    g_failNextTrace = true;
    EXPECT_EQ(ReportFatalError("code/client/test/Outer", 7, 0x77, "outer failure"), -1);

    // The trace's own error came first and was written first; the outer
    // report then wrote the recursive record under its own file and line.
    EXPECT_EQ(diagtest::ReadPickup(),
              R"({"message":"Recursive error: outer failure\nOriginal error: trace output failed",)"
              R"("file":"code/client/test/Outer","line":7,"sigHash":119})");
    EXPECT_TRUE(GetErrorContext().file.empty());
}
}
