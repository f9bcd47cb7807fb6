// Helpers shared by the readers and the writer of timecycle data files.
#include "DataFiles.h"

#include <fmt/format.h>
#include <tinyxml2.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace timecycle
{
void FileMessages::Add(int line, std::string text)
{
    if (line > 0)
        fmt::print(stderr, "{}:{}: {}\n", m_file, line, text);
    else
        fmt::print(stderr, "{}: {}\n", m_file, text);
    m_report.messages.push_back({ m_file, line, std::move(text) });
}

bool ReadDocument(tinyxml2::XMLDocument& document, FileMessages& messages)
{
    const tinyxml2::XMLError error = document.LoadFile(messages.File().c_str());
    if (error == tinyxml2::XML_SUCCESS)
        return true;

    if (error == tinyxml2::XML_ERROR_FILE_NOT_FOUND || error == tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED
        || error == tinyxml2::XML_ERROR_FILE_READ_ERROR)
        messages.Add(0, "cannot read the file; it is skipped");
    else
        messages.Add(document.ErrorLineNum(),
            fmt::format("not well-formed XML ({}); the file is skipped", document.ErrorName()));
    return false;
}

tinyxml2::XMLElement* ExpectRoot(tinyxml2::XMLDocument& document, const char* rootName, FileMessages& messages)
{
    tinyxml2::XMLElement* root = document.RootElement();
    if (!root)
    {
        messages.Add(0, fmt::format("no <{}> element; the file is skipped", rootName));
        return nullptr;
    }
    if (std::strcmp(root->Name(), rootName) != 0)
    {
        messages.Add(root->GetLineNum(),
            fmt::format("root element is <{}>, expected <{}>; the file is skipped", root->Name(), rootName));
        return nullptr;
    }
    return root;
}

bool ParseFloat(std::string_view text, float& value)
{
    const char* end = text.data() + text.size();
    auto [next, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && next == end && std::isfinite(value);
}

bool ParseUnsigned(std::string_view text, uint32_t& value)
{
    const char* end = text.data() + text.size();
    auto [next, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && next == end;
}

bool IsElementName(std::string_view name)
{
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.empty() || !isLetter(name.front()))
        return false;
    for (char c : name)
    {
        if (!isLetter(c) && !isDigit(c) && c != '-' && c != '.')
            return false;
    }
    return true;
}

void Append(LoadReport& into, const LoadReport& from)
{
    into.variablesLoaded += from.variablesLoaded;
    into.modifiersLoaded += from.modifiersLoaded;
    into.modifiersReplaced += from.modifiersReplaced;
    into.filesSkipped += from.filesSkipped;
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
}
}
