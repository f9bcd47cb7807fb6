// A helper program of the launch tests, started beside the test and sharing
// its init-state blocks, that the test may kill at any moment, as a crash or
// the task manager ends a process of a launch.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class KillableProcess
{
public:
    struct Variable
    {
        std::string name;
        std::string value;
    };

    // Starts `program` with the arguments (the program's name comes first)
    // and this process's environment, in which the variables are set first.
    KillableProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                    const std::vector<Variable>& variables = {});
    // Kills the process unless it has been killed already.
    ~KillableProcess();
    KillableProcess(const KillableProcess&) = delete;
    KillableProcess& operator=(const KillableProcess&) = delete;

    bool Started() const;
    // Ends the process at once (SIGKILL, TerminateProcess) and waits until
    // it is gone.
    void Kill();
    // Waits until the process ends by itself; its exit code, -1 when it was
    // not started or did not exit.
    int Wait();

private:
    intptr_t m_process; // the process id on POSIX, its handle on Windows
};
