// Small helpers every component compiles in: printf-style formatting (va),
// trace output and the UTF-8 / UTF-16 conversions.
// Formatting is fmt's printf with typed arguments; its errors never escape.
#pragma once

#include <fmt/printf.h>

#include <cstddef>
#include <string>
#include <string_view>

// Formats printf-style. A bad format gives the text
// "fmt::format_error while formatting <format>: <error>\n" instead.
std::string FormatPrintf(const char* format, fmt::printf_args args);

// Longest text va returns; one more character is a fatal error.
constexpr size_t kVaMaxLength = 32767;

// va with packed arguments.
const char* vva(const char* format, fmt::printf_args args);

// Formats into this thread's ring of eight buffers. The text stays valid
// until the same thread has made eight more va calls. A text longer than
// kVaMaxLength is a fatal error that stops the process.
template<typename... Args>
const char* va(const char* format, const Args&... args)
{
    return vva(format, fmt::make_printf_args(args...));
}

// Trace with packed arguments.
void TraceV(const char* channel, const char* function, const char* file, int line, const char* format,
            fmt::printf_args args);

// Sends one message to the core runtime's trace, the debugger output and the
// host's asynchronous trace; a missing output is skipped.
template<typename... Args>
void Trace(const char* channel, const char* function, const char* file, int line, const char* format,
           const Args&... args)
{
    TraceV(channel, function, file, line, format, fmt::make_printf_args(args...));
}

// UTF-16 to UTF-8, unchecked: a lead surrogate takes the next unit with it;
// one at the very end is dropped.
std::string ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16; every invalid sequence becomes U+FFFD.
std::u16string ToUtf16(std::string_view text);
// How many bytes of `text` to keep so that at most `limit` are kept and a
// UTF-8 character is never cut: steps back over at most three continuation
// bytes, so text that is not UTF-8 is cut at the limit, not emptied.
size_t Utf8CutLength(std::string_view text, size_t limit);
