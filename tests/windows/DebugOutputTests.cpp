// Debugger output: Trace's text goes to OutputDebugStringA, or through the
// debug-print exception when the core runtime reports a debugger. A debugger takes that exception's text and lets the thread go
// on; without one, the guard hands the text to OutputDebugStringA instead.
#include "DiagnosticsSupport.h"
#include "WindowsTestSupport.h"

#include "CoreRTDiagnostics.h"
#include "Platform.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// The texts OutputDebugStringA raised on this thread while it lives.
class DebugOutputCapture
{
public:
    DebugOutputCapture()
    {
        s_texts.clear();
        m_handler = AddVectoredExceptionHandler(1, Collect);
    }
    ~DebugOutputCapture() { RemoveVectoredExceptionHandler(m_handler); }
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    const std::vector<std::string>& Texts() const { return s_texts; }

private:
    static LONG CALLBACK Collect(EXCEPTION_POINTERS* exception)
    {
        const EXCEPTION_RECORD* record = exception->ExceptionRecord;
        if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2)
        {
            const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
            s_texts.emplace_back(text, record->ExceptionInformation[0] - 1);
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }

    static inline std::vector<std::string> s_texts;
    void* m_handler;
};

TEST(PrintForDebugger, WithoutADebuggerTheTextGoesToOutputDebugStringOnce)
{
    static const char text[] = "to the debugger\n";
    DebugOutputCapture capture;
    platform::PrintForDebugger(text, sizeof(text) - 1, true);
    // Only the fallback's own raise comes this far: the guard took the
    // debug-print exception before any other handler.
    EXPECT_EQ(capture.Texts(), std::vector<std::string>{text});
}

using TraceOutputTest = diagtest::DiagnosticsTest;

TEST_F(TraceOutputTest, ReachesTheDebuggerOutputWithOrWithoutADebugger)
{
    for (bool debuggerPresent : {false, true})
    {
        corert::SetDebuggerPresent(debuggerPresent);
        DebugOutputCapture capture;
        Trace("devtools-vesk", "Test", "code/client/test/Trace", 1, "value %d\n", 5);
        EXPECT_EQ(capture.Texts(), std::vector<std::string>{"value 5\n"}) << "debugger " << debuggerPresent;
    }
}

// Runs the probe's debugger print under this process as its debugger and
// collects the debug strings it reports.
struct DebuggedRun
{
    std::vector<std::string> debugStrings;
    DWORD exitCode = 0;
};

DebuggedRun RunProbeUnderDebugger()
{
    DebuggedRun result;
    SetEnvironmentVariableW(L"VESK_PROBE_ACTION", L"debug-print");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"windows_probe";
    const std::wstring program = (wintest::ProgramFolder() / "windows_probe.exe").native();
    const BOOL started = wintest::StartProcess(program.c_str(), commandLine.data(), FALSE, DEBUG_ONLY_THIS_PROCESS,
                                               nullptr, startup, process);
    SetEnvironmentVariableW(L"VESK_PROBE_ACTION", nullptr);
    if (!started)
    {
        ADD_FAILURE() << "cannot start the probe: " << GetLastError();
        return result;
    }

    for (bool running = true; running;)
    {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, 30000))
        {
            ADD_FAILURE() << "no debug event within 30 s";
            TerminateProcess(process.hProcess, 1);
            break;
        }
        DWORD continueStatus = DBG_CONTINUE;
        switch (event.dwDebugEventCode)
        {
        case OUTPUT_DEBUG_STRING_EVENT:
        {
            const OUTPUT_DEBUG_STRING_INFO& info = event.u.DebugString;
            std::string text(info.nDebugStringLength, '\0');
            SIZE_T got = 0;
            ReadProcessMemory(process.hProcess, info.lpDebugStringData, text.data(), text.size(), &got);
            text.resize(strnlen(text.c_str(), got));
            result.debugStrings.push_back(text);
            break;
        }
        case EXCEPTION_DEBUG_EVENT:
            // The loader's breakpoint is the debugger's to take; anything else
            // is the program's.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                continueStatus = DBG_EXCEPTION_NOT_HANDLED;
            break;
        case CREATE_PROCESS_DEBUG_EVENT:
            CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            result.exitCode = event.u.ExitProcess.dwExitCode;
            running = false;
            break;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continueStatus);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

TEST(PrintForDebugger, AnAttachedDebuggerTakesTheTextAndTheThreadGoesOn)
{
    const DebuggedRun run = RunProbeUnderDebugger();
    EXPECT_EQ(run.exitCode, 0u);
    // Once, from the raise itself: the fallback did not run.
    EXPECT_EQ(run.debugStrings, std::vector<std::string>{"probe debug print\n"});
}
}
