#include "KillableProcess.h"

#include "ObjectIsolation.h"
#include "Utils.h"
#include "WindowsCommandLine.h"

#include <windows.h>

KillableProcess::KillableProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments)
    : m_process(0)
{
    TestObjectPrefix(); // in the environment before the process starts

    std::vector<std::u16string> wideArguments;
    for (const std::string& argument : arguments)
        wideArguments.push_back(ToUtf16(argument));
    const std::u16string line = platform::JoinWindowsCommandLine(wideArguments);
    std::wstring commandLine(line.begin(), line.end());

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process))
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
