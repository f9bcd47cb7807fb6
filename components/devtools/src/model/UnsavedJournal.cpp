#include "UnsavedJournal.h"

#include "Text.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace tceditor
{
namespace
{
constexpr std::string_view kHeader = "vesk unsaved timecycle work 1\n";

uint32_t Crc32(std::string_view bytes)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t i = 0; i < 256; ++i)
        {
            uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
            entries[i] = value;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes)
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

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

// Reads a record's payload line by line; any text it cannot make sense of
// sets `error`.
class PayloadReader
{
public:
    explicit PayloadReader(std::string_view payload) : m_rest(payload) {}

    bool AtEnd() const { return m_rest.empty(); }
    const std::string& Error() const { return m_error; }

    // The next line split at spaces, words unescaped.
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
        while (!line.empty())
        {
            const size_t space = line.find(' ');
            words.push_back(Unescaped(line.substr(0, space)));
            line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
        }
        if (words.empty())
            Fail("an empty line");
        return words;
    }

    float Float(const std::string& text)
    {
        float value = 0.0f;
        const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
        if (read.ec != std::errc() || read.ptr != text.data() + text.size())
            Fail("\"" + text + "\" is not a value");
        return value;
    }

    uint32_t Unsigned(const std::string& text)
    {
        uint32_t value = 0;
        const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
        if (read.ec != std::errc() || read.ptr != text.data() + text.size())
            Fail("\"" + text + "\" is not a number");
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
            if (i + 2 >= word.size() ||
                std::from_chars(word.data() + i + 1, word.data() + i + 3, value, 16).ptr != word.data() + i + 3)
            {
                Fail("a broken escape in \"" + std::string(word) + "\"");
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

bool ReadKind(const std::string& word, bool& created)
{
    created = word == "c";
    return word == "c" || word == "o";
}

UnsavedStep ReadStep(std::string_view payload, std::string& error)
{
    UnsavedStep step;
    PayloadReader reader(payload);
    UnsavedModifier* open = nullptr;
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
                open->state.parameters.push_back({ words[1], reader.Float(words[2]), reader.Float(words[3]) });
            else if (what == "end" && words.size() == 1)
            {
                open->state.numMods = int(open->state.parameters.size());
                open = nullptr;
            }
            else
                reader.Fail("unexpected \"" + what + "\" in a modifier");
            continue;
        }
        UnsavedModifier change;
        if (what == "time" && words.size() == 3)
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
                open = &step.changes.back();
        }
        else
            reader.Fail("unexpected \"" + what + "\"");
    }
    if (open && reader.Error().empty())
        reader.Fail("a modifier without its end");
    error = reader.Error();
    return step;
}
}

std::string_view JournalHeader()
{
    return kHeader;
}

std::string JournalRecord(const UnsavedStep& step)
{
    std::string payload = "time " + step.time + "\n";
    if (step.saved)
        payload += "saved\n";
    for (const UnsavedModifier& change : step.changes)
    {
        const char* kind = change.created ? "c" : "o";
        switch (change.kind)
        {
        case UnsavedModifier::Kind::Put:
            payload += std::string("put ") + kind + " " + Word(change.key) + "\nname " + Word(change.state.name) +
                       "\nflags " + std::to_string(change.state.userFlags) + "\n";
            for (const DocumentParameter& parameter : change.state.parameters)
                payload += "p " + Word(parameter.variable) + " " + ExactFloatText(parameter.value1) + " " +
                           ExactFloatText(parameter.value2) + "\n";
            payload += "end\n";
            break;
        case UnsavedModifier::Kind::Removed:
            payload += std::string("removed ") + kind + " " + Word(change.key) + "\n";
            break;
        case UnsavedModifier::Kind::Dropped:
            payload += std::string("drop ") + kind + " " + Word(change.key) + "\n";
            break;
        }
    }
    char head[32];
    std::snprintf(head, sizeof(head), "@%zu %08x\n", payload.size(), Crc32(payload));
    return head + payload;
}

JournalReading ReadJournal(std::string_view bytes)
{
    JournalReading reading;
    if (!bytes.starts_with(kHeader))
    {
        reading.error = "it does not start as unsaved work does";
        return reading;
    }
    bytes.remove_prefix(kHeader.size());
    int number = 0;
    while (!bytes.empty())
    {
        ++number;
        const size_t headEnd = bytes.find('\n');
        // A record cut off at the end of the file never completed.
        if (headEnd == std::string_view::npos && bytes.size() < 32)
            break;
        size_t length = 0;
        uint32_t crc = 0;
        const char* end = bytes.data() + (headEnd == std::string_view::npos ? bytes.size() : headEnd);
        const std::from_chars_result lengthRead = std::from_chars(bytes.data() + 1, end, length);
        const bool headReads = bytes[0] == '@' && lengthRead.ec == std::errc() && lengthRead.ptr < end &&
                               *lengthRead.ptr == ' ' &&
                               std::from_chars(lengthRead.ptr + 1, end, crc, 16).ptr == end && end - lengthRead.ptr == 9;
        if (!headReads)
        {
            reading.error = "record " + std::to_string(number) + " has no readable head";
            return reading;
        }
        bytes.remove_prefix(headEnd + 1);
        if (bytes.size() < length)
            break;
        const std::string_view payload = bytes.substr(0, length);
        if (Crc32(payload) != crc)
        {
            reading.error = "record " + std::to_string(number) + " fails its checksum";
            return reading;
        }
        std::string error;
        const UnsavedStep step = ReadStep(payload, error);
        if (!error.empty())
        {
            reading.error = "record " + std::to_string(number) + ": " + error;
            return reading;
        }
        reading.work.Apply(step);
        bytes.remove_prefix(length);
    }
    return reading;
}
}
