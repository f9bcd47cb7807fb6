#include "Utils.h"

#include <iterator>
#include <utf8.h>
#include <utf8/unchecked.h>

size_t Utf8CutLength(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    size_t length = limit;
    for (int stepped = 0; stepped < 3 && length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80;
         ++stepped)
        --length;
    return length;
}

std::string ToUtf8(std::u16string_view text)
{
    std::string result;
    if (text.size() > 15)
        result.reserve(text.size());

    // utf8-cpp's unchecked conversion, walked here so that a lead surrogate
    // at the very end is dropped instead of pairing with whatever follows.
    auto out = std::back_inserter(result);
    for (size_t i = 0; i < text.size(); ++i)
    {
        uint32_t codePoint = text[i];
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF)
        {
            if (i + 1 == text.size())
                break;
            const uint32_t trail = text[++i];
            codePoint = (codePoint << 10) + trail + utf8::internal::SURROGATE_OFFSET;
        }
        out = utf8::unchecked::append(codePoint, out);
    }
    return result;
}

std::u16string ToUtf16(std::string_view text)
{
    static constexpr char32_t kReplacement = 0xFFFD;

    std::u16string result;
    try
    {
        std::string valid;
        utf8::replace_invalid(text.begin(), text.end(), std::back_inserter(valid), kReplacement);
        utf8::utf8to16(valid.begin(), valid.end(), std::back_inserter(result));
    }
    catch (...)
    {
        // The library's errors never leave the conversion: return the part
        // that was converted.
    }
    return result;
}
