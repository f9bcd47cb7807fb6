#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace wintest
{
namespace
{
// This process's environment with the changes applied, as CreateProcessW
// takes it: sorted "name=value" strings, each NUL-terminated, and one more
// NUL at the end.
std::wstring ChildEnvironment(const std::vector<EnvironmentChange>& changes)
{
    // Names compare without case on Windows.
    auto lessIgnoringCase = [](const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; };
    std::map<std::wstring, std::wstring, decltype(lessIgnoringCase)> variables(lessIgnoringCase);

    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1)
    {
        // Entries like "=C:=C:\dir" keep their leading '='.
        const wchar_t* equals = wcschr(entry + 1, L'=');
        if (equals)
            variables[std::wstring(entry, equals)] = equals + 1;
    }
    FreeEnvironmentStringsW(block);

    for (const EnvironmentChange& change : changes)
    {
        if (change.value)
            variables[change.name] = *change.value;
        else
            variables.erase(change.name);
    }

    std::wstring environment;
    for (const auto& [name, value] : variables)
    {
        environment += name + L"=" + value;
        environment += L'\0';
    }
    environment += L'\0';
    return environment;
}

// Reads the pipe until the writer closes it.
DWORD WINAPI CollectOutput(void* parameter)
{
    auto* pipe = static_cast<std::pair<HANDLE, std::string>*>(parameter);
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe->first, chunk, sizeof(chunk), &got, nullptr) && got > 0)
        pipe->second.append(chunk, got);
    return 0;
}

const void* g_hook = nullptr;

void WriteError(const char* text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(strlen(text)), &written, nullptr);
}

const void* SlotValue(const uint8_t* slot)
{
    const void* value = nullptr;
    memcpy(&value, slot, sizeof(value));
    return value;
}

int32_t Displacement(const uint8_t* at)
{
    int32_t displacement = 0;
    memcpy(&displacement, at, sizeof(displacement));
    return displacement;
}

// Whether the instruction before `next` calls `hook`, in the forms the
// compiler emits: direct (E8 rel32); through an import slot (FF 15 rel32);
// through rax just loaded from such a slot (48 8B 05 rel32, FF D0); or
// through a register the calling convention preserves, which still holds
// the target when the exception comes ([41] FF D0+r).
bool FollowsCallOf(const uint8_t* next, const void* hook, const CONTEXT& context)
{
    if (next[-5] == 0xE8)
        return next + Displacement(next - 4) == hook;
    if (next[-6] == 0xFF && next[-5] == 0x15)
        return SlotValue(next + Displacement(next - 4)) == hook;
    if (next[-2] != 0xFF || (next[-1] & 0xF8) != 0xD0)
        return false;

    const int reg = (next[-1] & 7) + (next[-3] == 0x41 ? 8 : 0);
    if (reg == 0 && next[-9] == 0x48 && next[-8] == 0x8B && next[-7] == 0x05)
        return SlotValue(next - 2 + Displacement(next - 6)) == hook;
    const bool preserved = reg == 3 || reg == 5 || reg == 6 || reg == 7 || reg >= 12;
    const DWORD64* registers = &context.Rax; // Rax, Rcx, Rdx, Rbx, Rsp, Rbp, Rsi, Rdi, R8 ... R15
    return preserved && registers[reg] == reinterpret_cast<DWORD64>(hook);
}

LONG WINAPI DescribeUnhandledException(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    char text[128];
    switch (record->ExceptionCode)
    {
    case EXCEPTION_SINGLE_STEP:
        snprintf(text, sizeof(text), "%s\n",
                 FollowsCallOf(static_cast<const uint8_t*>(record->ExceptionAddress), g_hook,
                               *exception->ContextRecord)
                     ? "single step right after a call of the hook"
                     : "single step elsewhere");
        break;
    case EXCEPTION_ACCESS_VIOLATION:
        snprintf(text, sizeof(text), "%s access violation at 0x%016llx\n",
                 record->ExceptionInformation[0] == 1 ? "write" : "read",
                 static_cast<unsigned long long>(record->ExceptionInformation[1]));
        break;
    case EXCEPTION_BREAKPOINT:
        snprintf(text, sizeof(text), "breakpoint\n");
        break;
    default:
        snprintf(text, sizeof(text), "exception 0x%08lx\n", record->ExceptionCode);
        break;
    }
    WriteError(text);
    // The process ends with the exception's code; no debugger is started.
    return EXCEPTION_EXECUTE_HANDLER;
}
}

BOOL StartProcess(const wchar_t* program, wchar_t* commandLine, BOOL inheritHandles, DWORD flags, void* environment,
                  STARTUPINFOW& startup, PROCESS_INFORMATION& process)
{
    BOOL started = FALSE;
    for (int attempt = 0; attempt < 5; ++attempt)
    {
        started = CreateProcessW(program, commandLine, nullptr, nullptr, inheritHandles, flags, environment, nullptr,
                                 &startup, &process);
        if (started || GetLastError() != ERROR_INTERNAL_ERROR)
            break;
        Sleep(200);
    }
    return started;
}

ProcessRun RunProcess(const fs::path& program, const std::wstring& commandLine,
                      const std::vector<EnvironmentChange>& changes, DWORD timeoutMs)
{
    ProcessRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
    {
        ADD_FAILURE() << "CreatePipe failed: " << GetLastError();
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;

    std::wstring mutableCommandLine = commandLine;
    std::wstring environment = ChildEnvironment(changes);
    PROCESS_INFORMATION process{};
    const BOOL started = StartProcess(program.c_str(), mutableCommandLine.data(), TRUE, CREATE_UNICODE_ENVIRONMENT,
                                      environment.data(), startup, process);
    CloseHandle(writeEnd);
    if (!started)
    {
        ADD_FAILURE() << "cannot start " << program.string() << ": error " << GetLastError();
        CloseHandle(readEnd);
        return run;
    }

    std::pair<HANDLE, std::string> pipe{readEnd, {}};
    HANDLE reader = CreateThread(nullptr, 0, CollectOutput, &pipe, 0, nullptr);
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_TIMEOUT)
    {
        run.timedOut = true;
        TerminateProcess(process.hProcess, 0xDEAD);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    WaitForSingleObject(reader, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    run.output = std::move(pipe.second);

    CloseHandle(reader);
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::vector<std::string> OutputLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::optional<std::string> OutputValue(const std::string& output, const std::string& name)
{
    for (const std::string& line : OutputLines(output))
    {
        if (line.compare(0, name.size() + 1, name + "=") == 0)
            return line.substr(name.size() + 1);
    }
    return std::nullopt;
}

fs::path ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(std::wstring(path, length)).parent_path();
}

TemporaryFolder::TemporaryFolder()
{
    static int counter = 0;
    m_path = fs::temp_directory_path() /
             (L"vesk-windows-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::optional<std::string> ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void ReportUnhandledException(const void* hook)
{
    g_hook = hook;
    SetUnhandledExceptionFilter(DescribeUnhandledException);
    // Built by a compiler with structured exceptions, GoogleTest would catch
    // the exception itself around the test body and end the child with its
    // own exit code.
    GTEST_FLAG_SET(catch_exceptions, false);
}
}
