// Where the root element of an XML document lies and where its content may
// be cut into parts, found without parsing it, so that a large document can
// be parsed part by part. The text before the root is followed markup by
// markup (comments, declarations, <!...>) up to the root's start tag; the
// content is taken to end at the root's end tag that closes the text; a cut
// falls right after an end tag of the given child name. None of it is
// judged here: a cut that falls anywhere but between two children of the
// root leaves a part that does not parse alone between the root's tags, and
// the parser, over each part and over the text around the content, says
// whether the outline holds.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tceditor
{
struct DocumentOutline
{
    // The root's content, [contentBegin, contentEnd) of the text; empty for
    // a root written as one empty tag.
    size_t contentBegin = 0;
    size_t contentEnd = 0;

    struct Part
    {
        size_t begin = 0;
        size_t end = 0;
    };
    // The content in order and without gaps, in parts of at least
    // `partBytes` each but the last.
    std::vector<Part> parts;
};

// The outline of `text` whose first element is `rootName`, cut after
// "</childName>"; none when the first element has another name, the text
// does not end with the root's end tag (white space aside), or the markup
// before the root cannot be followed.
std::optional<DocumentOutline> OutlineDocument(std::string_view text, std::string_view rootName,
                                               std::string_view childName, size_t partBytes);
}
