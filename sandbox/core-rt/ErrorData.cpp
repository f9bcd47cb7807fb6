// The process's error record, shared by every module that reports fatal
// errors through the core runtime.
#include "CoreRTDiagnostics.h"
#include "ErrorData.h"

#include <atomic>

namespace
{
FatalState g_fatalState;
ErrorData g_errorData{ &g_fatalState };
std::atomic<bool> g_provided{ true };
}

extern "C" CORE_RT_API ErrorData* GetErrorData()
{
    return g_provided ? &g_errorData : nullptr;
}

ErrorData& corert::ErrorRecord()
{
    return g_errorData;
}

void corert::SetErrorDataProvided(bool provided)
{
    g_provided = provided;
}

void corert::ResetErrorRecord()
{
    g_fatalState = {};
    g_errorData = { &g_fatalState };
}

void corert::BeginErrorInRecord(const std::string& originalMessage)
{
    g_errorData.inError = true;
    g_errorData.originalMessage = originalMessage;
}

corert::ErrorRecordText corert::ReadErrorRecordText()
{
    return { g_errorData.inError, g_errorData.originalMessage, g_errorData.recursiveSeen,
             g_errorData.recursiveMessage };
}
