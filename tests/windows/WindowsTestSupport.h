// Helpers of the Windows tests: child processes started with an exact
// command line, temporary folders, files read back, and reports of the
// exception a death-test child dies of.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace wintest
{
struct ProcessRun
{
    DWORD exitCode = 0;
    bool timedOut = false;
    std::string output; // standard output and standard error together
};

// Sets a variable in the child's environment, or removes it (no value).
struct EnvironmentChange
{
    std::wstring name;
    std::optional<std::wstring> value;
};

// CreateProcessW without security attributes, folder or thread, tried again
// when Wine refuses the start with ERROR_INTERNAL_ERROR, as it now and then
// does while the machine is busy; a moment later the same start succeeds.
BOOL StartProcess(const wchar_t* program, wchar_t* commandLine, BOOL inheritHandles, DWORD flags, void* environment,
                  STARTUPINFOW& startup, PROCESS_INFORMATION& process);

// Starts `program` with exactly `commandLine` (the program's own name
// included) and this process's environment with `changes` applied. A child
// still running after `timeoutMs` is killed and reported as timed out.
ProcessRun RunProcess(const std::filesystem::path& program, const std::wstring& commandLine,
                      const std::vector<EnvironmentChange>& changes = {}, DWORD timeoutMs = 30000);

// The output's lines, without their line ends.
std::vector<std::string> OutputLines(const std::string& output);
// The value of the first line "name=value" of the output, or nullopt.
std::optional<std::string> OutputValue(const std::string& output, const std::string& name);

// The folder of the running test program, where every module of the build
// lies beside it.
std::filesystem::path ProgramFolder();

// A fresh folder under the temporary folder, removed with everything in it
// when this goes away.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The file's bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& path);

// The exit code of a process that died of an exception: its code.
constexpr int ExitCodeOf(DWORD exceptionCode)
{
    return static_cast<int>(exceptionCode);
}

// For a death-test child: when an exception goes unhandled, writes what it
// was to standard error and ends the process with the exception's code,
// without starting a debugger:
//   "single step right after a call of the hook" when a single-step
//   exception stopped at the instruction after a call of `hook` (direct, or
//   through an import slot holding it), else "single step elsewhere";
//   "write access violation at 0x<16 hex digits>";
//   "breakpoint";
//   "exception 0x<code>" for anything else.
void ReportUnhandledException(const void* hook = nullptr);
}
