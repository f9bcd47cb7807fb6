// Where the root element of an XML document and the parts of its content lie,
// found by following the markup alone (tags, comments, CDATA, declarations,
// quoted attribute values), without building a tree. A large document can
// then be parsed part by part: the content is cut only right after an element
// that is a child of the root ends, so every part is a run of whole children.
// The outline judges nothing: whether the text is well-formed is for the
// parser to say over the parts and over the text around them.
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
        // The line feeds before the part: its first line is the text's
        // line linesBefore + 1.
        int linesBefore = 0;
    };
    // The content cut into parts of at least `partBytes` each (the last may
    // be shorter), in order and without gaps.
    std::vector<Part> parts;
};

// The outline of `text` whose first element is `rootName`; none when the
// first element has another name, or the markup cannot be followed (a tag,
// comment or section that does not end, an end tag before the root).
std::optional<DocumentOutline> OutlineDocument(std::string_view text, std::string_view rootName, size_t partBytes);
}
