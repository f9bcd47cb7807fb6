#include "recovery/UnsavedWorkWriter.h"

#include "recovery/UnsavedJournal.h"

#include <EntryBarrier.h>
#include <Utils.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <system_error>
#include <thread>
#include <utility>

namespace tceditor
{
namespace
{
// The journal is rewritten once it is this much larger than when it was last
// written whole.
constexpr uint64_t kGrowthBeforeRewrite = uint64_t(1) << 20;
// Steps waiting for the thread beyond this many fold into one.
constexpr size_t kMostWaitingTasks = 4096;
constexpr std::chrono::milliseconds kFirstRetry{ 100 };
constexpr std::chrono::milliseconds kLongestRetry{ 5000 };
// How long the process's exit waits for the write in progress.
constexpr unsigned kLongestExitWaitMs = 5000;
constexpr std::chrono::milliseconds kLongestLockWait{ 1000 };

EntryBarrier g_writerBarrier("unsaved work writer");

// Writes made to fail by a test. The flag is read first and needs no
// destructor: a writer that drains its queue at the library's unload may run
// after this file's other objects are gone, and must not touch them then.
std::atomic<bool> g_failing{ false };
std::mutex g_failureMutex;
std::string g_failure;

std::string InjectedFailure()
{
    if (!g_failing.load())
        return {};
    std::lock_guard<std::mutex> lock(g_failureMutex);
    return g_failure;
}
}

void UnsavedWorkWriter::FailWritesForTesting(std::string reason)
{
    std::lock_guard<std::mutex> lock(g_failureMutex);
    g_failing = !reason.empty();
    g_failure = std::move(reason);
}

UnsavedWorkWriter::UnsavedWorkWriter(std::u16string folder) : m_folder(std::move(folder))
{
    if (!platform::StartThread(m_thread, RunThread, this))
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again),
                                "no thread for the unsaved work");
    // Without it, the module's unload or the process's end is the last
    // moment to write, where a Windows exit may have ended the thread.
    m_exitHook.run = FinishBeforeExit;
    m_exitHook.argument = this;
    RunAtExit(m_exitHook);
}

UnsavedWorkWriter::~UnsavedWorkWriter()
{
    CancelAtExit(m_exitHook);
    StopThread();
    platform::JoinThread(m_thread);
    WriteRemaining();
    g_writerBarrier.Run(true, [&] {
        CloseJournal();
        return true;
    });
}

void UnsavedWorkWriter::StopThread() noexcept
{
    // The lock is held for moments only, except by a thread the system ended
    // while it held it (a Windows exit), which holds it for good: the flag is
    // set without it then rather than waiting for ever.
    const auto deadline = std::chrono::steady_clock::now() + kLongestLockWait;
    bool locked = false;
    while (!(locked = m_mutex.try_lock()) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    m_stopping = true;
    if (locked)
        m_mutex.unlock();
    m_wake.notify_all();
    m_written.notify_all();
}

// As the process's exit begins: the thread ends after the batch it is
// writing, and what is queued then is written here, while nothing has been
// ended in the middle of a call. The bound: up to kLongestExitWaitMs for the
// thread's write, then one append (or one rewrite) of the rest, with no retry.
// A thread not done by then is left to the exit (the destructor's drain
// takes what it can).
void UnsavedWorkWriter::FinishBeforeExit(void* writer) noexcept
{
    auto& self = *static_cast<UnsavedWorkWriter*>(writer);
    self.StopThread();
    if (platform::JoinThreadWithin(self.m_thread, kLongestExitWaitMs))
        self.WriteRemaining();
}

void UnsavedWorkWriter::RunThread(void* writer)
{
    static_cast<UnsavedWorkWriter*>(writer)->Run();
}

// With the thread ended: the batch it was ended in the middle of and
// everything queued after it, in order. The bound: one append (or one
// rewrite) of that much, never a wait on anyone.
void UnsavedWorkWriter::WriteRemaining() noexcept
{
    // A thread the system ended while it held the lock (a Windows process's
    // exit that came without the C runtime's, or after the wait above gave
    // up) leaves it held for good: nothing is written then rather than
    // waiting for ever.
    if (!m_mutex.try_lock())
        return;
    m_mutex.unlock();
    g_writerBarrier.Run(true, [&] {
        std::vector<Task> tasks = std::move(m_inFlight);
        // A thread ended in a write may hold that journal's files open for
        // good: the work goes whole into a journal of a new name, and the
        // old one goes once that is written. Steps of the batch it had
        // applied already apply again to the same result.
        // Its handles are left as they are, not closed: the ended thread may
        // have been inside a call on them (the process is ending anyway).
        std::u16string cutJournal;
        if (!tasks.empty())
        {
            cutJournal = m_journal;
            m_file = {};
            m_lock = {};
            std::lock_guard<std::mutex> lock(m_mutex);
            m_journal.clear();
        }
        tasks.insert(tasks.end(), std::make_move_iterator(m_tasks.begin()), std::make_move_iterator(m_tasks.end()));
        m_tasks.clear();
        if (!cutJournal.empty())
            m_rewriteDue = true;
        Handle(tasks);
        if (!cutJournal.empty() && !m_journal.empty() && !m_rewriteDue)
            RemoveJournalFiles(cutJournal);
        return true;
    });
}

void UnsavedWorkWriter::Submit(UnsavedStep step)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // While the thread is held up (a disk that takes its time), steps
        // beyond the bound fold into the last one: what waits is then one
        // change per modifier, however many steps come.
        if (m_tasks.size() >= kMostWaitingTasks && m_tasks.back().kind == Task::Kind::Step)
        {
            FoldStep(m_tasks.back().step, std::move(step));
        }
        else
        {
            m_tasks.push_back({ Task::Kind::Step, std::move(step), {} });
            ++m_submitted;
        }
    }
    m_wake.notify_all();
}

void UnsavedWorkWriter::RemoveAfterWriting(EndedSession session)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tasks.push_back({ Task::Kind::Remove, {}, std::move(session) });
        ++m_submitted;
    }
    m_wake.notify_all();
}

void UnsavedWorkWriter::StartNewJournal()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tasks.push_back({ Task::Kind::NewJournal, {}, {} });
        ++m_submitted;
    }
    m_wake.notify_all();
}

void UnsavedWorkWriter::WaitUntilWritten()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const uint64_t target = m_submitted;
    // Once stopped (the process is exiting) the rest waits for the writer's
    // end: nothing would wake a waiter then.
    m_written.wait(lock, [&] { return m_done >= target || m_stopping; });
}

std::optional<std::vector<EndedSession>> UnsavedWorkWriter::TakeEndedSessions()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_ended, std::nullopt);
}

std::string UnsavedWorkWriter::Error()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

uint64_t UnsavedWorkWriter::BytesWritten()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bytesWritten;
}

std::u16string UnsavedWorkWriter::JournalPath()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_journal;
}

void UnsavedWorkWriter::Run()
{
    // The thread's body: nothing it throws ends the process. A search that
    // failed finds no ended sessions; a batch that failed is lost alone, and
    // the next write puts the journal down whole.
    std::optional<std::vector<EndedSession>> ended =
        g_writerBarrier.Run<std::optional<std::vector<EndedSession>>>(std::vector<EndedSession>{}, [&] {
            return std::optional<std::vector<EndedSession>>(CollectEndedSessions(m_folder));
        });
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ended = std::move(ended);
    }
    for (;;)
    {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            const auto due = [&] { return m_stopping || !m_tasks.empty(); };
            if (m_retryDelay.count() == 0)
                m_wake.wait(lock, due);
            else
                m_wake.wait_for(lock, m_retryDelay, due);
            // What is queued now the stopping thread writes itself.
            if (m_stopping)
                break;
            m_inFlight.swap(m_tasks);
        }
        // Steps that came together are written together; with nothing new,
        // a failed write is tried again once its delay has passed.
        g_writerBarrier.Run(
            true,
            [&] {
                Handle(m_inFlight);
                if (m_inFlight.empty())
                    Retry();
                RemoveWaiting();
                return true;
            },
            [&](bool) {
                m_rewriteDue = true;
                std::lock_guard<std::mutex> lock(m_mutex);
                m_error = "a step could not be kept (out of memory?)";
            });
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done += m_inFlight.size();
            m_inFlight.clear();
        }
        m_written.notify_all();
    }
}

void UnsavedWorkWriter::Handle(std::vector<Task>& tasks)
{
    std::string records;
    const auto flush = [&] {
        if (!records.empty() && Write(records))
            records.clear();
    };
    for (Task& task : tasks)
    {
        switch (task.kind)
        {
        case Task::Kind::Step:
            m_work.Apply(task.step);
            records += JournalRecord(task.step);
            break;
        case Task::Kind::Remove:
            flush();
            // Only once the restored work is safe here does the old copy go.
            m_waitingRemovals.push_back(std::move(task.ended));
            if (records.empty())
                RemoveWaiting();
            break;
        case Task::Kind::NewJournal:
            flush();
            CloseJournal();
            m_work = {};
            records.clear();
            break;
        }
    }
    flush();
}

void UnsavedWorkWriter::Retry()
{
    if (m_retryDelay.count() == 0)
        return;
    m_rewriteDue = true;
    Write({});
}

void UnsavedWorkWriter::RemoveWaiting()
{
    if (m_retryDelay.count() != 0)
        return;
    for (EndedSession& ended : m_waitingRemovals)
        ended.Remove();
    m_waitingRemovals.clear();
}

bool UnsavedWorkWriter::Write(const std::string& records)
{
    std::string error = InjectedFailure();
    if (!error.empty() || (m_journal.empty() && !StartJournal(error)))
    {
        m_rewriteDue = true;
        NoteOutcome(error);
        return false;
    }
    // A new journal, or one left after a failed write, is written whole.
    if (!m_file.handle || m_rewriteDue)
        return Rewrite();

    const bool appended = platform::AppendToFile(m_file, records, error);
    // After a failed append the file may end in a part of the records; the
    // next write replaces it whole.
    m_rewriteDue = !appended;
    if (appended)
        m_journalBytes += records.size();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bytesWritten += appended ? records.size() : 0;
    }
    NoteOutcome(error);
    // One grown well past its work is written whole at once, so at rest no
    // journal is more than that growth past its work, however large the
    // batches of steps.
    if (appended && m_journalBytes > m_rewrittenBytes + kGrowthBeforeRewrite)
        return Rewrite();
    return appended;
}

void UnsavedWorkWriter::NoteOutcome(const std::string& error)
{
    m_retryDelay = error.empty()             ? std::chrono::milliseconds(0)
                 : m_retryDelay.count() == 0 ? kFirstRetry
                                             : std::min(m_retryDelay * 2, kLongestRetry);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_error = error;
}

bool UnsavedWorkWriter::StartJournal(std::string& error)
{
    if (!EnsureUnsavedFolder(m_folder, error))
        return false;
    const std::u16string journal = NewJournalPath(m_folder);
    if (!platform::TryLockFile(LockPathOf(journal), m_lock))
    {
        error = "cannot lock " + ToUtf8(LockPathOf(journal));
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_journal = journal;
    return true;
}

bool UnsavedWorkWriter::Rewrite()
{
    const std::string text = std::string(JournalHeader()) + JournalRecord(m_work.AsStep());
    std::string error;
    platform::CloseAppendFile(m_file);
    const bool written = platform::ReplaceFileContents(m_journal, text, error) &&
                         platform::OpenAppendFile(m_journal, m_file, error);
    m_rewriteDue = !written;
    NoteOutcome(error);
    if (!written)
        return false;
    m_journalBytes = m_rewrittenBytes = text.size();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bytesWritten += text.size();
    return true;
}

// A journal with unsaved work stays for the next start to offer; one without
// goes.
void UnsavedWorkWriter::CloseJournal()
{
    platform::CloseAppendFile(m_file);
    const bool remove = !m_journal.empty() && m_work.Empty();
    if (remove)
        platform::RemoveFile(m_journal);
    platform::ReleaseFileLock(m_lock);
    if (remove)
        platform::RemoveFile(LockPathOf(m_journal));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_journal.clear();
}
}
