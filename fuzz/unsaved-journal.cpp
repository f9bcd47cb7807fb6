// Reading any bytes as a journal of unsaved work, and as the text of one
// record: it never crashes, hangs or reads outside the bytes; every
// modifier read has a key, and one put has a name and finite values, each
// variable once; and writing the work read as a journal of its own and
// reading that gives the same work.
#include "FuzzCheck.h"

#include "recovery/UnsavedJournal.h"

#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

using namespace tceditor;

namespace
{
void CheckReading(std::string_view bytes)
{
    const JournalReading first = ReadJournal(bytes);
    for (const auto& [key, modifier] : first.work.modifiers)
    {
        FUZZ_CHECK(!modifier.key.empty());
        FUZZ_CHECK(modifier.kind != UnsavedModifier::Kind::Dropped);
        if (modifier.kind != UnsavedModifier::Kind::Put)
            continue;
        FUZZ_CHECK(!modifier.state.name.empty());
        std::set<std::string> variables;
        for (const DocumentParameter& parameter : modifier.state.parameters)
        {
            FUZZ_CHECK(std::isfinite(parameter.value1) && std::isfinite(parameter.value2));
            FUZZ_CHECK(variables.insert(parameter.variable.str()).second);
        }
    }
    if (first.records == 0)
        return;

    const std::string rewritten = std::string(JournalHeader()) + JournalRecord(first.work.AsStep());
    const JournalReading second = ReadJournal(rewritten);
    FUZZ_CHECK(second.error.empty());
    FUZZ_CHECK(!second.cutOff);
    FUZZ_CHECK(second.notes.empty());
    FUZZ_CHECK(second.records == 1);
    FUZZ_CHECK(second.work.endedAt == first.work.endedAt);
    FUZZ_CHECK(second.work.modifiers == first.work.modifiers);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReading(bytes);
    // The same bytes as the text of a record whose frame checks out, so
    // that the step reader sees them too.
    CheckReading(std::string(JournalHeader()) + JournalRecordOfText(bytes));
    return 0;
}
