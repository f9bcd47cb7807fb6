#include "documents/DocumentOutline.h"

#include <string>

namespace tceditor
{
namespace
{
enum class Markup
{
    StartTag,
    EmptyTag,
    EndTag,
    Other,  // comment, CDATA section, declaration, <!...>
    Unended,
};

// Moves `at` past the end marker found from `from`; false when there is none.
bool SkipPast(std::string_view text, size_t from, std::string_view marker, size_t& at)
{
    const size_t found = text.find(marker, from);
    if (found == std::string_view::npos)
        return false;
    at = found + marker.size();
    return true;
}

// The markup starting at text[at] == '<', with `at` moved past it. The
// markers are the parser's: a comment ends at the first "-->", a <!...> at
// the first '>', and a tag at the first '>' outside a quoted value.
Markup SkipMarkup(std::string_view text, size_t& at)
{
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("<!--"))
        return SkipPast(text, at + 4, "-->", at) ? Markup::Other : Markup::Unended;
    if (rest.starts_with("<![CDATA["))
        return SkipPast(text, at + 9, "]]>", at) ? Markup::Other : Markup::Unended;
    if (rest.starts_with("<?"))
        return SkipPast(text, at + 2, "?>", at) ? Markup::Other : Markup::Unended;
    if (rest.starts_with("<!"))
        return SkipPast(text, at + 2, ">", at) ? Markup::Other : Markup::Unended;
    if (rest.starts_with("</"))
        return SkipPast(text, at + 2, ">", at) ? Markup::EndTag : Markup::Unended;

    for (size_t found = at + 1;; ++found)
    {
        // By hand: most of a document's bytes are in its tags.
        while (found < text.size() && text[found] != '>' && text[found] != '"' && text[found] != '\'')
            ++found;
        if (found == text.size())
            return Markup::Unended;
        if (text[found] != '>')
        {
            const size_t close = text.find(text[found], found + 1);
            if (close == std::string_view::npos)
                return Markup::Unended;
            found = close;
            continue;
        }
        const bool empty = text[found - 1] == '/';
        at = found + 1;
        return empty ? Markup::EmptyTag : Markup::StartTag;
    }
}

bool IsTagNameOf(std::string_view text, size_t tag, std::string_view name)
{
    if (text.substr(tag + 1, name.size()) != name || tag + 1 + name.size() >= text.size())
        return false;
    const char after = text[tag + 1 + name.size()];
    return after == ' ' || after == '\t' || after == '\r' || after == '\n' || after == '/' || after == '>';
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
}

std::optional<DocumentOutline> OutlineDocument(std::string_view text, std::string_view rootName,
                                               std::string_view childName, size_t partBytes)
{
    DocumentOutline outline;
    size_t at = 0;
    for (;;)
    {
        at = text.find('<', at);
        if (at == std::string_view::npos)
            return std::nullopt;
        const size_t tag = at;
        const Markup markup = SkipMarkup(text, at);
        if (markup == Markup::Other)
            continue;
        if ((markup != Markup::StartTag && markup != Markup::EmptyTag) || !IsTagNameOf(text, tag, rootName))
            return std::nullopt;
        outline.contentBegin = outline.contentEnd = at;
        if (markup == Markup::EmptyTag)
            return outline;
        break;
    }

    std::string_view rest = text.substr(at);
    while (!rest.empty() && IsWhiteSpace(rest.back()))
        rest.remove_suffix(1);
    const std::string endTag = "</" + std::string(rootName) + ">";
    if (!rest.ends_with(endTag))
        return std::nullopt;
    outline.contentEnd = at + rest.size() - endTag.size();

    const std::string cutAfter = "</" + std::string(childName) + ">";
    for (size_t begin = outline.contentBegin; begin < outline.contentEnd;)
    {
        size_t end = outline.contentEnd;
        if (partBytes < outline.contentEnd - begin)
        {
            const size_t from = begin + (partBytes > cutAfter.size() ? partBytes - cutAfter.size() : 0);
            const size_t cut = text.find(cutAfter, from);
            if (cut != std::string_view::npos && cut + cutAfter.size() <= outline.contentEnd)
                end = cut + cutAfter.size();
        }
        outline.parts.push_back({ begin, end });
        begin = end;
    }
    return outline;
}
}
