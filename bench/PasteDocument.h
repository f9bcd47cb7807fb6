// The document of a large "Paste XML": copies of the data's modifiers under
// new names ("pasted_0", "pasted_1", ...), also written to a file for the
// game's own loader (tc_load) to read the same.
#pragma once

#include <string>

namespace bench
{
// The pasted modifiers of the benchmarks.
constexpr int kPastedModifiers[] = { 10000, 20000 };

struct PasteDocument
{
    std::string text;
    std::string path;
};

// The document of `count` modifiers; made once per count. Loads the data
// into the game first.
const PasteDocument& PasteDocumentOf(int count);

// Takes the pasted or loaded modifiers out again, newest first, until the
// game holds `dataCount`.
void RemovePasted(int dataCount);
}
