// Keeps this session's unsaved work on disk off the editor's thread. The
// editor hands over each completed step (a copy of what it changed); a
// thread of the writer's own appends it to the session's journal and makes
// it reach the disk, so the frame never waits for the disk. The journal is
// rewritten whole (temporary file and rename) once it has grown well past the
// work it holds. The thread also collects the work of ended sessions when it
// starts.
//
// While writing fails (a full disk, a folder that cannot be written), the
// writer keeps the work in memory and tries again on its own, at first
// after 100 ms, then twice as long each time up to 5 s, until the whole
// work is written. Steps are folded into the work as they come, so what it
// keeps meanwhile is bounded by the modifiers the session changed (one
// state each, as on disk), not by the number of steps; ended sessions
// whose removal waits for the restored work to be safe are kept with it.
// Steps handed over while the thread is held up wait in a queue of at most
// 4096 tasks; beyond that they fold into the last step.
#pragma once

#include "recovery/UnsavedWork.h"
#include "recovery/UnsavedWorkFiles.h"

#include <ExitHooks.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tceditor
{
class UnsavedWorkWriter
{
public:
    // Files go to `folder`, made when the first step comes.
    explicit UnsavedWorkWriter(std::u16string folder);
    // Ends the thread after the batch it is writing, then writes what is
    // still queued on the calling thread. The process's orderly exit does
    // the same as it begins, before a Windows exit ends the thread; should
    // the system have ended it anyway, what it left is written here. A
    // session with nothing unsaved leaves no files; otherwise its journal
    // stays for the next start to offer.
    ~UnsavedWorkWriter();
    UnsavedWorkWriter(const UnsavedWorkWriter&) = delete;
    UnsavedWorkWriter& operator=(const UnsavedWorkWriter&) = delete;

    void Submit(UnsavedStep step);
    // Once everything handed over before is on disk, removes the ended
    // session's files (its work is in this session's journal then).
    void RemoveAfterWriting(EndedSession session);
    // This session's journal is left as the work of an ended session (the
    // editor forgot the session); the steps after this go to a new one.
    void StartNewJournal();
    // Waits until everything handed over so far is on disk or failed, or
    // the writer was stopped for the process's exit.
    void WaitUntilWritten();

    // The ended sessions found at the start, once the search is done.
    std::optional<std::vector<EndedSession>> TakeEndedSessions();
    // Why the work is not kept on disk now; empty once a write worked.
    std::string Error();
    // Tests: while set, every write fails with this reason, as on a full
    // disk; empty lets writes reach the disk again.
    static void FailWritesForTesting(std::string reason);
    // Bytes written to disk so far, and the journal of this session.
    uint64_t BytesWritten();
    std::u16string JournalPath();

private:
    struct Task
    {
        enum class Kind : uint8_t { Step, Remove, NewJournal } kind = Kind::Step;
        UnsavedStep step;
        EndedSession ended;
    };

    static void RunThread(void* writer);
    static void FinishBeforeExit(void* writer) noexcept;
    void StopThread() noexcept;
    void Run();
    void WriteRemaining() noexcept;
    void Handle(std::vector<Task>& tasks);
    // After a failure: the whole work again, and the removals that waited.
    void Retry();
    void RemoveWaiting();
    // Appends, or rewrites the journal whole when it is due; false on failure.
    bool Write(const std::string& records);
    // Keeps why writing fails (empty: it works) and when to try again.
    void NoteOutcome(const std::string& error);
    bool StartJournal(std::string& error);
    bool Rewrite();
    void CloseJournal();

    const std::u16string m_folder;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_written;
    std::vector<Task> m_tasks;
    // The batch the thread is handling; left over only when the thread was
    // ended in its middle.
    std::vector<Task> m_inFlight;
    uint64_t m_submitted = 0;
    uint64_t m_done = 0;
    // Set under the lock unless a thread ended by the system holds it.
    std::atomic<bool> m_stopping{ false };
    std::optional<std::vector<EndedSession>> m_ended;
    std::string m_error;
    uint64_t m_bytesWritten = 0;

    // The thread's own.
    UnsavedWork m_work;
    std::u16string m_journal;
    platform::FileLock m_lock;
    platform::AppendFile m_file;
    uint64_t m_journalBytes = 0;
    uint64_t m_rewrittenBytes = 0;
    bool m_rewriteDue = false;
    // Ended sessions to remove once the work is on disk again.
    std::vector<EndedSession> m_waitingRemovals;
    // How long to wait before trying again; zero while writing works.
    std::chrono::milliseconds m_retryDelay{ 0 };

    platform::Thread m_thread;
    ExitHook m_exitHook;
};
}
