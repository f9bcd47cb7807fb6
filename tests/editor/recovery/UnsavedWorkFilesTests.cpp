// The files of ended sessions as another tool, a backup or a killed process
// may leave them: nothing is deleted that is not kept elsewhere, the work
// that reads is offered, a damaged journal is moved aside (never through a
// link), and what a killed session left beside its journal is settled.
#include "recovery/UnsavedJournal.h"
#include "recovery/UnsavedWorkFiles.h"
#include "RecoveryFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace tceditor;
using namespace recovery;
namespace fs = std::filesystem;

namespace
{
void Write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

UnsavedStep StepOf(const char* time, const char* key, float value)
{
    UnsavedStep step{ time, false, {} };
    step.changes.push_back({ UnsavedModifier::Kind::Put, false, key, { key, 0, 1, { { "fog_start", value, value } } } });
    return step;
}

std::string JournalOf(const std::vector<UnsavedStep>& steps)
{
    std::string journal(JournalHeader());
    for (const UnsavedStep& step : steps)
        journal += JournalRecord(step);
    return journal;
}

const std::vector<UnsavedStep> kSteps = {
    StepOf("2026-12-10 10:00:00", "foggy", 1.0f),
    StepOf("2026-12-10 10:00:01", "sunny", 2.0f),
    StepOf("2026-12-10 10:00:02", "foggy", 3.0f),
};
constexpr const char* kName = "2026-12-10_10-00-00_1_1";
}

// Any byte changed anywhere: the journal is moved to "damaged" as it was,
// the work that reads is offered, and discarding the offer keeps the file.
TEST(UnsavedWorkFiles, AChangedByteMovesTheJournalAsideAndOffersWhatReads)
{
    const std::string journal = JournalOf(kSteps);
    TestFolder folder("flipped");
    for (size_t offset = 0; offset < journal.size(); ++offset)
    {
        SCOPED_TRACE("offset " + std::to_string(offset));
        std::string damaged = journal;
        damaged[offset] = char(damaged[offset] ^ 0x04);
        const fs::path path = folder.path / (std::to_string(offset) + ".journal");
        Write(path, damaged);
        std::vector<EndedSession> sessions = CollectEndedSessions(Utf16(folder.path));
        ASSERT_EQ(sessions.size(), 1u);
        EndedSession& session = sessions[0];
        EXPECT_NE(session.damage, "");
        EXPECT_EQ(session.work.modifiers, ReadJournal(damaged).work.modifiers);
        EXPECT_FALSE(session.work.Empty());
        const fs::path moved = folder.path / "damaged" / path.filename();
        EXPECT_EQ(session.movedTo, Utf16(moved));
        EXPECT_NE(FilesText(session).find(moved.string()), std::string::npos) << FilesText(session);
        session.Remove();
        EXPECT_EQ(ReadText(moved), damaged);
        EXPECT_FALSE(fs::exists(path));
        fs::remove(moved);
        if (::testing::Test::HasFailure())
            return;
    }
}

// Folders and files in places where journals, locks and rewrites go.
TEST(UnsavedWorkFiles, HostileFoldersLoseNothing)
{
    const std::string whole = JournalOf(kSteps);
    const std::string older = JournalOf({ kSteps[0] });
    const std::string journalName = std::string(kName) + ".journal";
    const std::string lockName = std::string(kName) + ".lock";
    struct Case
    {
        const char* name;
        std::function<void(const fs::path& folder)> make;
        // After the collection: the offers' count, and what must hold.
        size_t offers;
        std::function<void(const fs::path& folder, std::vector<EndedSession>&)> check;
    };
    const Case cases[] = {
        { "a folder named like a journal",
          [&](const fs::path& folder) { fs::create_directory(folder / journalName); },
          0,
          [&](const fs::path& folder, std::vector<EndedSession>&) {
              EXPECT_TRUE(fs::is_directory(folder / journalName));
              EXPECT_FALSE(fs::exists(folder / lockName));
          } },
        { "a lock that cannot be made",
          [&](const fs::path& folder) {
              Write(folder / journalName, whole);
              // Fails to open as a lock even for a user whom no folder refuses.
              fs::create_directory(folder / lockName);
          },
          1,
          [&](const fs::path& folder, std::vector<EndedSession>& sessions) {
              EXPECT_NE(sessions[0].unlockable, "");
              EXPECT_EQ(sessions[0].work.modifiers.size(), 2u);
              EXPECT_NE(FilesText(sessions[0]).find("offered again"), std::string::npos);
              sessions[0].Remove();
              EXPECT_EQ(ReadText(folder / journalName), whole);
          } },
        { "a lock without its journal",
          [&](const fs::path& folder) { Write(folder / lockName, ""); },
          0,
          [&](const fs::path& folder, std::vector<EndedSession>&) { EXPECT_TRUE(fs::is_empty(folder)); } },
        { "a whole rewrite that never took the journal's name",
          [&](const fs::path& folder) {
              Write(folder / journalName, older);
              Write(folder / (journalName + ".partial"), whole);
          },
          1,
          [&](const fs::path& folder, std::vector<EndedSession>& sessions) {
              EXPECT_EQ(sessions[0].damage, "");
              EXPECT_EQ(sessions[0].work.modifiers, ReadJournal(whole).work.modifiers);
              EXPECT_FALSE(fs::exists(folder / (journalName + ".partial")));
          } },
        { "a whole rewrite of a journal never written",
          [&](const fs::path& folder) { Write(folder / (journalName + ".partial"), whole); },
          1,
          [&](const fs::path& folder, std::vector<EndedSession>& sessions) {
              EXPECT_EQ(sessions[0].work.modifiers, ReadJournal(whole).work.modifiers);
              EXPECT_FALSE(fs::exists(folder / (journalName + ".partial")));
          } },
        { "a rewrite cut off",
          [&](const fs::path& folder) {
              Write(folder / journalName, older);
              Write(folder / (journalName + ".partial"), whole.substr(0, whole.size() - 7));
          },
          1,
          [&](const fs::path& folder, std::vector<EndedSession>& sessions) {
              EXPECT_EQ(sessions[0].work.modifiers, ReadJournal(older).work.modifiers);
              EXPECT_FALSE(fs::exists(folder / (journalName + ".partial")));
          } },
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        TestFolder folder("hostile");
        test.make(folder.path);
        std::vector<EndedSession> sessions = CollectEndedSessions(Utf16(folder.path));
        ASSERT_EQ(sessions.size(), test.offers);
        test.check(folder.path, sessions);
    }
}

// A "damaged" folder that links out of the unsaved folder is never used:
// the damaged journal stays where it is, and says so.
TEST(UnsavedWorkFiles, ADamagedFolderThatLinksOutIsNeverUsed)
{
    TestFolder folder("linked");
    TestFolder outside("outside");
    std::string damaged = JournalOf(kSteps);
    damaged[damaged.size() - 2] ^= 1;
    const fs::path journal = folder.path / (std::string(kName) + ".journal");
    Write(journal, damaged);
    fs::create_directory_symlink(outside.path, folder.path / "damaged");
    if (!fs::is_symlink(folder.path / "damaged"))
        GTEST_SKIP() << "Wine makes links that no Windows program can tell from folders";
    std::vector<EndedSession> sessions = CollectEndedSessions(Utf16(folder.path));
    ASSERT_EQ(sessions.size(), 1u);
    EXPECT_TRUE(fs::is_empty(outside.path));
    EXPECT_EQ(ReadText(journal), damaged);
    EXPECT_NE(FilesText(sessions[0]).find("left where it is"), std::string::npos) << FilesText(sessions[0]);
    EXPECT_EQ(sessions[0].work.modifiers.size(), 2u);
    sessions[0].Remove();
    EXPECT_EQ(ReadText(journal), damaged);
}

// What a running session holds is left alone: its lock, with or without
// its journal, and its rewrite in progress.
TEST(UnsavedWorkFiles, ARunningSessionsFilesAreLeftAlone)
{
    TestFolder folder("running");
    const fs::path journal = folder.path / (std::string(kName) + ".journal");
    const fs::path partial = folder.path / (std::string(kName) + ".journal.partial");
    const fs::path lonely = folder.path / "2026-12-10_10-00-09_2_1.lock";
    Write(journal, JournalOf(kSteps));
    Write(partial, JournalOf(kSteps).substr(0, 40));
    platform::FileLock held;
    platform::FileLock heldLonely;
    ASSERT_TRUE(platform::TryLockFile(Utf16(folder.path / (std::string(kName) + ".lock")), held));
    ASSERT_TRUE(platform::TryLockFile(Utf16(lonely), heldLonely));
    EXPECT_TRUE(CollectEndedSessions(Utf16(folder.path)).empty());
    EXPECT_TRUE(fs::exists(journal));
    EXPECT_TRUE(fs::exists(partial));
    EXPECT_TRUE(fs::exists(lonely));
    platform::ReleaseFileLock(held);
    platform::ReleaseFileLock(heldLonely);
}
