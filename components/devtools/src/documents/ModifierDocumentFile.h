// A timecycle_modifier_data document saved as a file under the install
// root ("Save changed").
#pragma once

#include <string>
#include <string_view>

namespace tceditor
{
// Where saved documents go: "data/timecycle-changes" under the install root
// (which ends with a separator).
std::u16string ChangesFolder(std::u16string_view installRoot);

struct SaveOutcome
{
    bool saved = false;
    // The file written, or why nothing was.
    std::string message;
    std::u16string path;
};

// Writes the text as a new file in `folder` (created when missing, with its
// parent), named by the local date and time ("2026-12-10_14-03-22.xml", with
// "_2", "_3", ... when that name is taken). The file is written whole or not
// at all, and nothing else on disk changes.
SaveOutcome SaveDocument(std::string_view text, std::u16string_view folder);
}
