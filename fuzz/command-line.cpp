// The Windows-rule command-line splitter and the pure level read from it,
// over any UTF-16 text. The input's bytes are the line's code units.
#include "FuzzCheck.h"

#include <LaunchEnvironment.h>
#include <Platform.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
// Quotes an argument the way programs build Windows command lines:
// backslashes double only before a quote, quotes are escaped.
void AppendQuoted(std::u16string& line, const std::u16string& argument)
{
    line += u" \"";
    size_t backslashes = 0;
    for (char16_t c : argument)
    {
        if (c == u'\\')
        {
            ++backslashes;
            continue;
        }
        line.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, u'\\');
    line += u'"';
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::u16string line(size / 2, u'\0');
    memcpy(line.data(), data, line.size() * sizeof(char16_t));

    // There is always a program path, and the arguments after it survive
    // being quoted and split again.
    const std::vector<std::u16string> arguments = platform::SplitCommandLine(line);
    FUZZ_CHECK(!arguments.empty());

    std::u16string requoted = u"program";
    for (size_t i = 1; i < arguments.size(); ++i)
        AppendQuoted(requoted, arguments[i]);
    const std::vector<std::u16string> again = platform::SplitCommandLine(requoted);
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
