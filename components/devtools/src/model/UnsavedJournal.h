// The file that keeps a session's unsaved work: a header line, then one
// record per completed step, appended as the step completes. Each record
// carries its length and a CRC-32 of its bytes, so a reader takes every
// record whole or not at all: a record cut off at the end of the file (the
// process ended while appending it) is the step that did not reach the disk,
// and the work is as it was before that step. Anything else that does not
// read back (a bad header, a record whose checksum fails, text that makes no
// sense) makes the whole file damaged.
//
// A record is text: values in the shortest form that reads back to the same
// float, names and variables with every byte outside printable ASCII (and
// '%') written as %HH.
#pragma once

#include "UnsavedWork.h"

#include <string>
#include <string_view>

namespace tceditor
{
// The first line of every journal.
std::string_view JournalHeader();
// One step as a record.
std::string JournalRecord(const UnsavedStep& step);

struct JournalReading
{
    UnsavedWork work;
    // Why the file is damaged; empty when it reads.
    std::string error;
};
JournalReading ReadJournal(std::string_view bytes);
}
