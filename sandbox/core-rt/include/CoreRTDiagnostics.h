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
// An error being handled, written into the record by the core runtime's own
// code, and the record's text fields read back by it: a module built apart
// from the core shares the record only if both lay it out alike.
void BeginErrorInRecord(const std::string& originalMessage);
struct ErrorRecordText
{
    bool inError = false;
    std::string originalMessage;
    bool recursiveSeen = false;
    std::string recursiveMessage;
};
ErrorRecordText ReadErrorRecordText();

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
