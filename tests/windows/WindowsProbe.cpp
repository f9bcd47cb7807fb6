// A process of a launch for the Windows tests. VESK_PROBE_ACTION says what it
// does, so that its command line is free to be the subject of a test; it
// reports on standard output, one "name=value" line per fact.
//   launch         the pure level, the launch mode and the arguments the
//                  client splits from its command line
//   block          the init-state block as this process finds it, then it
//                  writes reserved8 = 0x5EED for the parent to see
//   install-root   ResolveInstallRoot
//   error-box      CanShowErrorBox
//   fatal-error    a fatal error; "returned" only if the report returned
//   debug-print    the debugger print, as for an attached debugger, then
//                  "continued"
#include "Error.h"
#include "LaunchEnvironment.h"
#include "Platform.h"
#include "Utils.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
void Report(const char* name, const std::string& value)
{
    printf("%s=%s\n", name, value.c_str());
}

void ReportLaunch()
{
    Report("pure", std::to_string(GetPureLevel()));
    Report("mosk", IsMoskLaunch() ? "1" : "0");
    Report("key", GetLaunchModeKey());
    for (const std::u16string& argument : platform::SplitCommandLine(platform::GetProcessCommandLine()))
        Report("arg", ToUtf8(argument));
}

void ReportBlock()
{
    InitStateView block = OpenInitState("KelInitState");
    const KelInitState fresh = FreshInitState();
    Report("fallback", block.IsFallback() ? "1" : "0");
    Report("fresh", memcmp(block.Get(), &fresh, sizeof(fresh)) == 0 ? "1" : "0");
    Report("reserved8", std::to_string(block->reserved8));
    Report("reserved12", std::to_string(block->reserved12));
    Report("reserved17", std::to_string(block->reserved17));
    Report("createAppFolder", std::to_string(block->createAppFolder));
    Report("rootPath", ToUtf8(BlockText(block->rootPath)));
    Report("commandLine", ToUtf8(BlockText(block->commandLine)));
    Report("pure", std::to_string(GetPureLevel()));
    block->reserved8 = 0x5EED;
}
}

int main()
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    const char* action = getenv("VESK_PROBE_ACTION");
    const std::string what = action ? action : "";

    if (what == "launch")
        ReportLaunch();
    else if (what == "block")
        ReportBlock();
    else if (what == "install-root")
        Report("root", ToUtf8(ResolveInstallRoot()));
    else if (what == "error-box")
        Report("canShow", CanShowErrorBox() ? "1" : "0");
    else if (what == "fatal-error")
        Report("returned", std::to_string(ReportFatalError("code/client/test/Probe", 7, 0x1234, "probe %s", "failed")));
    else if (what == "debug-print")
    {
        static const char text[] = "probe debug print\n";
        platform::PrintForDebugger(text, sizeof(text) - 1, true);
        Report("continued", "1");
    }
    else
    {
        fprintf(stderr, "unknown VESK_PROBE_ACTION \"%s\"\n", what.c_str());
        return 2;
    }
    return 0;
}
