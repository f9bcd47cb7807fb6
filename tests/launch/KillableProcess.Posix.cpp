#include "KillableProcess.h"

#include "ShmIsolation.h"

#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

KillableProcess::KillableProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                 const std::vector<Variable>& variables)
    : m_process(-1)
{
    // The process shares this test's blocks through the name prefix.
    setenv(kShmPrefixVariable, TestShmPrefix().c_str(), 1);
    for (const Variable& variable : variables)
        setenv(variable.name.c_str(), variable.value.c_str(), 1);

    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0)
        m_process = child;
}

KillableProcess::~KillableProcess()
{
    Kill();
}

bool KillableProcess::Started() const
{
    return m_process > 0;
}

void KillableProcess::Kill()
{
    if (!Started())
        return;
    const pid_t child = static_cast<pid_t>(m_process);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    m_process = -1;
}

int KillableProcess::Wait()
{
    if (!Started())
        return -1;
    int status = 0;
    waitpid(static_cast<pid_t>(m_process), &status, 0);
    m_process = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
