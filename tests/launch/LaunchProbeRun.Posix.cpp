// The launch tests' processes on POSIX: the probe started with an exact argv,
// sharing this test's init-state blocks through the name prefix.
#include "LaunchTestSupport.h"

#include "ChildProcess.h"
#include "ShmIsolation.h"

#include <csignal>
#include <unistd.h>

unsigned long CurrentProcessId()
{
    return static_cast<unsigned long>(getpid());
}

std::filesystem::path LaunchProbePath()
{
    return LAUNCH_PROBE;
}

ProbeResult RunProbe(const ProbeLaunch& launch, const std::filesystem::path& program)
{
    std::string steps;
    for (const std::string& step : launch.steps)
        steps += step + "\n";

    const ChildRun run = RunChild(program.string(), launch.argv,
                                  {
                                      {"LAUNCH_PROBE_STEPS", steps},
                                      {kShmPrefixVariable, TestShmPrefix()},
                                      {"Tamberlin_SDK_Guest", launch.sdkGuest},
                                  });
    return {run.exitCode, run.signal, OutputLines(run.output)};
}

bool StoppedAtAssertion(const ProbeResult& result)
{
    return result.signal == SIGTRAP;
}
