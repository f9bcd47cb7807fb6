#include "recovery/UnsavedJournal.h"

#include "recovery/UnsavedStepText.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace tceditor
{
namespace
{
constexpr std::string_view kHeader = "vesk unsaved timecycle work 2\n";
constexpr std::string_view kFirstHeader = "vesk unsaved timecycle work 1\n";
// "@LLLLLLLL CCCCCCCC HHHHHHHH\n": the head's own checksum covers its first
// 18 bytes.
constexpr size_t kHeadSize = 28;
constexpr size_t kCheckedHeadBytes = 18;
// A head of the first format is shorter than this.
constexpr size_t kFirstHeadLimit = 32;

enum class Format { First, Fixed };

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

template<typename Number>
bool ReadNumber(std::string_view text, Number& value, int base)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data(), end, value, base);
    return !text.empty() && read.ec == std::errc() && read.ptr == end;
}

bool IsLowerHex(std::string_view text)
{
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// What stands at a record's start, by its head alone.
struct Frame
{
    enum class Kind { Whole, RunsPastEnd, NoHead } kind = Kind::NoHead;
    size_t textStart = 0;
    size_t length = 0;
    uint32_t crc = 0;
};

Frame ReadFixedHead(std::string_view bytes, size_t at)
{
    Frame frame;
    const std::string_view rest = bytes.substr(at);
    if (rest.size() < kHeadSize)
    {
        // Cut off within the head, unless what is there is no head.
        frame.kind = rest.starts_with('@') && rest.find('\n') == std::string_view::npos ? Frame::Kind::RunsPastEnd
                                                                                       : Frame::Kind::NoHead;
        return frame;
    }
    const std::string_view head = rest.substr(0, kHeadSize);
    uint32_t length = 0;
    uint32_t headCrc = 0;
    const bool reads = head[0] == '@' && head[9] == ' ' && head[18] == ' ' && head[27] == '\n' &&
                       IsLowerHex(head.substr(1, 8)) && IsLowerHex(head.substr(10, 8)) &&
                       IsLowerHex(head.substr(19, 8)) && ReadNumber(head.substr(1, 8), length, 16) &&
                       ReadNumber(head.substr(10, 8), frame.crc, 16) && ReadNumber(head.substr(19, 8), headCrc, 16) &&
                       Crc32(head.substr(0, kCheckedHeadBytes)) == headCrc;
    if (!reads)
        return frame;
    frame.textStart = at + kHeadSize;
    frame.length = length;
    frame.kind = length > bytes.size() - frame.textStart ? Frame::Kind::RunsPastEnd : Frame::Kind::Whole;
    return frame;
}

Frame ReadFirstFormatHead(std::string_view bytes, size_t at)
{
    Frame frame;
    const std::string_view rest = bytes.substr(at);
    const size_t end = rest.substr(0, kFirstHeadLimit).find('\n');
    if (!rest.starts_with('@'))
        return frame;
    if (end == std::string_view::npos)
    {
        // A head this short without its line end was cut off.
        if (rest.size() < kFirstHeadLimit)
            frame.kind = Frame::Kind::RunsPastEnd;
        return frame;
    }
    const std::string_view head = rest.substr(1, end - 1);
    const size_t space = head.find(' ');
    uint64_t length = 0;
    if (space == std::string_view::npos || head.size() - space - 1 != 8 || !IsLowerHex(head.substr(space + 1)) ||
        head.substr(0, space).find_first_not_of("0123456789") != std::string_view::npos ||
        !ReadNumber(head.substr(0, space), length, 10) || !ReadNumber(head.substr(space + 1), frame.crc, 16))
        return frame;
    frame.textStart = at + end + 1;
    frame.kind = length > bytes.size() - frame.textStart ? Frame::Kind::RunsPastEnd : Frame::Kind::Whole;
    frame.length = frame.kind == Frame::Kind::Whole ? size_t(length) : 0;
    return frame;
}

// Reads the records of one format from `start` on.
class RecordReader
{
public:
    RecordReader(std::string_view bytes, Format format)
        : m_bytes(bytes), m_format(format), m_searchBudget(16 * uint64_t(bytes.size()) + (uint64_t(1) << 20))
    {
    }

    // `atRecord`: a record starts at `start`; otherwise the first one is
    // searched for from there.
    void Read(size_t start, bool atRecord, JournalReading& reading)
    {
        size_t at = atRecord ? start : Next(start);
        while (at < m_bytes.size())
        {
            const size_t number = reading.records + m_damaged + 1;
            const Frame frame = HeadAt(at);
            if (frame.kind == Frame::Kind::RunsPastEnd)
            {
                const size_t next = Next(at + 1);
                if (next == m_bytes.size() && !m_searchStopped)
                {
                    reading.cutOff = true;
                    return;
                }
                at = Damaged(reading, "record " + std::to_string(number) + " has a length past the end of the file",
                             next);
                continue;
            }
            if (frame.kind == Frame::Kind::NoHead)
            {
                at = Damaged(reading, "record " + std::to_string(number) + " has no readable head", Next(at + 1));
                continue;
            }
            const std::string_view text = m_bytes.substr(frame.textStart, frame.length);
            if (Crc32(text) != frame.crc)
            {
                at = Damaged(reading, "record " + std::to_string(number) + " fails its checksum", Next(at + 1));
                continue;
            }
            UnsavedStepReading step = ReadUnsavedStep(text);
            at = frame.textStart + frame.length;
            if (!step.error.empty())
            {
                at = Damaged(reading, "record " + std::to_string(number) + ": " + step.error, at);
                continue;
            }
            reading.work.Apply(step.step);
            ++reading.records;
            if (m_damaged > 0)
                ++m_readAfterDamage;
            reading.notes.insert(reading.notes.end(), step.notes.begin(), step.notes.end());
        }
    }

    size_t Damaged() const { return m_damaged; }
    size_t ReadAfterDamage() const { return m_readAfterDamage; }
    bool SearchStopped() const { return m_searchStopped; }

private:
    Frame HeadAt(size_t at) const
    {
        return m_format == Format::Fixed ? ReadFixedHead(m_bytes, at) : ReadFirstFormatHead(m_bytes, at);
    }

    size_t Damaged(JournalReading& reading, std::string error, size_t next)
    {
        if (reading.error.empty())
            reading.error = std::move(error);
        ++m_damaged;
        return next;
    }

    // The start of the first whole record that checks out at or after
    // `from`, or the end. A step's text holds neither spaces nor line ends
    // within a word, so no head stands inside one. The search costs at most
    // its budget of checksummed bytes, so a hostile file cannot stall it.
    size_t Next(size_t from)
    {
        for (size_t at = from; at < m_bytes.size() && !m_searchStopped; ++at)
        {
            at = m_bytes.find('@', at);
            if (at == std::string_view::npos)
                break;
            const Frame frame = HeadAt(at);
            if (frame.kind != Frame::Kind::Whole)
                continue;
            if (frame.length > m_searchBudget)
            {
                m_searchStopped = true;
                break;
            }
            m_searchBudget -= frame.length;
            if (Crc32(m_bytes.substr(frame.textStart, frame.length)) == frame.crc)
                return at;
        }
        return m_bytes.size();
    }

    std::string_view m_bytes;
    Format m_format;
    uint64_t m_searchBudget;
    bool m_searchStopped = false;
    size_t m_damaged = 0;
    size_t m_readAfterDamage = 0;
};

std::string Records(size_t count)
{
    return std::to_string(count) + (count == 1 ? " record" : " records");
}
}

std::string_view JournalHeader()
{
    return kHeader;
}

std::string JournalRecord(const UnsavedStep& step)
{
    return JournalRecordOfText(UnsavedStepText(step));
}

std::string JournalRecordOfText(std::string_view text)
{
    char head[kHeadSize + 1];
    std::snprintf(head, sizeof(head), "@%08x %08x ", unsigned(text.size()), unsigned(Crc32(text)));
    std::snprintf(head + kCheckedHeadBytes + 1, sizeof(head) - kCheckedHeadBytes - 1, "%08x\n",
                  unsigned(Crc32(std::string_view(head, kCheckedHeadBytes))));
    return head + std::string(text);
}

JournalReading ReadJournal(std::string_view bytes)
{
    JournalReading reading;
    if (bytes.size() > kMaxJournalBytes)
    {
        reading.error = "it is larger than unsaved work can be";
        return reading;
    }
    const bool fixed = bytes.starts_with(kHeader);
    if (fixed || bytes.starts_with(kFirstHeader))
    {
        RecordReader reader(bytes, fixed ? Format::Fixed : Format::First);
        reader.Read(kHeader.size(), true, reading);
        if (reader.Damaged() > 0 && reading.records > 0)
            reading.error += "; " + Records(reading.records) + " read, " + std::to_string(reader.ReadAfterDamage()) +
                             " of them after the damage";
        if (reader.SearchStopped())
            reading.error += "; the rest was too damaged to search";
        return reading;
    }

    // A damaged header: the records that check out still count.
    for (Format format : { Format::Fixed, Format::First })
    {
        JournalReading found;
        RecordReader reader(bytes, format);
        reader.Read(0, false, found);
        if (found.records > 0)
        {
            reading = std::move(found);
            break;
        }
    }
    reading.error = "it does not start as unsaved work does";
    if (reading.records > 0)
        reading.error += "; " + Records(reading.records) + " read";
    reading.cutOff = false;
    return reading;
}
}
