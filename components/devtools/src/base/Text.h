// The editor's text helpers: its text fields, fixed 128-byte buffers, and
// the search's comparison that ignores letter case.
#pragma once

#include <Utils.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace tceditor
{
constexpr size_t kTextBufferSize = 128;

// Copies text into a field with its terminating NUL. Text that does not fit
// is cut at the last whole UTF-8 character that does; returns whether the
// whole text went in.
inline bool CopyToTextBuffer(char (&buffer)[kTextBufferSize], std::string_view text)
{
    const size_t length = Utf8CutLength(text, kTextBufferSize - 1);
    memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length == text.size();
}

inline void ClearTextBuffer(char (&buffer)[kTextBufferSize])
{
    memset(buffer, 0, sizeof(buffer));
}

// The first place in `text` where `query` appears, comparing letters through
// the global locale's toupper; null when there is none, when the query is
// empty, or when either is null.
const char* ContainsIgnoreCase(const char* text, const char* query);
}
