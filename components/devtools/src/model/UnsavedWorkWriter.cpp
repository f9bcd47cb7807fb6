#include "UnsavedWorkWriter.h"

#include "UnsavedJournal.h"

#include <Utils.h>

#include <algorithm>
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

std::mutex g_failureMutex;
std::string g_failure;

std::string InjectedFailure()
{
    std::lock_guard<std::mutex> lock(g_failureMutex);
    return g_failure;
}
}

void UnsavedWorkWriter::FailWritesForTesting(std::string reason)
{
    std::lock_guard<std::mutex> lock(g_failureMutex);
    g_failure = std::move(reason);
}

UnsavedWorkWriter::UnsavedWorkWriter(std::u16string folder) : m_folder(std::move(folder))
{
    m_thread = std::thread([this] { Run(); });
}

UnsavedWorkWriter::~UnsavedWorkWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
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
    m_written.wait(lock, [&] { return m_done >= target; });
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
    std::vector<EndedSession> ended = CollectEndedSessions(m_folder);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ended = std::move(ended);
    }
    for (;;)
    {
        std::vector<Task> tasks;
        bool stopping = false;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            const auto due = [&] { return m_stopping || !m_tasks.empty(); };
            if (m_retryDelay.count() == 0)
                m_wake.wait(lock, due);
            else
                m_wake.wait_for(lock, m_retryDelay, due);
            tasks.swap(m_tasks);
            stopping = m_stopping;
        }
        // Steps that came together are written together.
        Handle(tasks);
        if (tasks.empty())
            Retry();
        RemoveWaiting();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done += tasks.size();
        }
        m_written.notify_all();
        if (stopping && tasks.empty())
            break;
    }
    CloseJournal();
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
