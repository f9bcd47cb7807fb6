// The Windows-rule command-line splitter and the pure level read from it,
// over any UTF-16 text. The input's bytes are the line's code units.
#include "FuzzCheck.h"

#include <LaunchEnvironment.h>
#include <Platform.h>
#include <WindowsCommandLine.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::u16string line(size / 2, u'\0');
    memcpy(line.data(), data, line.size() * sizeof(char16_t));

    // There is always a program path, and the arguments after it survive
    // being quoted and split again.
    const std::vector<std::u16string> arguments = platform::SplitCommandLine(line);
    FUZZ_CHECK(!arguments.empty());

    std::vector<std::u16string> requoted = arguments;
    requoted[0] = u"program";
    const std::vector<std::u16string> again = platform::SplitCommandLine(platform::JoinWindowsCommandLine(requoted));
    FUZZ_CHECK(again.size() == arguments.size());
    for (size_t i = 1; i < arguments.size(); ++i)
        FUZZ_CHECK(again[i] == arguments[i]);

    // Only an argument holding "pure_" sets a level.
    const int level = ParsePureLevel(line);
    bool mentionsPure = false;
    for (size_t i = 1; i < arguments.size(); ++i)
        mentionsPure = mentionsPure || arguments[i].find(u"pure_") != std::u16string::npos;
    if (!mentionsPure)
        FUZZ_CHECK(level == 0);
    return 0;
}
