// Shared inside the stand-in console: how it compares names and writes its
// output.
#pragma once

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corert
{
// Console names (commands, variables) compare ignoring letter case, byte by
// byte; any bytes are allowed.
inline int CompareIgnoreCase(std::string_view left, std::string_view right)
{
    const size_t common = std::min(left.size(), right.size());
    for (size_t i = 0; i < common; ++i)
    {
        const int a = std::tolower(static_cast<unsigned char>(left[i]));
        const int b = std::tolower(static_cast<unsigned char>(right[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return left.size() == right.size() ? 0 : (left.size() < right.size() ? -1 : 1);
}

struct IgnoreCaseLess
{
    bool operator()(std::string_view left, std::string_view right) const { return CompareIgnoreCase(left, right) < 0; }
};

// A command of the core runtime itself: it gets the typed arguments as they
// are.
using BuiltinCommand = std::function<void(const std::vector<std::string>& arguments)>;
void RegisterBuiltinCommand(const std::string& name, size_t argumentCount, BuiltinCommand command);

// Keeps the text as one console message and writes it to standard output
// (a warning to standard error).
void WriteConsole(const std::string& channel, const std::string& text, bool warning);
}
