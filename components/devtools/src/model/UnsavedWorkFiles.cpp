#include "UnsavedWorkFiles.h"

#include "ModifierDocumentFile.h"
#include "UnsavedJournal.h"

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

bool ReadWholeFile(const std::u16string& path, std::string& bytes)
{
    std::FILE* file = platform::OpenFile(path, "rb");
    if (!file)
        return false;
    char buffer[1 << 16];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.append(buffer, read);
    const bool complete = !std::ferror(file);
    std::fclose(file);
    return complete;
}

// Moves a damaged journal into "damaged" under a name that is free there.
std::u16string MoveAside(std::u16string_view folder, const std::u16string& journal, const std::u16string& name,
                         std::string& error)
{
    const std::u16string damaged = std::u16string(folder) + platform::kPathSeparator + u"damaged";
    if (platform::CreateFolder(damaged, &error) == platform::CreateFolderResult::Failed)
        return {};
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt)
    {
        const std::u16string target = damaged + platform::kPathSeparator + name +
                                      (attempt > 1 ? ToUtf16(fmt::sprintf("_%d", attempt)) : std::u16string());
        if (!platform::PathExists(target) && platform::MoveFileWithoutReplacing(journal, target, error))
            return target;
    }
    return {};
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

std::u16string NewJournalPath(std::u16string_view folder)
{
    // Sessions of one process (the editor reset, tests) are told apart by a count.
    static std::atomic<int> sessions{ 0 };
    const platform::LocalTime time = platform::GetLocalTime();
    // Not through va: the writer's thread keeps no formatting ring of its own.
    const std::string name = fmt::sprintf("%04d-%02d-%02d_%02d-%02d-%02d_%u_%d", time.year, time.month, time.day,
                                          time.hour, time.minute, time.second, platform::CurrentProcessId(), ++sessions);
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
      damage(std::move(other.damage)), movedTo(std::move(other.movedTo))
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
    }
    return *this;
}

EndedSession::~EndedSession()
{
    platform::ReleaseFileLock(lock);
}

void EndedSession::Remove()
{
    if (!journal.empty())
        platform::RemoveFile(journal);
    // The lock file goes last: while it is held nobody else takes the journal.
    platform::ReleaseFileLock(lock);
    if (!journal.empty())
        platform::RemoveFile(LockPathOf(journal));
    journal.clear();
}

std::vector<EndedSession> CollectEndedSessions(std::u16string_view folder)
{
    std::vector<EndedSession> sessions;
    for (const std::u16string& name : platform::ListFolder(folder))
    {
        if (!EndsWith(name, kJournalEnding))
            continue;
        EndedSession session;
        session.journal = std::u16string(folder) + platform::kPathSeparator + name;
        // A running session holds its lock.
        if (!platform::TryLockFile(LockPathOf(session.journal), session.lock))
            continue;

        std::string bytes;
        if (!ReadWholeFile(session.journal, bytes))
            continue;  // gone meanwhile, or unreadable for now: left alone
        JournalReading reading = ReadJournal(bytes);
        if (reading.error.empty() && reading.work.Empty())
        {
            session.Remove();
            continue;
        }
        if (!reading.error.empty())
        {
            session.damage = reading.error;
            std::string error;
            session.movedTo = MoveAside(folder, session.journal, name, error);
            if (session.movedTo.empty())
                session.damage += "; it could not be moved aside: " + error;
            else
            {
                platform::ReleaseFileLock(session.lock);
                platform::RemoveFile(LockPathOf(session.journal));
            }
        }
        session.work = std::move(reading.work);
        sessions.push_back(std::move(session));
    }
    std::sort(sessions.begin(), sessions.end(), [](const EndedSession& a, const EndedSession& b) {
        return a.work.endedAt != b.work.endedAt ? a.work.endedAt > b.work.endedAt : a.journal > b.journal;
    });
    return sessions;
}
}
