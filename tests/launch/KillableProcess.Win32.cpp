#include "KillableProcess.h"

#include "ObjectIsolation.h"
#include "Utils.h"
#include "WindowsCommandLine.h"
#include "WindowsTestSupport.h"

#include <windows.h>

KillableProcess::KillableProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                 const std::vector<Variable>& variables)
    : m_process(0)
{
    TestObjectPrefix(); // in the environment before the process starts
    for (const Variable& variable : variables)
    {
        const std::u16string name = ToUtf16(variable.name);
        const std::u16string value = ToUtf16(variable.value);
        SetEnvironmentVariableW(std::wstring(name.begin(), name.end()).c_str(),
                                std::wstring(value.begin(), value.end()).c_str());
    }

    std::vector<std::u16string> wideArguments;
    for (const std::string& argument : arguments)
        wideArguments.push_back(ToUtf16(argument));
    const std::u16string line = platform::JoinWindowsCommandLine(wideArguments);
    std::wstring commandLine(line.begin(), line.end());

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (wintest::StartProcess(program.c_str(), commandLine.data(), FALSE, 0, nullptr, startup, process))
    {
        CloseHandle(process.hThread);
        m_process = reinterpret_cast<intptr_t>(process.hProcess);
    }
}

KillableProcess::~KillableProcess()
{
    Kill();
}

bool KillableProcess::Started() const
{
    return m_process != 0;
}

void KillableProcess::Kill()
{
    if (!Started())
        return;
    HANDLE process = reinterpret_cast<HANDLE>(m_process);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
    m_process = 0;
}

int KillableProcess::Wait()
{
    if (!Started())
        return -1;
    HANDLE process = reinterpret_cast<HANDLE>(m_process);
    WaitForSingleObject(process, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    CloseHandle(process);
    m_process = 0;
    return static_cast<int>(exitCode);
}
