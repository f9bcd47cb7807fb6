// The file that keeps a session's unsaved work: a header line, then one
// record per completed step, appended as the step completes.
//
// A record is a fixed-size head, "@LLLLLLLL CCCCCCCC HHHHHHHH\n" (the
// length of the step's text and its CRC-32, then a CRC-32 of the head before
// it, all in hex), and the step's text (UnsavedStepText.h). A reader takes
// every record whole or not at all, and finds the next record after a
// damaged one by its head: an '@' whose head and text check out. So the work
// reads as every record up to the first damage, and every record after it
// that checks out.
//
// A record whose text runs past the end of the file with nothing complete
// after it was cut off while being appended (the process ended): the step
// that did not reach the disk, not damage.
//
// Journals of the first format ("@<length> <crc>\n" heads, no check of the
// head) are read by the same rules.
#pragma once

#include "recovery/UnsavedWork.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tceditor
{
// A file larger than this is not taken for unsaved work: the writer
// rewrites a journal whole long before, unless the work itself is that large.
constexpr size_t kMaxJournalBytes = size_t(256) << 20;

// The first line of every journal.
std::string_view JournalHeader();
// One step as a record.
std::string JournalRecord(const UnsavedStep& step);
// A record of any text, framed as a step's text is.
std::string JournalRecordOfText(std::string_view text);

struct JournalReading
{
    UnsavedWork work;
    // Why the file does not read completely, and how much of it did; empty
    // when it reads completely.
    std::string error;
    // The records read.
    size_t records = 0;
    // The last record was cut off while being appended.
    bool cutOff = false;
    // Parameters left out of records that read (UnsavedStepText.h).
    std::vector<std::string> notes;
};
JournalReading ReadJournal(std::string_view bytes);
}
