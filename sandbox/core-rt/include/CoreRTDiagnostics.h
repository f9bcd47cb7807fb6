// What the sandbox and the tests can do with the stand-in's diagnostics: the
// process-wide error record, the debugger flag and game window it reports,
// and the trace calls it received.
#pragma once

#include <string>
#include <vector>

struct ErrorData;

namespace corert
{
// The record that "GetErrorData" hands out.
ErrorData& ErrorRecord();
// Whether "GetErrorData" returns the record (the default) or null.
void SetErrorDataProvided(bool provided);
// Clears the record and its latch, as in a fresh process.
void ResetErrorRecord();

// What "CoreIsDebuggerPresent" answers (false by default), and how often it
// was asked.
void SetDebuggerPresent(bool present);
int DebuggerQueries();

// What "CoreGetGameWindow" returns (null by default).
void SetGameWindow(void* window);

// One call of "CoreTrace".
struct TraceCall
{
    std::string channel;
    std::string function;
    std::string file;
    int line = 0;
    std::string message;
};

std::vector<TraceCall> TraceCalls();
// The messages of "AsyncTrace", in order.
std::vector<std::string> AsyncTraceMessages();
void ClearTraces();
}
