// The popup "Unsaved timecycle work" over the stand-in game: the work of each
// ended session, newest first, with "Restore" (one undoable step), "Save to
// file" and "Discard" (asked once more, "Keep" goes back).
#include "EditorOverSmallGame.h"
#include "GameRecords.h"
#include "recovery/SessionRecovery.h"
#include "recovery/UnsavedJournal.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>

namespace fs = std::filesystem;

class UnsavedWorkPopupTest : public EditorOverSmallGame
{
protected:
    void SetUp() override
    {
        EditorOverSmallGame::SetUp();
        m_folder = fs::temp_directory_path() / ("vesk-unsaved-popup-" + std::to_string(std::random_device()()));
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        m_recovery.reset();
        fs::remove_all(m_folder);
        EditorOverSmallGame::TearDown();
    }

    // An ended session's journal with one step.
    void WriteEnded(const std::string& file, const UnsavedStep& step)
    {
        std::ofstream(m_folder / file, std::ios::binary) << JournalHeader() << JournalRecord(step);
    }

    // Starts keeping this session's work, finds the ended ones, and draws.
    void Start()
    {
        const std::string folder = m_folder.string();
        m_recovery = std::make_unique<SessionRecovery>(state, std::u16string(folder.begin(), folder.end()));
        state.recovery = m_recovery.get();
        while (!m_recovery->OffersReady())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ui.Frame(3);
    }

    fs::path m_folder;
    std::unique_ptr<SessionRecovery> m_recovery;
};

TEST_F(UnsavedWorkPopupTest, OffersEachEndedSessionNewestFirstAndActsOnIt)
{
    using Kind = UnsavedModifier::Kind;
    UnsavedStep older{ "2026-12-09 08:00:00", false, {} };
    older.changes.push_back({ Kind::Put, false, "underwater", { "underwater", 2, 1, { { "fog_start", 0.1234f, 3.0f } } } });
    UnsavedStep newer{ "2026-12-10 14:03:22", false, {} };
    newer.changes.push_back({ Kind::Put, true, "my_new_look", { "my_new_look", 0, 1, { { "fog_density", 0.5f, 0.25f } } } });
    newer.changes.push_back({ Kind::Removed, false, "vault_dark", {} });
    WriteEnded("2026-12-09_08-00-00_1_1.journal", older);
    WriteEnded("2026-12-10_14-00-00_2_1.journal", newer);
    Start();

    EXPECT_TRUE(Shows("Unsaved timecycle work"));
    EXPECT_TRUE(Shows("Ended session 1 of 2"));
    const std::string newest = "The session's last change was at 2026-12-10 14:03:22; it left 2 modifiers changed "
                               "(1 created, 1 removed)";
    EXPECT_TRUE(Shows(newest));
    EXPECT_TRUE(Shows("Created: my_new_look"));
    EXPECT_TRUE(Shows("Removed: vault_dark"));
    EXPECT_FALSE(ShowsPart("Changed: "));
    for (const char* button : { "[ Restore ]", "[ Save to file ]", "[ Discard ]" })
        EXPECT_TRUE(ShowsPart(button)) << button;
    const ImRect restoreButton = ui.Find(kWindow, "Restore").rect;

    // "Discard" asks once more; "Keep" goes back to the offer.
    ui.Click(kWindow, "Discard");
    EXPECT_TRUE(Shows("Discard the unsaved work on 2 modifiers for good?"));
    ui.Click(kWindow, "Keep");
    EXPECT_TRUE(Shows(newest));
    EXPECT_TRUE(fs::exists(m_folder / "2026-12-10_14-00-00_2_1.journal"));
    ui.Click(kWindow, "Discard");
    // A double click on the confirmation's buttons never reaches the next
    // offer's "Restore".
    for (const char* button : { "Discard", "Keep" })
        EXPECT_FALSE(ui.Find(kWindow, button).rect.Overlaps(restoreButton)) << button;
    ui.Click(kWindow, "Discard");
    EXPECT_FALSE(fs::exists(m_folder / "2026-12-10_14-00-00_2_1.journal"));
    EXPECT_TRUE(gamerecords::Read().contains("vault_dark")) << "discarded work reached the game";

    // The older one next: restored as one step, taken back by one undo.
    EXPECT_TRUE(Shows("Ended session 2 of 2"));
    EXPECT_TRUE(Shows("The session's last change was at 2026-12-09 08:00:00; it left 1 modifier changed (0 created, "
                      "0 removed)"));
    EXPECT_TRUE(Shows("Changed: underwater"));
    const gamerecords::Records before = gamerecords::Read();
    ui.Click(kWindow, "Restore");
    EXPECT_FALSE(Shows("Unsaved timecycle work"));
    const gamerecords::Modifier restored = gamerecords::Read().at("underwater");
    EXPECT_EQ(restored.userFlags, 2u);
    ASSERT_EQ(restored.params.size(), 1u);
    EXPECT_EQ(restored.params[0].value1Bits, std::bit_cast<uint32_t>(0.1234f));
    EXPECT_EQ(state.history.UndoDescription(), "restore unsaved work (1 modifier)");
    // What came back is named, and the one modifier selected.
    EXPECT_EQ(state.CurrentStatus(),
              "Restored 1 modifier (underwater) from the session whose last change was at 2026-12-09 08:00:00");
    ASSERT_NE(state.SelectedModifier(), nullptr);
    EXPECT_EQ(state.game.GetTimecycleName(*state.SelectedModifier()), "underwater");
    EXPECT_STREQ(state.nameInput, "underwater");
    m_recovery->Writer().WaitUntilWritten();
    EXPECT_FALSE(fs::exists(m_folder / "2026-12-09_08-00-00_1_1.journal")) << "restored work stays unsaved here";
    state.Undo();
    EXPECT_EQ(gamerecords::Read(), before);
}

TEST_F(UnsavedWorkPopupTest, NamesAFewModifiersAndCountsTheRest)
{
    UnsavedStep step{ "2026-12-10 14:03:22", false, {} };
    for (int i = 0; i < 8; ++i)
    {
        const std::string name = "made_" + std::to_string(i);
        step.changes.push_back({ UnsavedModifier::Kind::Put, true, name, { name, 0, 1, { { "fog_density", 0.5f, 0.25f } } } });
    }
    WriteEnded("2026-12-10_14-00-00_2_1.journal", step);
    Start();
    EXPECT_FALSE(ShowsPart("Ended session "));
    EXPECT_TRUE(Shows("Created: made_0, made_1, made_2, made_3, made_4, and 3 more"));
    ui.Click(kWindow, "Discard");
    EXPECT_TRUE(Shows("Discard the unsaved work on 8 modifiers for good?"));
}

TEST_F(UnsavedWorkPopupTest, ReportsDamagedWorkMovedAside)
{
    std::ofstream(m_folder / "2026-12-10_14-00-00_2_1.journal", std::ios::binary) << "vesk unsaved timecycle work 1\n@9 00000000\nnonsense\n";
    Start();
    EXPECT_TRUE(ShowsPart("The unsaved work of an ended session does not read completely (record 1 fails its checksum); "
                          "nothing in it could be read, and the file is kept in "));
    EXPECT_TRUE(fs::exists(m_folder / "damaged" / "2026-12-10_14-00-00_2_1.journal"));
    ui.Click(kWindow, "OK");
    EXPECT_FALSE(Shows("Unsaved timecycle work"));
    EXPECT_TRUE(fs::exists(m_folder / "damaged" / "2026-12-10_14-00-00_2_1.journal"));
}

// What reads of a damaged journal is offered as any work is; the file stays
// in "damaged" after the restore.
TEST_F(UnsavedWorkPopupTest, OffersWhatReadsOfDamagedWork)
{
    using Kind = UnsavedModifier::Kind;
    UnsavedStep first{ "2026-12-10 14:03:20", false, {} };
    first.changes.push_back({ Kind::Removed, false, "vault_dark", {} });
    UnsavedStep second{ "2026-12-10 14:03:22", false, {} };
    second.changes.push_back({ Kind::Put, false, "underwater", { "underwater", 2, 1, { { "fog_start", 0.5f, 3.0f } } } });
    std::string bytes = std::string(JournalHeader()) + JournalRecord(first) + JournalRecord(second);
    bytes[JournalHeader().size() + 40] ^= 1;  // within the first record's text
    const fs::path moved = m_folder / "damaged" / "2026-12-10_14-00-00_2_1.journal";
    std::ofstream(m_folder / "2026-12-10_14-00-00_2_1.journal", std::ios::binary) << bytes;
    Start();
    EXPECT_TRUE(ShowsPart("The unsaved work of an ended session does not read completely (record 1 fails its checksum; "
                          "1 record read, 1 of them after the damage); what could be read is offered, and the file is "
                          "kept in "));
    EXPECT_TRUE(Shows("The session's last change was at 2026-12-10 14:03:22; it left 1 modifier changed (0 created, 0 removed)"));
    ui.Click(kWindow, "Restore");
    EXPECT_FALSE(Shows("Unsaved timecycle work"));
    EXPECT_EQ(gamerecords::Read().at("underwater").userFlags, 2u);
    EXPECT_TRUE(gamerecords::Read().contains("vault_dark"));
    m_recovery->Writer().WaitUntilWritten();
    std::ifstream kept(moved, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), bytes);
}

// While the work cannot be written a row under the status line says so,
// whatever else the status line says; it goes once writing works again.
TEST_F(UnsavedWorkPopupTest, ARowSaysWhileTheWorkIsNotKept)
{
    Start();
    UnsavedWorkWriter::FailWritesForTesting("No space left on device");
    state.history.CreateModifier(std::string("brand_new"));
    ui.Frame(1);
    m_recovery->Writer().WaitUntilWritten();
    ui.Frame(1);
    state.SetStatus("something else", false);
    ui.Frame(2);
    UnsavedWorkWriter::FailWritesForTesting({});
    EXPECT_TRUE(ShowsPart("Warning Unsaved work is not being kept on disk (No space left on device)"));
    EXPECT_TRUE(Shows("Status something else"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!m_recovery->Writer().Error().empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ui.Frame(2);
    EXPECT_FALSE(ShowsPart("Unsaved work is not being kept on disk"));
    EXPECT_TRUE(Shows("Status Unsaved work is kept on disk again"));
}
