// The session's work in one piece, in real frames: "Copy changed" gives every
// changed and created modifier (the removed ones named in a comment) and
// nothing else; "Save changed" writes the same document as a new file under
// the install root, whole or not at all; the document brings the modifiers
// back through "Paste XML" and through the game's own loader.
#include "DetailPaneFixture.h"
#include "documents/ModifierDocumentFile.h"
#include "editing/ModifierDocumentOfGame.h"
#include "FreshInstallRoot.h"
#include "GameRecords.h"

#include <LaunchEnvironment.h>
#include <Platform.h>
#include <Utils.h>

#include <gmock/gmock.h>

#include <regex>

using namespace tceditor;
using testing::HasSubstr;
using testing::StartsWith;

namespace fs = std::filesystem;

namespace
{

std::string ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
}

class SessionExportTest : public DetailPaneTest
{
protected:
    void SetUp() override
    {
        DetailPaneTest::SetUp();
        // Settled first: the root is read once, at its first use.
        const fs::path& root = SettledInstallRoot();
        ASSERT_EQ(ToUtf8(GetInstallRoot()), ToUtf8(root.u16string() + platform::kPathSeparator));
        std::error_code ignored;
        fs::remove_all(SettledInstallRoot() / "data", ignored);
    }

    fs::path ChangesFolder() const { return SettledInstallRoot() / "data" / "timecycle-changes"; }

    std::string Tooltip(const char* button)
    {
        ui.Hover(kWindow, button);
        for (const std::string& line : ui.Texts(kWindow))
            if (line.starts_with("Copies ") || line.starts_with("Saves ") || line.starts_with("Nothing "))
                return line;
        return {};
    }

    // Two modifiers edited, one created, one removed, one left alone.
    void EditASession()
    {
        tcModifier& first = MakeModifier("first_mod", { { kFogStart, 1.0f, 2.0f } });
        MakeModifier("unchanged_mod", { { kFogDensity, 0.5f, 0.5f } });
        tcModifier& second = MakeModifier("second_mod", { { kSkyTint, -1.0f, -1.0f }, { kZeroVar, 0.25f, 0.5f } });
        second.userFlags = 6;
        tcModifier& doomed = MakeModifier("doomed_mod", { { kZeroVar, 0.125f, 0.25f } });

        Select(first);
        ui.EnterValue(kWindow, Value1(first, kFogStart), "3.5");
        Select(second);
        ui.EnterValue(kWindow, Value2(second, kSkyTint), "-2.25");
        ui.SetText(kWindow, "##detail_name", "made_mod");
        ui.Click(kWindow, "Create");
        Select(doomed);
        ui.Click(kWindow, "Delete", 0);
        ui.Frame();
    }

    static constexpr const char* kSessionDocument = R"(<?xml version="1.0"?>
<!--
    Removed this session:
    doomed_mod
-->
<timecycle_modifier_data version="1.000000">
    <modifier name="first_mod" description="" numMods="1" userFlags="0">
        <fog_start>3.5 2</fog_start>
    </modifier>
    <modifier name="second_mod" description="" numMods="2" userFlags="6">
        <sky_tint>-1 -2.25</sky_tint>
        <zero_var>0.25 0.5</zero_var>
    </modifier>
    <modifier name="made_mod" description="" numMods="0" userFlags="0"/>
</timecycle_modifier_data>
)";
};

TEST_F(SessionExportTest, CopyChangedGivesExactlyTheSessionsWorkUntilEverythingIsUndone)
{
    MakeModifier("bystander");
    Select(*timecycle::FindModifier("bystander"));
    EXPECT_TRUE(ui.Find(kWindow, "Copy changed").Disabled());
    EXPECT_EQ(Tooltip("Copy changed"), "Nothing changed this session");

    EditASession();
    ui.Click(kWindow, "bystander");
    EXPECT_EQ(Tooltip("Copy changed"),
              "Copies every modifier this session changed or created as one document (3 modifiers changed or "
              "created, 1 removed)");
    ui.Click(kWindow, "Copy changed");
    EXPECT_EQ(ui.Clipboard(), kSessionDocument);
    EXPECT_EQ(Status(), "Copied 3 modifiers changed or created, 1 removed");

    while (state.history.CanUndo())
        ui.Key("ctrl+z");
    EXPECT_TRUE(ui.Find(kWindow, "Copy changed").Disabled());
    EXPECT_TRUE(ui.Find(kWindow, "Save changed").Disabled());
    EXPECT_EQ(ChangedModifiersText(state.game, state.changes),
              "<?xml version=\"1.0\"?>\n<timecycle_modifier_data version=\"1.000000\"/>\n");
}

TEST_F(SessionExportTest, SaveChangedWritesTheDocumentAsANewFileUnderTheInstallRoot)
{
    EditASession();
    ui.Click(kWindow, "first_mod");
    ui.Click(kWindow, "Save changed");

    const std::vector<std::string> files = FilesIn(ChangesFolder());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(std::regex_match(files[0], std::regex(R"(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.xml)"))) << files[0];
    const fs::path saved = ChangesFolder() / files[0];
    EXPECT_EQ(ReadFile(saved), kSessionDocument);
    EXPECT_EQ(Status(), "Saved to " + ToUtf8(saved.u16string()) + " (3 modifiers changed or created, 1 removed)");
    EXPECT_EQ(FilesIn(SettledInstallRoot()), std::vector<std::string>{ "data" });

    // A second save never replaces the first.
    ui.Click(kWindow, "Save changed");
    const std::vector<std::string> both = FilesIn(ChangesFolder());
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(ReadFile(ChangesFolder() / both[0]), kSessionDocument);
    EXPECT_EQ(ReadFile(ChangesFolder() / both[1]), kSessionDocument);
}

TEST_F(SessionExportTest, TheSavedFileBringsTheSessionBackThroughTheLoaderAndThroughPaste)
{
    EditASession();
    gamerecords::Records edited = gamerecords::Read();
    edited.erase("unchanged_mod");
    ui.Click(kWindow, "first_mod");
    ui.Click(kWindow, "Save changed");
    const std::vector<std::string> files = FilesIn(ChangesFolder());
    ASSERT_EQ(files.size(), 1u);
    const fs::path saved = ChangesFolder() / files[0];

    // A game without those modifiers loads them from the file.
    const auto freshGame = [&] {
        state.ResetEditorState();
        state.isOpen = true;
        timecycle::ResetManager();
        ASSERT_EQ(timecycle::LoadVariableTable((m_folder / "variables.xml").string()).variablesLoaded, kVariableCount);
    };
    freshGame();
    const timecycle::LoadReport report = timecycle::LoadModifierFile(saved.string());
    EXPECT_TRUE(report.messages.empty());
    EXPECT_EQ(report.modifiersLoaded, 3);
    EXPECT_EQ(gamerecords::Read(), edited);

    // A game started again from its data has them as they were: the paste
    // updates and creates them.
    freshGame();
    MakeModifier("first_mod", { { kFogStart, 1.0f, 2.0f } });
    tcModifier& second = MakeModifier("second_mod", { { kSkyTint, -1.0f, -1.0f }, { kZeroVar, 0.25f, 0.5f } });
    MakeModifier("doomed_mod", { { kZeroVar, 0.125f, 0.25f } });
    Select(second);
    ui.SetClipboard(ReadFile(saved));
    ui.Click(kWindow, "Paste XML");
    EXPECT_EQ(Status(), "Pasted 3 modifiers: 2 updated, 1 created");
    gamerecords::Records pasted = gamerecords::Read();
    pasted.erase("doomed_mod");
    EXPECT_EQ(pasted, edited);
}

// A folder that cannot take the file: nothing is written, nothing is left
// behind, and the status line says why.
struct Unwritable
{
    const char* name;
    const char* fileInTheWay;  // under the install root
    const char* status;
};

void PrintTo(const Unwritable& param, std::ostream* out)
{
    *out << param.name;
}

class UnwritableFolderTest : public SessionExportTest, public testing::WithParamInterface<Unwritable>
{
};

TEST_P(UnwritableFolderTest, LeavesNoFileAndSaysWhy)
{
    fs::create_directories(SettledInstallRoot() / "data");
    const fs::path inTheWay = SettledInstallRoot() / GetParam().fileInTheWay;
    fs::remove(inTheWay);
    std::ofstream(inTheWay, std::ios::binary) << "not a folder";
    EditASession();
    ui.Click(kWindow, "first_mod");

    ui.Click(kWindow, "Save changed");
    std::string expected = GetParam().status;
    expected.replace(expected.find("ROOT"), 4, ToUtf8(SettledInstallRoot().u16string() + platform::kPathSeparator));
    std::replace(expected.begin(), expected.end(), '/', static_cast<char>(platform::kPathSeparator));
    EXPECT_THAT(Status(), StartsWith(expected));
    EXPECT_GT(Status().size(), expected.size() + 2) << "the system's reason follows";

    EXPECT_EQ(ReadFile(inTheWay), "not a folder");
    std::vector<std::string> everything;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(SettledInstallRoot()))
        everything.push_back(fs::relative(entry.path(), SettledInstallRoot()).generic_string());
    std::sort(everything.begin(), everything.end());
    const std::vector<std::string> expectedFiles =
        std::string_view(GetParam().fileInTheWay) == "data" ? std::vector<std::string>{ "data" }
                                                            : std::vector<std::string>{ "data", "data/timecycle-changes" };
    EXPECT_EQ(everything, expectedFiles);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, UnwritableFolderTest,
    testing::Values(Unwritable{ "ChangesFolderIsAFile", "data/timecycle-changes", "Save failed: cannot write ROOTdata/timecycle-changes/" },
                    Unwritable{ "DataFolderIsAFile", "data",
                                "Save failed: cannot create the folder ROOTdata/timecycle-changes: " }));
