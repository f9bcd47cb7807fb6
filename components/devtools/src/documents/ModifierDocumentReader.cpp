// Reading a timecycle_modifier_data document into plain modifier values, by
// the rules of the game's loader, so that "Paste XML" and a load of the same
// document leave the game the same: values, flags and repeats are read as the
// loader reads them (two finite numbers in C notation, numMods not trusted,
// the first of a repeated variable counts), and where the loader keeps part
// of a modifier so does this reader, with a note:
// - userFlags that is not an unsigned 32-bit number reads as 0;
// - a parameter that is not two finite numbers is left out;
// - a modifier named twice takes the place of the first one: the last
//   content counts, at the first one's place.
// Unknown variables are the caller's to judge (the paste skips and names
// them, as the loader skips them). The loader knows no nameEscaped
// (XmlText.h); an escaped name it reads as written.
#include "base/EditorAssert.h"
#include "base/FloatText.h"
#include "base/StatusText.h"
#include "base/XmlText.h"
#include "documents/DocumentOutline.h"
#include "documents/ModifierDocument.h"
#include "documents/XmlProblem.h"

#include <Utils.h>

#include <tinyxml2.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tceditor
{
namespace
{
constexpr const char* kRootName = "timecycle_modifier_data";
// Put after each part parsed alone.
constexpr const char* kPartEnd = "part_end";

// Text without a length limit, unlike va: names may be of any length.
template<typename... Args>
std::string Format(const char* format, const Args&... args)
{
    return FormatPrintf(format, fmt::make_printf_args(args...));
}

// The line feeds of the document before a place, counted as far as a note
// needs them, and only once: the places asked for never go back.
class LineFeeds
{
public:
    explicit LineFeeds(std::string_view text) : m_text(text) {}

    int Before(size_t place)
    {
        TCE_ASSERT(place >= m_counted && place <= m_text.size()); // parts are read in order
        m_count += static_cast<int>(std::count(m_text.begin() + m_counted, m_text.begin() + place, '\n'));
        m_counted = place;
        return m_count;
    }

private:
    std::string_view m_text;
    size_t m_counted = 0;
    int m_count = 0;
};

// Lines are the parsed text's, moved by the document's line feeds before it.
class Notes
{
public:
    explicit Notes(std::vector<std::string>& notes) : m_notes(notes) {}

    // The parsed text starts at `place` of the document whose line feeds
    // `lines` counts; without them it is the document.
    void SetPlace(LineFeeds* lines, size_t place)
    {
        m_lines = lines;
        m_place = place;
    }

    template<typename... Args>
    void Add(int line, const char* format, const Args&... args)
    {
        const int before = m_lines ? m_lines->Before(m_place) : 0;
        m_notes.push_back(Format("line %d: ", before + line) + Format(format, args...));
    }

private:
    std::vector<std::string>& m_notes;
    LineFeeds* m_lines = nullptr;
    size_t m_place = 0;
};

bool IsValueSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// "0.500 1.000": exactly two numbers separated by white space. Read by hand,
// character by character: every parameter of a document passes here.
bool ParseValues(const char* text, float& value1, float& value2)
{
    std::string_view words[2];
    int count = 0;
    for (const char* next = text ? text : "";;)
    {
        while (IsValueSpace(*next))
            ++next;
        if (!*next)
            break;
        if (count == 2)
            return false;
        const char* word = next;
        while (*next && !IsValueSpace(*next))
            ++next;
        words[count++] = std::string_view(word, size_t(next - word));
    }
    return count == 2 && ParseFloat(words[0], value1) && ParseFloat(words[1], value2);
}

bool ParseUnsigned(std::string_view text, uint32_t& value)
{
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && next == end;
}

// The modifier's name as the document means it, or none with a note.
std::optional<std::string> ReadName(const tinyxml2::XMLElement& element, Notes& notes)
{
    const int line = element.GetLineNum();
    const char* written = element.Attribute("name");
    if (!written || !*written)
    {
        notes.Add(line, "a modifier without a name is skipped");
        return std::nullopt;
    }
    bool escaped = false;
    if (element.Attribute("nameEscaped") &&
        element.QueryBoolAttribute("nameEscaped", &escaped) != tinyxml2::XML_SUCCESS)
    {
        notes.Add(line, "modifier \"%s\": nameEscaped is neither true nor false; the modifier is skipped",
                  StatusName(written));
        return std::nullopt;
    }
    if (!escaped)
        return std::string(written);

    // Never empty: each escape stands for one byte.
    std::optional<std::string> name = UnescapeName(written);
    if (!name)
        notes.Add(line, "modifier \"%s\": a backslash in the escaped name starts neither \\\\ nor \\xHH; "
                        "the modifier is skipped", StatusName(written));
    else
        notes.Add(line, "modifier \"%s\": the name is read through its escape (the game's loader takes the name as "
                        "written)", StatusName(written));
    return name;
}

// The document's variable names, each held once however many parameters name
// it, with the last modifier that took a parameter of it. Each is keyed by a
// view of its own text: the parsed parts it was read from do not last.
struct DocumentVariable
{
    SharedName name;
    size_t lastModifier = SIZE_MAX;
};

class DocumentVariables
{
public:
    DocumentVariable& operator[](std::string_view variable)
    {
        if (const auto found = m_variables.find(variable); found != m_variables.end())
            return found->second;
        DocumentVariable added{ SharedName(variable) };
        const std::string_view key = added.name.view();
        return m_variables.emplace(key, std::move(added)).first->second;
    }

private:
    std::unordered_map<std::string_view, DocumentVariable> m_variables;
};

std::optional<DocumentModifier> ReadModifier(const tinyxml2::XMLElement& element, size_t number, DocumentVariables& variables,
                                             Notes& notes)
{
    const int line = element.GetLineNum();
    std::optional<std::string> name = ReadName(element, notes);
    if (!name)
        return std::nullopt;

    DocumentModifier modifier;
    modifier.name = std::move(*name);
    // Made only for a note: most modifiers have none.
    const auto shown = [&modifier] { return StatusName(modifier.name); };
    if (const char* flags = element.Attribute("userFlags"); flags && !ParseUnsigned(flags, modifier.userFlags))
    {
        notes.Add(line, "modifier \"%s\": userFlags \"%s\" is not an unsigned 32-bit number; read as 0", shown(),
                  StatusName(flags));
        modifier.userFlags = 0;
    }

    // Room for every parameter up front: a large document's parameters then
    // take no spare capacity and are never moved.
    size_t children = 0;
    for (const tinyxml2::XMLElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        ++children;
    modifier.parameters.reserve(children);
    for (const tinyxml2::XMLElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
    {
        const std::string_view variable = child->Name();
        DocumentVariable& known = variables[variable];
        if (known.lastModifier == number)
        {
            notes.Add(child->GetLineNum(), "modifier \"%s\": \"%s\" is given twice; the second one is skipped", shown(),
                      StatusName(variable));
            continue;
        }
        DocumentParameter parameter{ known.name };
        if (!ParseValues(child->GetText(), parameter.value1, parameter.value2))
        {
            notes.Add(child->GetLineNum(), "modifier \"%s\": \"%s\" needs two finite numbers; the parameter is skipped",
                      shown(), StatusName(variable));
            continue;
        }
        known.lastModifier = number;
        modifier.parameters.push_back(std::move(parameter));
    }
    modifier.numMods = static_cast<int>(modifier.parameters.size());
    return modifier;
}

// The document's elements, read in order, in one tree or in parts.
class ElementReader
{
public:
    ElementReader() : m_notes(m_reading.notes) {}

    // The elements of `root`, parsed from the text at `place` of the
    // document, or from the document itself without `lines`.
    void ReadChildren(const tinyxml2::XMLElement& root, LineFeeds* lines, size_t place)
    {
        m_notes.SetPlace(lines, place);
        for (const tinyxml2::XMLElement* element = root.FirstChildElement(); element;
             element = element->NextSiblingElement())
            Read(*element);
    }

    DocumentReading Finish() &&
    {
        if (m_reading.modifiers.empty())
            m_reading.error =
                m_reading.notes.empty() ? "the document holds no modifier" : "no modifier of the document can be used";
        return std::move(m_reading);
    }

private:
    void Read(const tinyxml2::XMLElement& element)
    {
        if (std::strcmp(element.Name(), "modifier") != 0)
        {
            m_notes.Add(element.GetLineNum(), "<%s> is not a modifier; skipped", StatusName(element.Name()));
            return;
        }
        std::optional<DocumentModifier> modifier = ReadModifier(element, m_number++, m_variables, m_notes);
        if (!modifier)
            return;
        if (auto [place, added] = m_places.try_emplace(modifier->name, m_reading.modifiers.size()); !added)
        {
            m_notes.Add(element.GetLineNum(), "modifier \"%s\" is given again; this one takes the place of the one before",
                        StatusName(modifier->name));
            m_reading.modifiers[place->second] = std::move(*modifier);
            return;
        }
        m_reading.modifiers.push_back(std::move(*modifier));
    }

    DocumentReading m_reading;
    Notes m_notes;
    // Each name's place in `m_reading.modifiers`.
    std::unordered_map<std::string, size_t> m_places;
    DocumentVariables m_variables;
    size_t m_number = 0;
};

// The parts of the outline each parsed alone, between the root's tags; none
// as soon as a part, or the text around the root's content, does not parse,
// or the outline does not hold: the reading of the whole says why.
std::optional<DocumentReading> ReadParts(std::string_view text, const DocumentOutline& outline)
{
    tinyxml2::XMLDocument document;
    std::string parsed = std::string(text.substr(0, outline.contentBegin)).append(text.substr(outline.contentEnd));
    if (document.Parse(parsed.data(), parsed.size()) != tinyxml2::XML_SUCCESS || !document.RootElement() ||
        std::strcmp(document.RootElement()->Name(), kRootName) != 0)
        return std::nullopt;

    // The root's tags keep the part's elements as deep as in the document,
    // and on their lines: the start tag holds no line feed. The element
    // after them shows that the part closed nothing it did not open: the
    // root ends at the end tag put after the part, and no stray end tag
    // stopped the parser early.
    const std::string start = Format("<%s>", kRootName);
    const std::string end = Format("</%s><%s/>", kRootName, kPartEnd);
    LineFeeds lines(text);
    ElementReader reader;
    for (const DocumentOutline::Part& part : outline.parts)
    {
        parsed.assign(start).append(text.substr(part.begin, part.end - part.begin)).append(end);
        if (document.Parse(parsed.data(), parsed.size()) != tinyxml2::XML_SUCCESS)
            return std::nullopt;
        const tinyxml2::XMLElement* root = document.RootElement();
        const tinyxml2::XMLElement* after = root->NextSiblingElement();
        if (!after || after != document.LastChild() || std::strcmp(after->Name(), kPartEnd) != 0)
            return std::nullopt;
        reader.ReadChildren(*root, &lines, part.begin);
    }
    return std::move(reader).Finish();
}

// The largest text parsed as one tree, but for a single larger child.
constexpr size_t kPartBytes = 64 * 1024;
}

DocumentReading ReadModifierDocument(std::string_view text)
{
    return ReadModifierDocumentInParts(text, kPartBytes);
}

DocumentReading ReadModifierDocumentInParts(std::string_view text, size_t partBytes)
{
    // The parser reads up to the first zero byte.
    const std::string_view parsed = text.substr(0, text.find('\0'));
    if (const std::optional<DocumentOutline> outline = OutlineDocument(parsed, kRootName, "modifier", partBytes))
    {
        if (std::optional<DocumentReading> reading = ReadParts(parsed, *outline))
            return std::move(*reading);
    }
    return ReadWholeModifierDocument(text);
}

DocumentReading ReadWholeModifierDocument(std::string_view text)
{
    DocumentReading reading;
    tinyxml2::XMLDocument document;
    const tinyxml2::XMLError parsed = document.Parse(text.data(), text.size());
    if (parsed == tinyxml2::XML_ERROR_EMPTY_DOCUMENT)
    {
        reading.error = "the text holds no XML";
        return reading;
    }
    if (parsed != tinyxml2::XML_SUCCESS)
    {
        reading.error = XmlProblem(document);
        return reading;
    }

    const tinyxml2::XMLElement* root = document.RootElement();
    if (!root || std::strcmp(root->Name(), kRootName) != 0)
    {
        reading.error = root ? Format("line %d: the root element is <%s>, not <%s>", root->GetLineNum(),
                                      DisplayName(root->Name()), kRootName)
                             : Format("the text holds no <%s> element", kRootName);
        return reading;
    }
    ElementReader reader;
    reader.ReadChildren(*root, nullptr, 0);
    return std::move(reader).Finish();
}
}
