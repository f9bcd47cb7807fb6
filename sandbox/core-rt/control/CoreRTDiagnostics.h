// What the sandbox and the tests can do with the stand-in's diagnostics: the
// process-wide error record, the debugger flag and game window it reports,
// and the trace calls it received.
#pragma once

#include "CoreRTExports.h"

#include <string>
#include <vector>

struct ErrorData;

namespace corert
{
// The record that "GetErrorData" hands out.
CORE_RT_API ErrorData& ErrorRecord();
// Whether "GetErrorData" returns the record (the default) or null.
CORE_RT_API void SetErrorDataProvided(bool provided);
// Clears the record and its latch, as in a fresh process.
CORE_RT_API void ResetErrorRecord();
// An error being handled, written into the record by the core runtime's own
// code, and the record's text fields read back by it: a module built apart
// from the core shares the record only if both lay it out alike.
CORE_RT_API void BeginErrorInRecord(const std::string& originalMessage);
struct ErrorRecordText
{
    bool inError = false;
    std::string originalMessage;
    bool recursiveSeen = false;
    std::string recursiveMessage;
};
CORE_RT_API ErrorRecordText ReadErrorRecordText();

// What "CoreIsDebuggerPresent" answers (false by default), and how often it
// was asked.
CORE_RT_API void SetDebuggerPresent(bool present);
CORE_RT_API int DebuggerQueries();

// What "CoreGetGameWindow" returns (null by default).
CORE_RT_API void SetGameWindow(void* window);
// Makes "CoreGetGameWindow" walk the caller's stack first and say on
// standard error whether a frame lies in [targetBegin, targetEnd); null
// turns it off (the default).
CORE_RT_API void SetStackWalkInGameWindow(const void* targetBegin, const void* targetEnd);

// One call of "CoreTrace".
struct TraceCall
{
    std::string channel;
    std::string function;
    std::string file;
    int line = 0;
    std::string message;
};

CORE_RT_API std::vector<TraceCall> TraceCalls();
// The messages of "AsyncTrace", in order.
CORE_RT_API std::vector<std::string> AsyncTraceMessages();
CORE_RT_API void ClearTraces();
}
