// Helpers shared by the readers and the writer of timecycle data files.
#pragma once

#include "TimecycleControl.h"

#include <string>
#include <string_view>

namespace tinyxml2
{
class XMLDocument;
class XMLElement;
}

namespace timecycle
{
// Adds the problems of one file to a report, each also printed to standard
// error as "file:line: text".
class FileMessages
{
public:
    FileMessages(LoadReport& report, std::string file) : m_report(report), m_file(std::move(file)) {}

    void Add(int line, std::string text);
    const std::string& File() const { return m_file; }

private:
    LoadReport& m_report;
    std::string m_file;
};

// Parses the file; on failure reports why (with the line of a syntax error)
// and returns false.
bool ReadDocument(tinyxml2::XMLDocument& document, FileMessages& messages);
// The root element if it has the expected name; otherwise reports and
// returns null.
tinyxml2::XMLElement* ExpectRoot(tinyxml2::XMLDocument& document, const char* rootName, FileMessages& messages);

// A finite number in C notation, whatever the process's locale.
bool ParseFloat(std::string_view text, float& value);
// A decimal unsigned 32-bit number and nothing else.
bool ParseUnsigned(std::string_view text, uint32_t& value);
// Usable as an XML element name (modifier parameters are written as elements
// named after their variable).
bool IsElementName(std::string_view name);

void Append(LoadReport& into, const LoadReport& from);
}
