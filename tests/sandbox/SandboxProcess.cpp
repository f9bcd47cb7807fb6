#include "SandboxProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

std::vector<std::string> SandboxRun::Lines() const
{
    std::vector<std::string> lines;
    std::istringstream stream(output);
    std::string line;
    while (std::getline(stream, line))
        lines.push_back(line);
    return lines;
}

bool SandboxRun::HasLine(const std::string& wanted) const
{
    for (const std::string& line : Lines())
        if (line == wanted)
            return true;
    return false;
}

int SandboxRun::CountContaining(const std::string& text) const
{
    int count = 0;
    for (const std::string& line : Lines())
        count += line.find(text) != std::string::npos;
    return count;
}

SandboxRun RunSandbox(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
    std::vector<std::string> words = { SANDBOX_EXECUTABLE };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    std::vector<std::string> variables = environment;
    if (std::none_of(variables.begin(), variables.end(),
                     [](const std::string& variable) { return variable.starts_with("VESK_SANDBOX_ROOT="); }))
        variables.push_back("VESK_SANDBOX_ROOT=" + TestRoot());
    std::vector<char*> envp;
    for (char** variable = environ; *variable; ++variable)
        envp.push_back(*variable);
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    // One pipe per stream, read as the output arrives, so that `output`
    // keeps the order of the lines and `errors` has standard error alone.
    int outPipe[2];
    int errorPipe[2];
    if (pipe(outPipe) != 0 || pipe(errorPipe) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    for (int end : { outPipe[0], outPipe[1], errorPipe[0], errorPipe[1] })
        posix_spawn_file_actions_addclose(&actions, end);

    pid_t child = 0;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errorPipe[1]);
    if (error != 0)
    {
        close(outPipe[0]);
        close(errorPipe[0]);
        throw std::runtime_error(std::string("cannot start ") + SANDBOX_EXECUTABLE);
    }

    SandboxRun run;
    pollfd streams[] = { { outPipe[0], POLLIN, 0 }, { errorPipe[0], POLLIN, 0 } };
    int open = 2;
    while (open > 0 && poll(streams, 2, -1) > 0)
    {
        for (pollfd& stream : streams)
        {
            if (stream.fd < 0 || !(stream.revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[8192];
            const ssize_t length = read(stream.fd, buffer, sizeof(buffer));
            if (length <= 0)
            {
                close(stream.fd);
                stream.fd = -1;
                --open;
                continue;
            }
            run.output.append(buffer, size_t(length));
            if (&stream == &streams[1])
                run.errors.append(buffer, size_t(length));
        }
    }

    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        run.signal = WTERMSIG(status);
    return run;
}

namespace
{
// The temporary folder of this build's tests: two checkouts' suites running
// at once never share a test's files.
std::filesystem::path TempFolderOfThisBuild()
{
    char name[32];
    std::snprintf(name, sizeof name, "vesk-%08zx", std::hash<std::string>{}(SANDBOX_EXECUTABLE) & 0xffffffffu);
    return std::filesystem::path(testing::TempDir()) / name;
}
}

std::string TestRoot()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "-" + test->name();
    std::replace(name.begin(), name.end(), '/', '-');
    const std::filesystem::path root = TempFolderOfThisBuild() / ("sandbox-root-" + name);
    // Emptied at the first use in each test.
    static std::string lastTest;
    if (lastTest != name)
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        lastTest = name;
    }
    return root.string();
}

std::string TestFolder()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "-" + test->name();
    std::replace(name.begin(), name.end(), '/', '-');
    const std::filesystem::path folder = TempFolderOfThisBuild() / ("sandbox-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string WriteFile(const std::string& folder, const std::string& name, const std::string& text)
{
    const std::string path = folder + "/" + name;
    std::ofstream(path) << text;
    return path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

SandboxRun RunScript(const std::string& folder, const std::string& script, const std::vector<std::string>& launchWords)
{
    std::vector<std::string> arguments = { "--headless", "--script", WriteFile(folder, "script.txt", script) };
    arguments.insert(arguments.end(), launchWords.begin(), launchWords.end());
    return RunSandbox(arguments);
}
