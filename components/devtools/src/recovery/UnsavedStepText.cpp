#include "recovery/UnsavedStepText.h"

#include "base/FloatText.h"
#include "base/StatusText.h"
#include "base/Text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_set>

namespace tceditor
{
namespace
{
std::string Word(std::string_view text)
{
    std::string word;
    for (unsigned char byte : text)
    {
        if (byte <= 0x20 || byte >= 0x7F || byte == '%')
        {
            char escaped[4];
            std::snprintf(escaped, sizeof(escaped), "%%%02X", byte);
            word += escaped;
        }
        else
        {
            word += char(byte);
        }
    }
    return word;
}

// Reads the text line by line; any text it cannot make sense of sets the
// error and ends the reading.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_rest(text) {}

    bool AtEnd() const { return m_rest.empty(); }
    const std::string& Error() const { return m_error; }

    // The next line split at spaces, words unescaped; empty (with the error
    // set) when there is none. Always takes a line or ends the reading.
    std::vector<std::string> Line()
    {
        std::vector<std::string> words;
        const size_t end = m_rest.find('\n');
        if (end == std::string_view::npos)
        {
            Fail("a line without its end");
            return words;
        }
        std::string_view line = m_rest.substr(0, end);
        m_rest.remove_prefix(end + 1);
        while (!line.empty() && m_error.empty())
        {
            const size_t space = line.find(' ');
            const std::string_view word = line.substr(0, space);
            line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
            // No name or variable is empty, and nothing else is written so.
            if (word.empty() || (space != std::string_view::npos && line.empty()))
                Fail("an empty word");
            else
                words.push_back(Unescaped(word));
        }
        if (words.empty())
            Fail("an empty line");
        if (!m_error.empty())
            words.clear();
        return words;
    }

    // Any float the text holds, "nan" and "inf" too; a number past the float
    // range reads as an infinity. Whether it is finite is the caller's.
    float Float(const std::string& text)
    {
        float value = 0.0f;
        const char* end = text.data() + text.size();
        const std::from_chars_result read = std::from_chars(text.data(), end, value);
        if (read.ptr != end || (read.ec != std::errc() && read.ec != std::errc::result_out_of_range))
            Fail("\"" + StatusName(text) + "\" is not a value");
        return read.ec == std::errc::result_out_of_range ? INFINITY : value;
    }

    uint32_t Unsigned(const std::string& text)
    {
        uint32_t value = 0;
        const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
        if (read.ec != std::errc() || read.ptr != text.data() + text.size())
            Fail("\"" + StatusName(text) + "\" is not a number");
        return value;
    }

    void Fail(std::string error)
    {
        if (m_error.empty())
            m_error = std::move(error);
        m_rest = {};
    }

private:
    std::string Unescaped(std::string_view word)
    {
        std::string text;
        for (size_t i = 0; i < word.size(); ++i)
        {
            if (word[i] != '%')
            {
                text += word[i];
                continue;
            }
            unsigned value = 0;
            if (word.size() - i < 3 ||
                std::from_chars(word.data() + i + 1, word.data() + i + 3, value, 16).ptr != word.data() + i + 3)
            {
                Fail("a broken escape in \"" + StatusName(word) + "\"");
                return text;
            }
            text += char(value);
            i += 2;
        }
        return text;
    }

    std::string_view m_rest;
    std::string m_error;
};

// "2026-12-10" or "14:03:22": shown to the user as it is.
bool IsTimeWord(const std::string& word)
{
    return word.find_first_not_of("0123456789-:") == std::string::npos;
}

bool ReadKind(const std::string& word, bool& created)
{
    created = word == "c";
    return word == "c" || word == "o";
}

// A parameter line of the open modifier, by the document reader's rules.
void ReadParameter(LineReader& reader, const std::vector<std::string>& words, DocumentModifier& modifier,
                   std::unordered_set<std::string>& variables, std::vector<std::string>& notes)
{
    const DocumentParameter parameter{ words[1], reader.Float(words[2]), reader.Float(words[3]) };
    if (!reader.Error().empty())
        return;
    const std::string shown = StatusName(modifier.name);
    if (variables.contains(words[1]))
        notes.push_back("modifier \"" + shown + "\": \"" + StatusName(words[1]) +
                        "\" is given twice; the second one is skipped");
    else if (!std::isfinite(parameter.value1) || !std::isfinite(parameter.value2))
        notes.push_back("modifier \"" + shown + "\": \"" + StatusName(words[1]) +
                        "\" needs two finite numbers; the parameter is skipped");
    else
    {
        variables.insert(words[1]);
        modifier.parameters.push_back(parameter);
    }
}
}

std::string UnsavedStepText(const UnsavedStep& step)
{
    std::string text = "time " + step.time + "\n";
    if (step.saved)
        text += "saved\n";
    for (const UnsavedModifier& change : step.changes)
    {
        const char* kind = change.created ? "c" : "o";
        switch (change.kind)
        {
        case UnsavedModifier::Kind::Put:
            text += std::string("put ") + kind + " " + Word(change.key) + "\nname " + Word(change.state.name) +
                    "\nflags " + std::to_string(change.state.userFlags) + "\n";
            for (const DocumentParameter& parameter : change.state.parameters)
                text += "p " + Word(parameter.variable) + " " + ExactFloatText(parameter.value1) + " " +
                        ExactFloatText(parameter.value2) + "\n";
            text += "end\n";
            break;
        case UnsavedModifier::Kind::Removed:
            text += std::string("removed ") + kind + " " + Word(change.key) + "\n";
            break;
        case UnsavedModifier::Kind::Dropped:
            text += std::string("drop ") + kind + " " + Word(change.key) + "\n";
            break;
        }
    }
    return text;
}

UnsavedStepReading ReadUnsavedStep(std::string_view text)
{
    UnsavedStepReading reading;
    UnsavedStep& step = reading.step;
    LineReader reader(text);
    UnsavedModifier* open = nullptr;
    std::unordered_set<std::string> openVariables;
    while (!reader.AtEnd() && reader.Error().empty())
    {
        const std::vector<std::string> words = reader.Line();
        if (words.empty())
            break;
        const std::string& what = words[0];
        if (open)
        {
            if (what == "name" && words.size() == 2)
                open->state.name = words[1];
            else if (what == "flags" && words.size() == 2)
                open->state.userFlags = reader.Unsigned(words[1]);
            else if (what == "p" && words.size() == 4)
                ReadParameter(reader, words, open->state, openVariables, reading.notes);
            else if (what == "end" && words.size() == 1 && open->state.name.empty())
                reader.Fail("a modifier without its name");
            else if (what == "end" && words.size() == 1)
            {
                open->state.numMods = int(open->state.parameters.size());
                open = nullptr;
            }
            else
                reader.Fail("unexpected \"" + StatusName(what) + "\" in a modifier");
            continue;
        }
        UnsavedModifier change;
        if (what == "time" && words.size() == 3 && IsTimeWord(words[1]) && IsTimeWord(words[2]))
            step.time = words[1] + " " + words[2];
        else if (what == "saved" && words.size() == 1)
            step.saved = true;
        else if ((what == "put" || what == "removed" || what == "drop") && words.size() == 3 &&
                 ReadKind(words[1], change.created))
        {
            change.kind = what == "put" ? UnsavedModifier::Kind::Put
                        : what == "removed" ? UnsavedModifier::Kind::Removed
                                            : UnsavedModifier::Kind::Dropped;
            change.key = words[2];
            step.changes.push_back(std::move(change));
            if (what == "put")
            {
                open = &step.changes.back();
                openVariables.clear();
            }
        }
        else
            reader.Fail("unexpected \"" + StatusName(what) + "\"");
    }
    if (open && reader.Error().empty())
        reader.Fail("a modifier without its end");
    if (step.time.empty() && reader.Error().empty())
        reader.Fail("a step without its time");
    reading.error = reader.Error();
    return reading;
}
}
