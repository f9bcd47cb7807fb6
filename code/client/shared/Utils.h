// Small helpers every component compiles in.
#pragma once

#include <string>
#include <string_view>

// UTF-16 to UTF-8, unchecked: a lead surrogate takes the next unit with it;
// one at the very end is dropped.
std::string ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16; every invalid sequence becomes U+FFFD.
std::u16string ToUtf16(std::string_view text);
