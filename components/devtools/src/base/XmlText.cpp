#include "base/XmlText.h"

#include <cstdint>

namespace tceditor
{
namespace
{
// The length of the well-formed UTF-8 sequence that starts at `at`, with its
// code point; 0 when the bytes there are not one (a stray continuation byte,
// a cut sequence, an overlong form, a surrogate, a value past U+10FFFF).
size_t DecodeUtf8(std::string_view text, size_t at, uint32_t& codePoint)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    size_t length;
    uint32_t minimum;
    if (lead < 0x80)
    {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0)
    {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1F;
    }
    else if ((lead & 0xF0) == 0xE0)
    {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0F;
    }
    else if ((lead & 0xF8) == 0xF0)
    {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07;
    }
    else
        return 0;

    if (text.size() - at < length)
        return 0;
    for (size_t i = 1; i < length; ++i)
    {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || surrogate || codePoint > 0x10FFFF)
        return 0;
    return length;
}

// A character an attribute value carries unchanged through any XML reader.
bool IsCarried(uint32_t c)
{
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    return !control && c != 0xFFFE && c != 0xFFFF;
}

bool IsNameStart(uint32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(uint32_t c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

void AppendHexByte(std::string& out, uint8_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[value >> 4];
    out += kDigits[value & 0x0F];
}

std::string Escape(std::string_view name, bool escapeDashes)
{
    std::string out;
    out.reserve(name.size());
    for (size_t at = 0; at < name.size();)
    {
        uint32_t codePoint = 0;
        const size_t length = DecodeUtf8(name, at, codePoint);
        if (length == 0 || !IsCarried(codePoint) || (escapeDashes && codePoint == '-'))
        {
            // An undecodable byte goes alone, so the next one may start a
            // well-formed sequence.
            const size_t bytes = length == 0 ? 1 : length;
            for (size_t i = 0; i < bytes; ++i)
                AppendHexByte(out, static_cast<uint8_t>(name[at + i]));
            at += bytes;
            continue;
        }
        if (codePoint == '\\')
            out += '\\';
        out.append(name.substr(at, length));
        at += length;
    }
    return out;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
}

bool NameNeedsEscape(std::string_view name)
{
    for (size_t at = 0; at < name.size();)
    {
        uint32_t codePoint = 0;
        const size_t length = DecodeUtf8(name, at, codePoint);
        if (length == 0 || !IsCarried(codePoint))
            return true;
        at += length;
    }
    return false;
}

std::string EscapeName(std::string_view name)
{
    return Escape(name, false);
}

std::string DisplayName(std::string_view name)
{
    return NameNeedsEscape(name) ? EscapeName(name) : std::string(name);
}

std::optional<std::string> UnescapeName(std::string_view escaped)
{
    std::string out;
    out.reserve(escaped.size());
    for (size_t at = 0; at < escaped.size(); ++at)
    {
        if (escaped[at] != '\\')
        {
            out += escaped[at];
            continue;
        }
        const std::string_view rest = escaped.substr(at + 1);
        if (rest.starts_with('\\'))
        {
            out += '\\';
            at += 1;
            continue;
        }
        if (rest.size() < 3 || rest[0] != 'x' || HexValue(rest[1]) < 0 || HexValue(rest[2]) < 0)
            return std::nullopt;
        out += static_cast<char>(HexValue(rest[1]) * 16 + HexValue(rest[2]));
        at += 3;
    }
    return out;
}

bool IsXmlElementName(std::string_view name)
{
    if (name.empty())
        return false;
    for (size_t at = 0; at < name.size();)
    {
        uint32_t codePoint = 0;
        const size_t length = DecodeUtf8(name, at, codePoint);
        if (length == 0 || !(at == 0 ? IsNameStart(codePoint) : IsNameChar(codePoint)))
            return false;
        at += length;
    }
    return true;
}

std::string NameForComment(std::string_view name)
{
    const bool heldAsItIs = !NameNeedsEscape(name) && name.find("--") == std::string_view::npos && !name.ends_with('-');
    return heldAsItIs ? std::string(name) : Escape(name, true);
}
}
