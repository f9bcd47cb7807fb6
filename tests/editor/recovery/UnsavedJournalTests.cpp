// The journal reader over hostile bytes: it always ends, never reads past
// the bytes it is given (run under AddressSanitizer), reads every record
// that checks out around a damaged one, and tells damage from a record cut
// off while being appended.
#include "recovery/UnsavedJournal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace tceditor;

namespace
{
UnsavedModifier Put(const char* key, bool created, std::vector<DocumentParameter> parameters)
{
    UnsavedModifier modifier{ UnsavedModifier::Kind::Put, created, key, { key, 0x10, 0, std::move(parameters) } };
    modifier.state.numMods = int(modifier.state.parameters.size());
    return modifier;
}

// Steps of every kind, a "saved" one among them.
std::vector<UnsavedStep> Steps()
{
    return {
        { "2026-12-10 10:00:00", false, { Put("foggy", false, { { "fog_start", 4.0f, -0.5f }, { "sky R", 1e-30f, 3.0f } }) } },
        { "2026-12-10 10:00:01", false, { { UnsavedModifier::Kind::Removed, false, "under%water", {} } } },
        { "2026-12-10 10:00:02", true, { Put("brand new\n", true, {}) } },
        { "2026-12-10 10:00:03", false, { { UnsavedModifier::Kind::Dropped, true, "brand new\n", {} },
                                          Put("w_clear", false, { { "fog_end", 7.0f, 8.0f } }) } },
    };
}

UnsavedWork WorkOf(const std::vector<UnsavedStep>& steps, size_t leftOut = SIZE_MAX)
{
    UnsavedWork work;
    for (size_t i = 0; i < steps.size(); ++i)
        if (i != leftOut)
            work.Apply(steps[i]);
    return work;
}

void ExpectSameWork(const UnsavedWork& read, const UnsavedWork& expected)
{
    EXPECT_EQ(read.endedAt, expected.endedAt);
    EXPECT_EQ(read.modifiers, expected.modifiers);
}

// Bytes in a buffer of their own size, so a read past them is caught.
JournalReading ReadExactly(const std::string& bytes)
{
    const std::unique_ptr<char[]> copy(new char[bytes.size() ? bytes.size() : 1]);
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return ReadJournal(std::string_view(copy.get(), bytes.size()));
}

constexpr std::string_view kFirstFormat = "vesk unsaved timecycle work 1\n";
}

TEST(UnsavedJournal, WrittenStepsReadBackExactly)
{
    std::string journal(JournalHeader());
    for (const UnsavedStep& step : Steps())
        journal += JournalRecord(step);
    const JournalReading reading = ReadExactly(journal);
    EXPECT_EQ(reading.error, "");
    EXPECT_FALSE(reading.cutOff);
    EXPECT_EQ(reading.records, Steps().size());
    ExpectSameWork(reading.work, WorkOf(Steps()));
}

// Heads that once hung the reader or sent it past its bytes, in both
// formats: each ends, as damage, and nothing is read from them.
TEST(UnsavedJournal, HostileHeadsEndAsDamage)
{
    const std::string record = JournalRecord(Steps()[0]);
    struct Case
    {
        const char* name;
        std::string bytes;
        bool cutOff;
    };
    const Case cases[] = {
        { "a long first-format head without its line end", std::string(kFirstFormat) + "@1 " + std::string(59, '0'), false },
        { "a long head without its line end", std::string(JournalHeader()) + "@" + std::string(61, '1'), false },
        { "a record that starts with a line end", std::string(kFirstFormat) + "\n", false },
        { "a line end after the header", std::string(JournalHeader()) + "\n" + std::string(40, '@'), false },
        { "a first-format length past every size", std::string(kFirstFormat) + "@99999999999999999999999 00000000\n", false },
        { "a negative first-format length", std::string(kFirstFormat) + "@-5 00000000\nhello", false },
        { "bytes of zero", std::string(JournalHeader()) + std::string(64, '\0'), false },
        { "a head of spaces", std::string(JournalHeader()) + "@        " + std::string(20, ' '), false },
        { "a short first-format head cut off", std::string(kFirstFormat) + "@12 abc", true },
        { "a short head cut off", std::string(JournalHeader()) + record.substr(0, 20), true },
        { "a record cut off in its text", std::string(JournalHeader()) + record.substr(0, record.size() - 3), true },
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        const JournalReading reading = ReadExactly(test.bytes);
        EXPECT_EQ(reading.cutOff, test.cutOff);
        EXPECT_EQ(reading.error.empty(), test.cutOff) << reading.error;
        EXPECT_EQ(reading.records, 0u);
        EXPECT_TRUE(reading.work.Empty());
    }
}

// Any one byte changed anywhere in a small journal is damage, never less
// work in silence, and every record it did not touch still reads.
TEST(UnsavedJournal, AChangedByteAnywhereLosesOnlyItsRecord)
{
    const std::vector<UnsavedStep> steps = Steps();
    std::string journal(JournalHeader());
    std::vector<size_t> ends;
    for (const UnsavedStep& step : steps)
    {
        journal += JournalRecord(step);
        ends.push_back(journal.size());
    }
    for (size_t offset = 0; offset < journal.size(); ++offset)
    {
        size_t touched = 0;
        while (touched < ends.size() && ends[touched] <= offset)
            ++touched;
        // Within the header, no record is lost.
        const size_t lost = offset < JournalHeader().size() ? SIZE_MAX : touched;
        const UnsavedWork expected = WorkOf(steps, lost);
        for (unsigned char change : { 0x01, 0x20, 0xFF })
        {
            SCOPED_TRACE("offset " + std::to_string(offset) + " changed by " + std::to_string(change));
            std::string damaged = journal;
            damaged[offset] = char(damaged[offset] ^ change);
            const JournalReading reading = ReadExactly(damaged);
            EXPECT_NE(reading.error, "");
            EXPECT_FALSE(reading.cutOff);
            ExpectSameWork(reading.work, expected);
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

// A record whose length runs past the end is one cut off only when no
// complete record follows it; otherwise its length is damaged.
TEST(UnsavedJournal, ALengthPastTheEndIsCutOffOnlyAtTheEnd)
{
    const std::vector<UnsavedStep> steps = Steps();
    std::string first(kFirstFormat);
    for (const UnsavedStep& step : steps)
    {
        // The first format's head, "@<length> <crc>\n", before the same text.
        const std::string record = JournalRecord(step);
        const std::string text = record.substr(28);
        first += "@" + std::to_string(text.size()) + " " + record.substr(10, 8) + "\n" + text;
    }
    const JournalReading whole = ReadExactly(first);
    EXPECT_EQ(whole.error, "");
    ExpectSameWork(whole.work, WorkOf(steps));

    std::string longer = first;
    longer.insert(kFirstFormat.size() + 1, "9");  // the first record's length, past the end
    const JournalReading damaged = ReadExactly(longer);
    EXPECT_NE(damaged.error, "");
    EXPECT_FALSE(damaged.cutOff);
    ExpectSameWork(damaged.work, WorkOf(steps, 0));

    const JournalReading cutOff = ReadExactly(first.substr(0, first.size() - 4));
    EXPECT_EQ(cutOff.error, "");
    EXPECT_TRUE(cutOff.cutOff);
    ExpectSameWork(cutOff.work, WorkOf(steps, steps.size() - 1));
}

// The reader's rules are the document reader's: a value that is not finite
// leaves its parameter out, and of a variable given twice the first counts,
// each said in the same words.
TEST(UnsavedJournal, NonFiniteValuesAndRepeatsAreReadAsDocumentsAre)
{
    UnsavedStep step{ "2026-12-10 10:00:00", false,
                      { Put("foggy", false, { { "fog_start", 1.0f, 2.0f }, { "fog_end", NAN, 2.0f },
                                              { "fog_start", 5.0f, 6.0f }, { "sky", 1.0f, INFINITY } }) } };
    const JournalReading reading = ReadExactly(std::string(JournalHeader()) + JournalRecord(step));
    EXPECT_EQ(reading.error, "");
    const std::vector<std::string> notes = {
        "modifier \"foggy\": \"fog_end\" needs two finite numbers; the parameter is skipped",
        "modifier \"foggy\": \"fog_start\" is given twice; the second one is skipped",
        "modifier \"foggy\": \"sky\" needs two finite numbers; the parameter is skipped",
    };
    EXPECT_EQ(reading.notes, notes);
    ASSERT_EQ(reading.work.modifiers.size(), 1u);
    const DocumentModifier& read = reading.work.modifiers.begin()->second.state;
    ASSERT_EQ(read.parameters.size(), 1u);
    EXPECT_EQ(read.parameters[0].value1, 1.0f);
    EXPECT_EQ(read.numMods, 1);
}

// Steps that wait too long for the disk fold into one: any run of steps
// folded leaves the work as the steps in turn do, with one change per
// modifier.
TEST(UnsavedJournal, FoldedStepsLeaveTheSameWork)
{
    const std::vector<UnsavedStep> steps = Steps();
    for (size_t first = 0; first < steps.size(); ++first)
    {
        for (size_t last = first + 1; last < steps.size(); ++last)
        {
            SCOPED_TRACE("steps " + std::to_string(first) + " to " + std::to_string(last));
            UnsavedStep folded = steps[first];
            for (size_t i = first + 1; i <= last; ++i)
                FoldStep(folded, steps[i]);
            std::vector<UnsavedStep> turned(steps.begin(), steps.begin() + first);
            turned.push_back(folded);
            turned.insert(turned.end(), steps.begin() + last + 1, steps.end());
            ExpectSameWork(WorkOf(turned), WorkOf(steps));
            std::set<std::pair<bool, std::string>> keys;
            for (const UnsavedModifier& change : folded.changes)
                EXPECT_TRUE(keys.insert({ change.created, change.key }).second) << change.key;
        }
    }
}
