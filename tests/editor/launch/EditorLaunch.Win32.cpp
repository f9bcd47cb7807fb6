// The scenario programs started under Windows with the command line their
// argument list makes; they inherit this test's block-name prefix through
// the environment (ObjectIsolation.h).
#include "EditorLaunch.h"

#include "ObjectIsolation.h"
#include "Utils.h"
#include "WindowsCommandLine.h"
#include "WindowsTestSupport.h"

namespace
{
std::wstring Wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}
}

ScenarioRun RunScenario(const Launch& launch)
{
    std::vector<std::u16string> arguments;
    for (const std::string& argument : launch.argv)
        arguments.push_back(ToUtf16(argument));
    std::optional<std::wstring> sdkGuest;
    if (launch.sdkGuest)
        sdkGuest = Wide(ToUtf16(*launch.sdkGuest));

    TestObjectPrefix(); // set in the environment before the scenario starts
    const wintest::ProcessRun run =
        wintest::RunProcess(wintest::ProgramFolder() / (std::string(launch.program) + ".exe"),
                            Wide(platform::JoinWindowsCommandLine(arguments)),
                            {
                                { L"GTEST_FILTER", Wide(ToUtf16(launch.scenario)) },
                                { L"Tamberlin_SDK_Guest", sdkGuest },
                            });
    return { static_cast<int>(run.exitCode), run.output };
}
