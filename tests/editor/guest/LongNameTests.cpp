// A modifier whose name is 40,000 bytes (the game's loader takes names of
// any length) through the editor's paths: the process goes on, every text
// shown names it shortened, and what is written keeps it whole.
#include "GuestEditor.h"

#include <gmock/gmock.h>

#include <fmt/format.h>

#include <algorithm>

using namespace tceditor;
using testing::HasSubstr;
namespace fs = std::filesystem;

namespace
{
const std::string kBig = "big_" + std::string(40000 - 4, 'n');
const std::string kShown = kBig.substr(0, 64) + "... (40,000 bytes)";
}

class LongNameTest : public GuestEditor
{
protected:
    void SetUp() override
    {
        GuestEditor::SetUp();
        smallgame::AddModifier(kBig, { { smallgame::kFogStart, 5.0f, 6.0f } });
        ui.Frame();
    }

    // Every text shown is short but the browser's rows ("> name"), which
    // show the name itself as the game has it.
    static void ExpectShort(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines)
        {
            if (line.starts_with("> "))
                continue;
            EXPECT_LT(line.size(), 1000u) << line.substr(0, 200);
        }
    }

    // Every text the last frame showed, in every window, is short; some
    // line names the long modifier shortened.
    void ExpectShownShortened(const char* where)
    {
        SCOPED_TRACE(where);
        const std::vector<std::string> lines = ui.Texts();
        ExpectShort(lines);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [](const std::string& line) { return line.find(kShown) != std::string::npos; }));
    }

    void Hover(const char* button)
    {
        ui.Hover(kWindow, button);
        ui.Frame();
    }

    void Select(const std::string& name)
    {
        tcModifier* modifier = timecycle::FindModifier(name);
        ASSERT_NE(modifier, nullptr);
        State().SelectFromBrowser(*modifier);
        ui.Frame();
    }
};

TEST_F(LongNameTest, EveryPathShowsItShortenedAndWritesItWhole)
{
    Select(kBig);
    ui.EnterValue(kWindow, "##" + fmt::format("{:x}", timecycle::FindModifier(kBig)->nameHash) + "-" +
                               std::to_string(int(smallgame::kFogStart)) + "-1",
                  "7.5");
    Hover("Undo");
    ExpectShownShortened("the value step's Undo");

    ui.SetText(kWindow, "##detail_name", "big_copy");
    ui.Click(kWindow, "Clone");
    Hover("Undo");
    ExpectShownShortened("the clone's Undo");

    Select(kBig);
    ui.SetText(kWindow, "##detail_name", "renamed_big");
    ui.Click(kWindow, "Rename");
    Hover("Undo");
    ExpectShownShortened("the rename's Undo");
    ui.Key("ctrl+z");
    Hover("Redo");
    ExpectShownShortened("the rename's Redo");
    ASSERT_NE(timecycle::FindModifier(kBig), nullptr) << "the undo gave the whole name back";

    // Undone again after the game removed the clone: skipped, with a message.
    smallgame::Manager().RemoveTimecycle(*timecycle::FindModifier("big_copy"));
    ui.Key("ctrl+z");
    ui.Frame();
    ExpectShort(ui.Texts());

    // Written whole: the session's document, the saved file, the unsaved work.
    ui.Click(kWindow, "Copy changed");
    EXPECT_THAT(ui.Clipboard(), HasSubstr("name=\"" + kBig + "\""));
    ExpectShownShortened("Copy changed");
    EXPECT_TRUE(WorkOnDisk().modifiers.contains("o:" + kBig));
    ui.Click(kWindow, "Save changed");
    bool saved = false;
    for (const auto& entry : fs::directory_iterator(SettledInstallRoot() / "data" / "timecycle-changes"))
    {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        saved = saved || bytes.find("name=\"" + kBig + "\"") != std::string::npos;
    }
    EXPECT_TRUE(saved);

    // A paste of a modifier of such a name.
    ui.SetClipboard("<timecycle_modifier_data>\n<modifier name=\"" + kBig + "_2\">\n<fog_start>1 2</fog_start>\n"
                    "</modifier>\n</timecycle_modifier_data>\n");
    ui.Click(kWindow, "Paste XML");
    ui.Frame();
    const std::vector<std::string> lines = ui.Texts();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Status ") && line.find(kBig.substr(0, 64) + "... (40,002 bytes)") != std::string::npos;
    })) << "a name the game would not take is named shortened";
    ExpectShort(ui.Texts());
}
