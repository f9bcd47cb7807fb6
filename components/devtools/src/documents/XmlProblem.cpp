#include "documents/XmlProblem.h"

#include "base/XmlText.h"

#include <tinyxml2.h>

#include <string_view>

namespace tceditor
{
namespace
{
// The element tinyxml2 names at the end of its text ("... XMLElement
// name=modifier"), or empty.
std::string ElementName(const tinyxml2::XMLDocument& document)
{
    const std::string_view text = document.ErrorStr();
    constexpr std::string_view kMarker = "XMLElement name=";
    const size_t at = text.rfind(kMarker);
    return at == std::string_view::npos ? std::string() : DisplayName(text.substr(at + kMarker.size()));
}

std::string WhatIsWrong(const tinyxml2::XMLDocument& document)
{
    const std::string name = ElementName(document);
    const std::string element = name.empty() ? "an element" : "the element <" + name + ">";
    switch (document.ErrorID())
    {
    case tinyxml2::XML_ERROR_MISMATCHED_ELEMENT:
        return element + " is not closed";
    case tinyxml2::XML_ERROR_PARSING_ELEMENT:
        return "the tag of " + element + " is broken or cut short";
    case tinyxml2::XML_ERROR_PARSING_ATTRIBUTE:
        return "an attribute of " + element + " is broken or given twice";
    case tinyxml2::XML_ERROR_PARSING_TEXT:
        return "text outside the elements, or the text ends inside one";
    case tinyxml2::XML_ERROR_PARSING_CDATA:
        return "a CDATA section is not closed";
    case tinyxml2::XML_ERROR_PARSING_COMMENT:
        return "a comment is not closed";
    case tinyxml2::XML_ERROR_PARSING_DECLARATION:
        return "the <?xml ...?> declaration is broken";
    case tinyxml2::XML_ERROR_PARSING_UNKNOWN:
        return "a <!...> section is not closed";
    case tinyxml2::XML_ELEMENT_DEPTH_EXCEEDED:
        return "the elements are nested too deep";
    default:
        return "the text is not well-formed XML";
    }
}
}

std::string XmlProblem(const tinyxml2::XMLDocument& document)
{
    return "line " + std::to_string(document.ErrorLineNum()) + ": " + WhatIsWrong(document);
}
}
