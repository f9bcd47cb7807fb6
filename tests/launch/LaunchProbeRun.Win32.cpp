// The launch tests' processes on Windows: the probe started with the command
// line its argument list makes, beside this program; it inherits this test's
// block-name prefix through the environment (ObjectIsolation.h).
#include "LaunchTestSupport.h"

#include "ObjectIsolation.h"
#include "Utils.h"
#include "WindowsCommandLine.h"
#include "WindowsTestSupport.h"

unsigned long CurrentProcessId()
{
    return GetCurrentProcessId();
}

std::filesystem::path LaunchProbePath()
{
    return wintest::ProgramFolder() / "launch_probe.exe";
}

namespace
{
std::wstring Wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}
}

ProbeResult RunProbe(const ProbeLaunch& launch, const std::filesystem::path& program)
{
    std::string steps;
    for (const std::string& step : launch.steps)
        steps += step + "\n";
    std::vector<std::u16string> arguments;
    for (const std::string& argument : launch.argv)
        arguments.push_back(ToUtf16(argument));

    std::optional<std::wstring> sdkGuest;
    if (launch.sdkGuest)
        sdkGuest = Wide(ToUtf16(*launch.sdkGuest));
    TestObjectPrefix(); // set in the environment before the probe starts
    const wintest::ProcessRun run = wintest::RunProcess(program, Wide(platform::JoinWindowsCommandLine(arguments)),
                                                        {
                                                            {L"LAUNCH_PROBE_STEPS", Wide(ToUtf16(steps))},
                                                            {L"Tamberlin_SDK_Guest", sdkGuest},
                                                        });
    return {static_cast<int>(run.exitCode), 0, wintest::OutputLines(run.output)};
}

bool StoppedAtAssertion(const ProbeResult& result)
{
    return static_cast<DWORD>(result.exitCode) == EXCEPTION_SINGLE_STEP;
}
