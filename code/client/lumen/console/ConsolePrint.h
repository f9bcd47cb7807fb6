// Console output through the core runtime's print exports. Formats are
// printf-style; the arguments travel packed, so the core runtime formats.
#pragma once

#include <fmt/printf.h>

#include <string>
#include <string_view>

namespace internal
{
void Printfv(const std::string& channel, std::string_view format, fmt::printf_args arguments);
void PrintWarningv(const std::string& channel, std::string_view format, fmt::printf_args arguments);
}

template<typename... Args>
void Printf(const std::string& channel, std::string_view format, const Args&... arguments)
{
    internal::Printfv(channel, format, fmt::make_printf_args(arguments...));
}

template<typename... Args>
void PrintWarning(const std::string& channel, std::string_view format, const Args&... arguments)
{
    internal::PrintWarningv(channel, format, fmt::make_printf_args(arguments...));
}
