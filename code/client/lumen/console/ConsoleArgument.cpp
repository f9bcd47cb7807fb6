#include "ConsoleArgument.h"

#include "Platform.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace
{
// Compares as _stricmp does: byte by byte after tolower, up to the first NUL.
bool EqualsIgnoreCase(const char* left, const char* right)
{
    for (;; ++left, ++right)
    {
        const int a = std::tolower(static_cast<unsigned char>(*left));
        const int b = std::tolower(static_cast<unsigned char>(*right));
        if (a != b)
            return false;
        if (a == 0)
            return true;
    }
}
}

bool ParseBool(const std::string& text, bool& value)
{
    const char* begin = text.c_str();
    if (EqualsIgnoreCase(begin, "TRUE"))
    {
        value = true;
        return true;
    }
    if (EqualsIgnoreCase(begin, "FALSE"))
    {
        value = false;
        return true;
    }

    // Read as stoull would (white space, a sign, decimal digits), but report
    // text without digits and numbers beyond 64 bits as false instead of
    // throwing.
    char* end = nullptr;
    errno = 0;
    const unsigned long long number = std::strtoull(begin, &end, 10);
    const bool readNumber = end != begin && errno != ERANGE;
    value = readNumber && number != 0;
    return true;
}

std::string BoolToString(bool value)
{
    return value ? "true" : "false";
}

namespace internal
{
std::string TypeName(const std::type_info& type)
{
    return platform::ReadableTypeName(type);
}
}
