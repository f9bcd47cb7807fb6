// Text handed to and taken from Windows' wide calls, for the platform layer's
// Windows files: UTF-16 in wchar_t there, in char16_t in the client.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform
{
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWide(const wchar_t* text)
{
    return reinterpret_cast<const char16_t*>(text);
}

inline std::u16string FromWide(const wchar_t* text, size_t length)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// A text of a Windows call, NUL-terminated.
inline std::u16string Terminated(std::u16string_view text)
{
    return std::u16string(text);
}
}
