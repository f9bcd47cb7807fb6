// The unsaved work on disk, in one process: after each kind of step the
// journal rebuilds the game's records exactly in a fresh game; a gesture is
// kept once it ends; what is saved or undone is nothing unsaved; sessions
// that run at once keep their work apart; damaged work is moved aside.
#include "recovery/SessionRecovery.h"
#include "recovery/UnsavedJournal.h"
#include "RecoveryFiles.h"
#include "RecoveryScenario.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

using namespace tceditor;
using namespace recovery;
namespace fs = std::filesystem;

namespace
{
// An editor over a fresh game, keeping its work in `folder`.
struct Session
{
    std::unique_ptr<TimecycleEditorState> state;
    std::unique_ptr<SessionRecovery> keeper;

    explicit Session(const fs::path& folder, bool freshGame = true)
    {
        if (freshGame)
            recovery::StartGame();
        state = std::make_unique<TimecycleEditorState>(LiveGame());
        keeper = std::make_unique<SessionRecovery>(*state, Utf16(folder));
        state->recovery = keeper.get();
        while (!keeper->OffersReady())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void Keep()
    {
        keeper->CaptureCompletedSteps();
        keeper->Writer().WaitUntilWritten();
    }
    tcModifier& Named(const char* name) { return *state->game.FindModifierByName(name); }
};

std::string Records()
{
    return recovery::RecordsText(gamerecords::Read());
}

struct StepCase
{
    const char* kind;
    std::function<void(Session&)> step;
};
}

TEST(UnsavedWork, EveryKindOfStepOnDiskRebuildsTheGamesRecords)
{
    using namespace smallgame;
    const StepCase cases[] = {
        { "typed value", [](Session& s) { s.state->history.SetValue(s.Named("foggy"), kFogStart, ValueColumn::Outdoor, 0.1234f); } },
        { "drag", [](Session& s) {
              for (float value : { 1.5f, 2.5f, 3.75f })
                  s.state->history.SetValue(s.Named("foggy"), kFogDensity, ValueColumn::Indoor, value, 7);
              s.state->history.EndGesture();
          } },
        { "switch off", [](Session& s) { s.state->history.RemoveParameter(s.Named("sunny_day"), kSkyZenithR, ParameterChangeKind::Switched); } },
        { "add", [](Session& s) { s.state->history.AddParameter(s.Named("underwater"), "fog_start", nullptr, ParameterChangeKind::AddedOrDeleted); } },
        { "delete parameter", [](Session& s) { s.state->history.RemoveParameter(s.Named("vault_dark"), kLightDirMult, ParameterChangeKind::AddedOrDeleted); } },
        { "create", [](Session& s) { s.state->history.CreateModifier(std::string("brand_new")); } },
        { "rename", [](Session& s) { s.state->history.RenameModifier(s.Named("foggy"), "misty"); } },
        { "clone", [](Session& s) { s.state->history.CloneModifier(s.Named("sunny_day"), "sunny_copy"); } },
        { "delete modifier", [](Session& s) { s.state->history.DeleteModifier(s.Named("underwater")); } },
        { "revert", [](Session& s) {
              s.state->history.SetValue(s.Named("foggy"), kFogStart, ValueColumn::Outdoor, 9.0f);
              s.state->history.SetValue(s.Named("sunny_day"), kLightDirMult, ValueColumn::Outdoor, 9.0f);
              s.state->history.ReplaceModifier(s.Named("foggy"), *s.state->changes.Find("foggy")->original, "revert");
          } },
        { "paste", [](Session& s) {
              PasteModifiers(s.state->game, s.state->history,
                             "<timecycle_modifier_data><modifier name=\"foggy\" userFlags=\"3\"><fog_start>1e-30 -0</fog_start>"
                             "</modifier><modifier name=\"pasted\"><fog_density>0.1 0.2</fog_density></modifier></timecycle_modifier_data>");
          } },
        { "undo", [](Session& s) {
              s.state->history.DeleteModifier(s.Named("vault_dark"));
              s.state->history.RenameModifier(s.Named("foggy"), "misty");
              s.state->Undo();
          } },
        { "redo", [](Session& s) {
              s.state->history.CreateModifier(std::string("brand_new"));
              s.state->history.SetValue(s.Named("brand_new"), kFogStart, ValueColumn::Outdoor, 0.5f);
              s.state->Undo();
              s.state->Undo();
              s.state->Redo();
          } },
        { "names swapped", [](Session& s) {
              s.state->history.RenameModifier(s.Named("foggy"), "swap");
              s.state->history.RenameModifier(s.Named("sunny_day"), "foggy");
              s.state->history.RenameModifier(s.Named("swap"), "sunny_day");
          } },
        { "deleted, then created under its name", [](Session& s) {
              s.state->history.DeleteModifier(s.Named("foggy"));
              s.state->history.CreateModifier(std::string("foggy"));
              s.state->history.RenameModifier(s.Named("sunny_day"), "underwater_old");
              s.state->history.DeleteModifier(s.Named("underwater"));
              s.state->history.RenameModifier(s.Named("underwater_old"), "underwater");
          } },
        // More names than a scan each serves: the step's modifiers are
        // found through an index of the game's names.
        { "many at once", [](Session& s) {
              std::string text = "<timecycle_modifier_data><modifier name=\"foggy\"><fog_start>2 3</fog_start></modifier>";
              for (int i = 0; i < 12; ++i)
                  text += "<modifier name=\"many_" + std::to_string(i) + "\"><fog_density>0.5 0.6</fog_density></modifier>";
              PasteModifiers(s.state->game, s.state->history, text + "</timecycle_modifier_data>");
              s.state->history.DeleteModifier(s.Named("underwater"));
              s.state->history.RenameModifier(s.Named("sunny_day"), "sunny_renamed");
              s.state->history.DeleteModifier(s.Named("many_3"));
          } },
    };
    recovery::StartGame();
    const std::string initial = Records();
    for (const StepCase& test : cases)
    {
        SCOPED_TRACE(test.kind);
        TestFolder kept("steps");
        TestFolder ended("ended");
        std::string expected;
        {
            Session session(kept.path);
            test.step(session);
            session.Keep();
            expected = Records();
            ASSERT_NE(expected, initial) << "the step changed nothing";
            // The journal as it is now is what a kill would leave.
            const std::u16string path = session.keeper->Writer().JournalPath();
            const fs::path journal = fs::path(std::string(path.begin(), path.end()));
            fs::copy_file(journal, ended.path / journal.filename());
            if (test.kind == std::string("typed value"))
            {
                EXPECT_NE(ReadText(journal).find("p fog_start 0.1234 15\n"), std::string::npos) << ReadText(journal);
            }
        }
        Session restored(ended.path);
        ASSERT_NE(restored.keeper->CurrentOffer(), nullptr);
        restored.keeper->Restore();
        EXPECT_EQ(Records(), expected) << restored.state->CurrentStatus();
        EXPECT_EQ(restored.state->history.UndoDescription().rfind("restore unsaved work (", 0), 0u)
            << restored.state->history.UndoDescription();
        // One undo takes the whole restore back.
        restored.state->Undo();
        EXPECT_EQ(Records(), initial);
    }
}

TEST(UnsavedWork, AGestureIsKeptOnceItEnds)
{
    TestFolder folder("gesture");
    Session session(folder.path);
    session.state->history.SetValue(session.Named("foggy"), smallgame::kFogStart, ValueColumn::Outdoor, 3.0f, 9);
    session.Keep();
    EXPECT_TRUE(session.keeper->Writer().JournalPath().empty()) << "a step still growing was written";
    session.state->history.EndGesture();
    session.Keep();
    EXPECT_FALSE(session.keeper->Writer().JournalPath().empty());
}

// What "Save changed" saved, and what was undone, is nothing unsaved: the
// session leaves no files and the next start offers nothing.
TEST(UnsavedWork, SavedOrUndoneWorkIsNotOffered)
{
    const std::function<void(Session&)> endings[] = {
        [](Session& s) { s.keeper->NoteSaved(); },
        [](Session& s) {
            while (s.state->history.CanUndo())
                s.state->Undo();
        },
    };
    for (const auto& ending : endings)
    {
        TestFolder folder("saved");
        {
            Session session(folder.path);
            session.state->history.SetValue(session.Named("foggy"), smallgame::kFogStart, ValueColumn::Outdoor, 3.0f);
            session.state->history.RenameModifier(session.Named("sunny_day"), "sunny_renamed");
            session.state->history.CreateModifier(std::string("brand_new"));
            session.Keep();
            EXPECT_FALSE(fs::is_empty(folder.path));
            ending(session);
            session.Keep();
        }
        EXPECT_TRUE(fs::is_empty(folder.path));
        Session next(folder.path);
        EXPECT_EQ(next.keeper->CurrentOffer(), nullptr);
    }
}

// Two sessions of one install root (as two games would be) each keep their
// own work, held while they run; once ended, each is offered on its own.
TEST(UnsavedWork, SessionsRunningAtOnceKeepTheirWorkApart)
{
    TestFolder folder("apart");
    recovery::StartGame();
    {
        Session first(folder.path, false);
        Session second(folder.path, false);
        first.state->history.SetValue(first.Named("foggy"), smallgame::kFogStart, ValueColumn::Outdoor, 1.0f);
        second.state->history.SetValue(second.Named("sunny_day"), smallgame::kLightDirMult, ValueColumn::Outdoor, 2.5f);
        first.Keep();
        second.Keep();
        EXPECT_NE(first.keeper->Writer().JournalPath(), second.keeper->Writer().JournalPath());
        Session third(folder.path, false);
        EXPECT_EQ(third.keeper->CurrentOffer(), nullptr) << "the work of running sessions was offered";
    }

    Session next(folder.path);
    std::vector<std::string> offered;
    while (const EndedSession* offer = next.keeper->CurrentOffer())
    {
        ASSERT_EQ(offer->work.modifiers.size(), 1u);
        offered.push_back(offer->work.modifiers.begin()->second.key);
        next.keeper->Discard();
    }
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<std::string>{ "foggy", "sunny_day" }));
    EXPECT_TRUE(fs::is_empty(folder.path));
}

// A journal that does not read completely is moved to "damaged", never
// deleted, and what of it reads is offered; one whose last record was cut
// off while being appended is the work before that record.
TEST(UnsavedWork, DamagedWorkIsMovedAsideAndACutOffStepIsLeftOut)
{
    UnsavedStep first{ "2026-12-10 10:00:00", false, {} };
    first.changes.push_back({ UnsavedModifier::Kind::Put, false, "foggy", { "foggy", 0, 1, { { "fog_start", 4.0f, 4.0f } } } });
    UnsavedStep second{ "2026-12-10 10:00:05", false, {} };
    second.changes.push_back({ UnsavedModifier::Kind::Removed, false, "underwater", {} });
    const std::string whole = std::string(JournalHeader()) + JournalRecord(first) + JournalRecord(second);
    const std::string firstOnly = std::string(JournalHeader()) + JournalRecord(first);

    std::string flipped = whole;
    flipped[firstOnly.size() - 3] ^= 1;  // inside the first record
    struct Case
    {
        const char* name;
        std::string bytes;
        bool damaged;
        size_t modifiers;
    };
    const Case cases[] = {
        { "whole", whole, false, 2 },
        { "last record cut off", whole.substr(0, whole.size() - 5), false, 1 },
        { "last record's head cut off", firstOnly + "@4", false, 1 },
        { "a byte changed", flipped, true, 1 },
        { "header cut off", whole.substr(0, 10), true, 0 },
        { "not a journal", "<timecycle_modifier_data/>\n", true, 0 },
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        TestFolder folder("damaged");
        std::ofstream(folder.path / "2026-12-10_10-00-00_1_1.journal", std::ios::binary) << test.bytes;
        Session session(folder.path);
        const EndedSession* offer = session.keeper->CurrentOffer();
        ASSERT_NE(offer, nullptr);
        EXPECT_EQ(!offer->damage.empty(), test.damaged) << offer->damage;
        EXPECT_EQ(offer->work.modifiers.size(), test.modifiers);
        if (test.damaged)
        {
            const fs::path moved = folder.path / "damaged" / "2026-12-10_10-00-00_1_1.journal";
            EXPECT_EQ(std::string(offer->movedTo.begin(), offer->movedTo.end()), moved.string());
            EXPECT_EQ(ReadText(moved), test.bytes);
            session.keeper->Discard();
            EXPECT_EQ(ReadText(moved), test.bytes) << "damaged work was deleted";
        }
    }
}

// "Save to file" writes the work as a "Save changed" document beside the
// unsaved folder and removes it from there.
TEST(UnsavedWork, SaveToFileWritesTheDocumentAndRemovesTheWork)
{
    TestFolder root("save");
    const fs::path folder = root.path / "unsaved";
    {
        Session session(folder);
        session.state->history.SetValue(session.Named("foggy"), smallgame::kFogStart, ValueColumn::Outdoor, 0.1234f);
        session.state->history.DeleteModifier(session.Named("underwater"));
        session.state->history.CreateModifier(std::string("brand_new"));
        session.Keep();
    }
    Session next(folder);
    ASSERT_NE(next.keeper->CurrentOffer(), nullptr);
    EXPECT_EQ(OfferText(*next.keeper->CurrentOffer()).substr(52),
              "; it left 3 modifiers changed (1 created, 1 removed)");
    next.keeper->SaveToFile();
    EXPECT_EQ(next.keeper->CurrentOffer(), nullptr);
    EXPECT_TRUE(fs::is_empty(folder));
    std::vector<fs::path> documents;
    for (const fs::directory_entry& entry : fs::directory_iterator(root.path))
        if (entry.path().extension() == ".xml")
            documents.push_back(entry.path());
    ASSERT_EQ(documents.size(), 1u) << next.state->CurrentStatus();
    const std::string document = ReadText(documents[0]);
    for (const char* part : { "<modifier name=\"foggy\"", "<modifier name=\"brand_new\"", "underwater", "Removed this session:" })
        EXPECT_NE(document.find(part), std::string::npos) << part << "\n" << document;
    EXPECT_EQ(next.state->CurrentStatus(), "Saved to " + documents[0].string());
}

// A journal grown well past its work is written whole again, and still
// gives back the last step.
TEST(UnsavedWork, AGrownJournalIsRewrittenWhole)
{
    TestFolder kept("grown");
    TestFolder ended("grown-ended");
    std::string expected;
    {
        Session session(kept.path);
        for (int i = 0; i < 12000; ++i)
        {
            session.state->history.SetValue(session.Named("foggy"), smallgame::kFogStart, ValueColumn::Outdoor, float(i));
            session.keeper->CaptureCompletedSteps();
            // In bursts the writer's queue holds whole, so every step is
            // written rather than folded into the next.
            if (i % 1000 == 999)
                session.keeper->Writer().WaitUntilWritten();
        }
        session.Keep();
        expected = Records();
        const std::u16string path = session.keeper->Writer().JournalPath();
        const fs::path journal = fs::path(std::string(path.begin(), path.end()));
        EXPECT_GT(session.keeper->Writer().BytesWritten(), uint64_t(1) << 20);
        // Rewritten whole once grown 1 MiB past its work (one modifier here,
        // far under 4 KiB), however the steps were batched.
        EXPECT_LE(fs::file_size(journal), (uint64_t(1) << 20) + 4096);
        fs::copy_file(journal, ended.path / journal.filename());
    }
    Session restored(ended.path);
    ASSERT_NE(restored.keeper->CurrentOffer(), nullptr);
    restored.keeper->Restore();
    EXPECT_EQ(Records(), expected);
}

// A parameter switched off and on again stands last, but the modifier is
// as loaded: neither the session nor its unsaved work counts it changed.
TEST(UnsavedWork, OnlyReorderedParametersAreNothingUnsaved)
{
    TestFolder folder("reordered");
    {
        Session session(folder.path);
        tcModifier& sunny = session.Named("sunny_day");
        const tcModData values{ smallgame::kLightDirMult, 2.0f, 1.5f };
        ASSERT_TRUE(session.state->history.RemoveParameter(sunny, smallgame::kLightDirMult, ParameterChangeKind::Switched));
        ASSERT_TRUE(session.state->history.AddParameter(sunny, "light_dir_mult", &values, ParameterChangeKind::Switched));
        ASSERT_EQ(sunny.modData[sunny.numMods - 1].varId, smallgame::kLightDirMult) << "not moved to the end";
        session.Keep();
        EXPECT_EQ(session.state->changes.ChangedCount(), 0);
    }
    Session next(folder.path);
    EXPECT_EQ(next.keeper->CurrentOffer(), nullptr);
}

// While writes fail as on a full disk, a warning stays whatever the
// editor does; once they work again the writer writes the whole work on
// its own, the status line says so, and a kill then loses nothing.
TEST(UnsavedWork, WhileWritesFailAWarningStaysAndTheWorkComesBackWhole)
{
    struct Failing
    {
        Failing() { UnsavedWorkWriter::FailWritesForTesting("No space left on device"); }
        ~Failing() { UnsavedWorkWriter::FailWritesForTesting({}); }
    };
    TestFolder kept("full");
    TestFolder ended("full-ended");
    Session session(kept.path);
    session.state->history.SetValue(session.Named("underwater"), smallgame::kFogStart, ValueColumn::Outdoor, -1.0f);
    session.Keep();
    {
        Failing failing;
        for (int i = 0; i < 40; ++i)
        {
            session.state->history.SetValue(session.Named("foggy"), smallgame::kFogStart, ValueColumn::Outdoor, float(i));
            session.Keep();
            session.state->SetStatus("another message", false);
            session.keeper->CaptureCompletedSteps();
            EXPECT_NE(session.keeper->NotKeptWarning().find("No space left on device"), std::string::npos)
                << "step " << i;
        }
        session.state->history.DeleteModifier(session.Named("vault_dark"));
        session.Keep();
        EXPECT_NE(session.keeper->NotKeptWarning(), "");
    }
    // No step comes; the writer tries again by itself.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!session.keeper->Writer().Error().empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    session.keeper->CaptureCompletedSteps();
    EXPECT_EQ(session.keeper->NotKeptWarning(), "");
    EXPECT_EQ(session.state->CurrentStatus(), "Unsaved work is kept on disk again");

    const std::string expected = Records();
    const std::u16string path = session.keeper->Writer().JournalPath();
    const fs::path journal = fs::path(std::string(path.begin(), path.end()));
    fs::copy_file(journal, ended.path / journal.filename());
    Session restored(ended.path);
    ASSERT_NE(restored.keeper->CurrentOffer(), nullptr);
    restored.keeper->Restore();
    EXPECT_EQ(Records(), expected) << restored.state->CurrentStatus();
}

// Work from another data set: the game refuses a renamed modifier's new
// name (another modifier has it) and lacks a removed one. The refused
// modifier is left as it was under its own name, never under the name it
// was parked under, and the status line counts what happened.
TEST(UnsavedWork, ARestoreTheGameRefusesLeavesNoParkingNameAndCountsTheTruth)
{
    TestFolder folder("refused");
    UnsavedStep step{ "2026-12-10 10:00:00", false, {} };
    step.changes.push_back({ UnsavedModifier::Kind::Put, false, "foggy", { "sunny_day", 0, 1, { { "fog_start", 1.0f, 2.0f } } } });
    step.changes.push_back({ UnsavedModifier::Kind::Put, false, "underwater", { "underwater", 7, 1, { { "fog_start", 3.0f, 4.0f } } } });
    step.changes.push_back({ UnsavedModifier::Kind::Removed, false, "not_in_this_game", {} });
    std::ofstream(folder.path / "2026-12-10_10-00-00_1_1.journal", std::ios::binary)
        << std::string(JournalHeader()) + JournalRecord(step);

    Session session(folder.path);
    ASSERT_NE(session.keeper->CurrentOffer(), nullptr);
    session.keeper->Restore();
    const std::string status = session.state->CurrentStatus();
    EXPECT_EQ(status.rfind("Restored 1 of 3 modifiers from the session whose last change was at 2026-12-10 10:00:00", 0), 0u)
        << status;
    EXPECT_NE(status.find("the game refused foggy, which kept its old values"), std::string::npos) << status;
    EXPECT_NE(status.find("not found in the game: not_in_this_game"), std::string::npos) << status;
    ASSERT_NE(session.state->game.FindModifierByName("foggy"), nullptr);
    EXPECT_EQ(session.state->game.FindModifierByName("foggy~restoring1"), nullptr);
    const tcModifier& foggy = session.Named("foggy");
    ASSERT_EQ(foggy.numMods, 2);
    EXPECT_EQ(foggy.modData[1].varId, smallgame::kFogStart);
    EXPECT_EQ(foggy.modData[1].value1, 5.0f);
    EXPECT_EQ(session.Named("underwater").userFlags, 7u);
}
