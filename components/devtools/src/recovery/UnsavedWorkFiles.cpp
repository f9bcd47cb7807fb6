#include "recovery/UnsavedWorkFiles.h"

#include "base/DateStamp.h"
#include "documents/ModifierDocumentFile.h"
#include "recovery/UnsavedJournal.h"

#include <Utils.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <utility>

namespace tceditor
{
namespace
{
constexpr std::u16string_view kJournalEnding = u".journal";
constexpr std::u16string_view kLockEnding = u".lock";
constexpr int kMaxNameTries = 100;

bool EndsWith(std::u16string_view text, std::u16string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

constexpr std::u16string_view kPartialEnding = u".partial";

// The whole file, when it is not larger than a journal can be.
bool ReadWholeFile(const std::u16string& path, std::string& bytes)
{
    std::FILE* file = platform::OpenFile(path, "rb");
    if (!file)
        return false;
    char buffer[1 << 16];
    size_t read = 0;
    while (bytes.size() <= kMaxJournalBytes && (read = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.append(buffer, read);
    const bool complete = !std::ferror(file);
    std::fclose(file);
    return complete;
}

std::u16string InFolder(std::u16string_view folder, std::u16string_view name)
{
    return std::u16string(folder) + platform::kPathSeparator + std::u16string(name);
}

// Moves a damaged file into "damaged" under a name that is free there. A
// "damaged" that is a link (which could lead out of the install root) is
// never used.
std::u16string MoveAside(std::u16string_view folder, const std::u16string& path, const std::u16string& name,
                         std::string& error)
{
    const std::u16string damaged = InFolder(folder, u"damaged");
    if (platform::CreateFolder(damaged, &error) == platform::CreateFolderResult::Failed)
        return {};
    if (platform::IsLink(damaged) || !platform::IsDirectory(damaged))
    {
        error = ToUtf8(damaged) + " is not a folder of its own";
        return {};
    }
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt)
    {
        const std::u16string target = damaged + platform::kPathSeparator + name +
                                      (attempt > 1 ? ToUtf16(fmt::sprintf("_%d", attempt)) : std::u16string());
        if (!platform::PathExists(target) && platform::MoveFileWithoutReplacing(path, target, error))
            return target;
    }
    if (error.empty())
        error = "no free name for it there";
    return {};
}

// The temporary file of a rewrite killed before it took the journal's name,
// while nobody holds the journal's lock. Whole, it is the newest state of
// the work; otherwise the rewrite never completed and the journal is as it
// was, so it goes (or is moved aside, should it hold anything that reads).
void SettlePartial(std::u16string_view folder, const std::u16string& name)
{
    const std::u16string partial = InFolder(folder, name);
    const std::u16string journal = partial.substr(0, partial.size() - kPartialEnding.size());
    platform::FileLock lock;
    if (platform::IsDirectory(partial) || !platform::TryLockFile(LockPathOf(journal), lock))
        return;
    std::string bytes;
    if (ReadWholeFile(partial, bytes))
    {
        const JournalReading reading = ReadJournal(bytes);
        std::string error;
        if (reading.error.empty() && !reading.cutOff && reading.records > 0)
        {
            // Should the process end between the two, the next start finds
            // the whole rewrite without a journal and takes it then.
            platform::RemoveFile(journal);
            platform::MoveFileWithoutReplacing(partial, journal, error);
        }
        else if (reading.records == 0)
            platform::RemoveFile(partial);
        else
            MoveAside(folder, partial, name, error);
    }
    platform::ReleaseFileLock(lock);
}

// A lock file whose journal is gone (or is no file), that nobody holds.
void RemoveStrayLock(std::u16string_view folder, const std::u16string& name)
{
    const std::u16string lockPath = InFolder(folder, name);
    const std::u16string journal =
        lockPath.substr(0, lockPath.size() - kLockEnding.size()) + std::u16string(kJournalEnding);
    if ((platform::PathExists(journal) && !platform::IsDirectory(journal)) || platform::IsDirectory(lockPath))
        return;
    platform::FileLock lock;
    if (!platform::TryLockFile(lockPath, lock))
        return;
    platform::ReleaseFileLock(lock);
    platform::RemoveFile(lockPath);
}

// The journal as it reads, kept where the work is safe.
void Take(std::u16string_view folder, const std::u16string& name, EndedSession& session, std::string& bytes)
{
    JournalReading reading = ReadJournal(bytes);
    session.work = std::move(reading.work);
    session.notes = std::move(reading.notes);
    if (reading.error.empty())
        return;
    session.damage = reading.error;
    std::string error;
    if (!session.unlockable.empty())
        return;  // it cannot be moved from a folder that cannot be written
    session.movedTo = MoveAside(folder, session.journal, name, error);
    if (session.movedTo.empty())
    {
        session.damage += "; it could not be moved aside: " + error;
        return;
    }
    platform::ReleaseFileLock(session.lock);
    platform::RemoveFile(LockPathOf(session.journal));
}
}

std::u16string UnsavedFolder(std::u16string_view installRoot)
{
    return ChangesFolder(installRoot) + platform::kPathSeparator + u"unsaved";
}

std::u16string LockPathOf(const std::u16string& journal)
{
    return journal.substr(0, journal.size() - kJournalEnding.size()) + std::u16string(kLockEnding);
}

void RemoveJournalFiles(const std::u16string& journal)
{
    // Left, the temporary file would be offered again at the next start.
    platform::RemoveFile(journal + std::u16string(kPartialEnding));
    platform::RemoveFile(journal);
    platform::RemoveFile(LockPathOf(journal));
}

std::u16string NewJournalPath(std::u16string_view folder)
{
    // Sessions of one process (the editor reset, tests) are told apart by a count.
    static std::atomic<int> sessions{ 0 };
    // Not through va: the writer's thread keeps no formatting ring of its own.
    const std::string name = FileDateStamp(platform::GetLocalTime()) +
                             fmt::format("_{}_{}", platform::CurrentProcessId(), ++sessions);
    return std::u16string(folder) + platform::kPathSeparator + ToUtf16(name) + std::u16string(kJournalEnding);
}

bool EnsureUnsavedFolder(std::u16string_view folder, std::string& error)
{
    // The missing folders from the top down.
    std::vector<std::u16string_view> missing;
    for (std::u16string_view path = folder; !path.empty() && !platform::IsDirectory(path);
         path = path.substr(0, path.find_last_of(platform::kPathSeparator)))
        missing.push_back(path);
    for (auto path = missing.rbegin(); path != missing.rend(); ++path)
    {
        std::string reason;
        if (platform::CreateFolder(*path, &reason) == platform::CreateFolderResult::Failed)
        {
            error = "cannot create the folder " + ToUtf8(*path) + ": " + reason;
            return false;
        }
    }
    return true;
}

EndedSession::EndedSession(EndedSession&& other) noexcept
    : journal(std::move(other.journal)), lock(std::exchange(other.lock, {})), work(std::move(other.work)),
      damage(std::move(other.damage)), movedTo(std::move(other.movedTo)), unlockable(std::move(other.unlockable)),
      notes(std::move(other.notes))
{
}

EndedSession& EndedSession::operator=(EndedSession&& other) noexcept
{
    if (this != &other)
    {
        platform::ReleaseFileLock(lock);
        journal = std::move(other.journal);
        lock = std::exchange(other.lock, {});
        work = std::move(other.work);
        damage = std::move(other.damage);
        movedTo = std::move(other.movedTo);
        unlockable = std::move(other.unlockable);
        notes = std::move(other.notes);
    }
    return *this;
}

EndedSession::~EndedSession()
{
    platform::ReleaseFileLock(lock);
}

void EndedSession::Remove()
{
    const bool kept = !damage.empty() || !unlockable.empty();
    if (!journal.empty() && !kept)
        platform::RemoveFile(journal);
    // The lock file goes last: while it is held nobody else takes the journal.
    const bool held = lock.handle != nullptr;
    platform::ReleaseFileLock(lock);
    if (!journal.empty() && held && !kept)
        platform::RemoveFile(LockPathOf(journal));
    journal.clear();
}

std::vector<EndedSession> CollectEndedSessions(std::u16string_view folder)
{
    const std::vector<std::u16string> names = platform::ListFolder(folder);
    for (const std::u16string& name : names)
        if (EndsWith(name, std::u16string(kJournalEnding) + std::u16string(kPartialEnding)))
            SettlePartial(folder, name);

    std::vector<EndedSession> sessions;
    for (const std::u16string& name : platform::ListFolder(folder))
    {
        EndedSession session;
        session.journal = InFolder(folder, name);
        if (!EndsWith(name, kJournalEnding) || platform::IsDirectory(session.journal))
            continue;
        // A running session holds its lock. One that cannot even be made
        // (a folder that cannot be written) holds nobody off: the work is
        // offered, and stays.
        std::string lockError;
        if (!platform::TryLockFile(LockPathOf(session.journal), session.lock, &lockError))
        {
            if (lockError.empty())
                continue;
            session.unlockable = lockError;
        }

        std::string bytes;
        if (!ReadWholeFile(session.journal, bytes))
            continue;  // gone meanwhile, or unreadable for now: left alone
        Take(folder, name, session, bytes);
        if (session.damage.empty() && session.work.Empty())
        {
            session.Remove();
            continue;
        }
        sessions.push_back(std::move(session));
    }

    for (const std::u16string& name : platform::ListFolder(folder))
        if (EndsWith(name, kLockEnding))
            RemoveStrayLock(folder, name);

    std::sort(sessions.begin(), sessions.end(), [](const EndedSession& a, const EndedSession& b) {
        return a.work.endedAt != b.work.endedAt ? a.work.endedAt > b.work.endedAt : a.journal > b.journal;
    });
    return sessions;
}

std::string FilesText(const EndedSession& session)
{
    if (!session.damage.empty())
    {
        const std::string where = !session.movedTo.empty() ? "the file is kept in " + ToUtf8(session.movedTo)
                                                           : "the file is left where it is";
        const std::string read = session.work.Empty() ? "nothing in it could be read" : "what could be read is offered";
        return "The unsaved work of an ended session does not read completely (" + session.damage + "); " + read +
               ", and " + where + ".";
    }
    if (!session.unlockable.empty())
        return "The unsaved work of an ended session cannot be taken from its folder (" + session.unlockable +
               "); it stays there and is offered again at the next start.";
    return {};
}
}
