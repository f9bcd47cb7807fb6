// The session's work in one piece: every modifier the editor changed or
// created this session as one timecycle_modifier_data document, to copy or
// to save under the install root.
#pragma once

#include <string>
#include <string_view>

class SessionChanges;

// Every live modifier the session changed or created, in the game's order and
// in the export's format, after a comment naming the modifiers the session
// removed.
std::string ChangedModifiersText(const SessionChanges& changes);

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
