// Trace: one message to the core runtime's trace, the debugger output and
// the asynchronous trace.
#include "DiagnosticsSupport.h"

#include "CoreRTDiagnostics.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using TraceTest = diagtest::DiagnosticsTest;

TEST_F(TraceTest, MessageReachesAllThreeOutputs)
{
    for (bool debuggerPresent : { false, true })
    {
        SCOPED_TRACE(debuggerPresent ? "debugger present" : "no debugger");
        corert::ClearTraces();
        corert::SetDebuggerPresent(debuggerPresent);
        const int queriesBefore = corert::DebuggerQueries();

        diagtest::StderrCapture capture;
        Trace("channel", "Function", "code/client/test/Trace", 12, "value %d of %s\n", 5, std::string("five"));

        const auto calls = corert::TraceCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].channel, "channel");
        EXPECT_EQ(calls[0].function, "Function");
        EXPECT_EQ(calls[0].file, "code/client/test/Trace");
        EXPECT_EQ(calls[0].line, 12);
        EXPECT_EQ(calls[0].message, "value 5 of five\n");
        EXPECT_EQ(capture.Text(), "value 5 of five\n");
        EXPECT_EQ(corert::DebuggerQueries(), queriesBefore + 1);
        EXPECT_EQ(corert::AsyncTraceMessages(), std::vector<std::string>{ "value 5 of five\n" });
    }
}

TEST_F(TraceTest, MalformedFormatSendsTheFormatErrorText)
{
    diagtest::StderrCapture capture;
    Trace("channel", "Function", "code/client/test/Trace", 1, "bad %q", 1);

    const std::string expected = "fmt::format_error while formatting bad %q: invalid type specifier\n";
    const auto calls = corert::TraceCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, expected);
    EXPECT_EQ(capture.Text(), expected);
    EXPECT_EQ(corert::AsyncTraceMessages(), std::vector<std::string>{ expected });
}
}
