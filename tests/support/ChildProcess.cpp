#include "ChildProcess.h"

#include <algorithm>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
std::vector<std::string> ChildEnvironment(const std::vector<EnvironmentChange>& changes)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
    {
        const std::string variable = *entry;
        const std::string name = variable.substr(0, variable.find('='));
        const bool changed = std::any_of(changes.begin(), changes.end(),
                                         [&](const EnvironmentChange& change) { return change.name == name; });
        if (!changed)
            environment.push_back(variable);
    }
    for (const EnvironmentChange& change : changes)
    {
        if (change.value)
            environment.push_back(change.name + "=" + *change.value);
    }
    return environment;
}

std::vector<char*> PointerList(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}
}

ChildRun RunChild(const std::string& path, const std::vector<std::string>& arguments,
                  const std::vector<EnvironmentChange>& changes)
{
    std::vector<std::string> argumentCopies = arguments;
    std::vector<std::string> environment = ChildEnvironment(changes);
    std::vector<char*> argv = PointerList(argumentCopies);
    std::vector<char*> envp = PointerList(environment);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    pid_t child = 0;
    const int spawnError = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0)
    {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + path);
    }

    ChildRun run;
    char buffer[4096];
    ssize_t length = 0;
    while ((length = read(pipeEnds[0], buffer, sizeof(buffer))) > 0)
        run.output.append(buffer, static_cast<size_t>(length));
    close(pipeEnds[0]);

    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        run.signal = WTERMSIG(status);
    return run;
}

std::vector<std::string> OutputLines(const std::string& output)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < output.size())
    {
        size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        lines.push_back(output.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
