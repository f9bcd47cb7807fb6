// The assertion hook. The full report through the fatal-error path comes with
// the diagnostics; until then a failed assertion prints and ends the process.
#include "Assert.h"
#include "Platform.h"
#include "Utils.h"

#include <string>

void AssertionFailed(const char16_t* expression, const char16_t* file, unsigned line)
{
    const std::string message = "Assertion failure: " + ToUtf8(expression) + "\nFile: " + ToUtf8(file) +
                                ", Line: " + std::to_string(line) + "\n";
    platform::DebugOutput(message.c_str());
    platform::ExitProcess(1);
}
