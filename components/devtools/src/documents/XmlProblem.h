// Why tinyxml2 could not read a text, said for a person ("line 3: the
// element <modifier> is not closed") instead of in the parser's own terms.
#pragma once

#include <string>

namespace tinyxml2
{
class XMLDocument;
}

namespace tceditor
{
// For a document whose Parse failed: the line and what is wrong there.
std::string XmlProblem(const tinyxml2::XMLDocument& document);
}
