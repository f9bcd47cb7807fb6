// The files of unsaved work in "data/timecycle-changes/unsaved": per session
// a journal ("<start time>_<process id>_<n>.journal") and a lock file beside
// it, held by the session's process for as long as it runs. A journal whose
// lock nobody holds belongs to a session that has ended.
#pragma once

#include "recovery/UnsavedWork.h"

#include <Platform.h>

#include <string>
#include <vector>

namespace tceditor
{
// "data/timecycle-changes/unsaved" under the install root (which ends with a
// separator).
std::u16string UnsavedFolder(std::u16string_view installRoot);

// The lock file beside a journal.
std::u16string LockPathOf(const std::u16string& journal);

// Removes a journal this session gave up for another, with its lock file
// and the temporary file of a rewrite of it that was cut off.
void RemoveJournalFiles(const std::u16string& journal);

// A name for a new session's journal in the folder.
std::u16string NewJournalPath(std::u16string_view folder);

// Makes the folder and those above it that are missing; false with the
// reason otherwise.
bool EnsureUnsavedFolder(std::u16string_view folder, std::string& error);

// The work of a session that has ended, held (its lock taken) while this
// process offers it, so no other process offers it at the same time.
struct EndedSession
{
    std::u16string journal;
    platform::FileLock lock;
    // All of it that reads.
    UnsavedWork work;
    // Set when the journal does not read completely: why and how much did,
    // and where it was moved (empty when it could not be, the reason then
    // in `damage`).
    std::string damage;
    std::u16string movedTo;
    // Set when the journal's lock cannot be taken though nobody holds it
    // (its folder cannot be written): why. It is offered all the same, and
    // stays where it is.
    std::string unlockable;
    // Parameters left out of the work as it was read.
    std::vector<std::string> notes;

    EndedSession() = default;
    EndedSession(EndedSession&& other) noexcept;
    EndedSession& operator=(EndedSession&& other) noexcept;
    EndedSession(const EndedSession&) = delete;
    EndedSession& operator=(const EndedSession&) = delete;
    ~EndedSession();

    // Deletes the journal and its lock file, unless the journal is kept
    // (damaged, or its lock could not be taken); nothing is held afterwards.
    void Remove();
};

// Every ended session in the folder with unsaved work or a damaged journal,
// newest first. Journals of ended sessions with nothing unsaved are deleted;
// damaged ones are moved to "damaged" inside the folder (never through a
// link), never deleted. What a killed session left beside its journal goes:
// a lock file nobody holds without its journal, and the temporary file of a
// rewrite that never took the journal's name (whose work, when it is whole,
// becomes the journal: it is the newer).
std::vector<EndedSession> CollectEndedSessions(std::u16string_view folder);

// What the offer says about its files: that the journal did not read
// completely and where the rest is kept, or that it cannot be taken from
// its folder; empty when neither.
std::string FilesText(const EndedSession& session);
}
