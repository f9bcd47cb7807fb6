// Lines typed at the stand-in console, with the editor's variable declared
// the way the editor declares it, so that its two commands and "set" take
// the arguments. Each input line is one typed line.
#include "FuzzCheck.h"

#include <ConVar.h>
#include <ConsoleArgument.h>
#include <CoreRTConsole.h>

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    bool isOpen = true;
    {
        ConVar<bool> variable("timecycleeditor", 0x21, false, &isOpen);
        FUZZ_CHECK(!isOpen);

        std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
        std::string line;
        while (std::getline(lines, line))
        {
            corert::CommandManager().Invoke(line);
            // Whatever was typed, the variable and the flag it tracks agree.
            FUZZ_CHECK(variable.GetEntry()->GetValue() == BoolToString(isOpen));
        }
    }
    corert::ClearConsoleMessages();
    return 0;
}
