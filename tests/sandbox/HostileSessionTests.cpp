// Hostile sessions replayed through vesk-sandbox, headless, over the real
// component and the committed data: the game loads its own modifiers while
// the editor's history and "Compare" hold on to theirs. The game's records
// are compared as `tc_save` writes them, before and after.
#include "SandboxProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A timecycle_modifier_data document with one modifier of the game's own.
std::string OwnModifier(const std::string& name)
{
    return R"(<?xml version="1.0"?>
<timecycle_modifier_data version="1.000000">
    <modifier name=")" + name + R"(" description="" numMods="2" userFlags="5">
        <fog_start>4.5 6.5</fog_start>
        <light_street_mult>0.25 0.75</light_street_mult>
    </modifier>
</timecycle_modifier_data>
)";
}

class HostileSession : public testing::Test
{
protected:
    std::string Saved(const char* name) const { return ReadFile(folder + "/" + name); }

    const std::string folder = TestFolder();
};
}

// The editor creates foo and deletes it; the game loads its own foo; two
// undos must leave the game's foo alone.
TEST_F(HostileSession, UndoPastAForeignLoadLeavesTheGamesModifier)
{
    const std::string own = WriteFile(folder, "own.xml", OwnModifier("foo"));
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_type ##detail_name foo
ui_click Create
ui_click Delete 0
tc_load )" + own + R"(
tc_save foo )" + folder + R"(/loaded.xml
ui_key ctrl+z
ui_key ctrl+z
tc_save foo )" + folder + R"(/after.xml
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Saved("after.xml"), Saved("loaded.xml"));
}

// "Compare" held, then the editor closed (by its variable, or by the game
// shutting networking down): the edit is back in the game after the
// release, exactly.
class CompareHeldWhileClosing : public HostileSession, public testing::WithParamInterface<const char*>
{
};

TEST_P(CompareHeldWhileClosing, PutsTheEditBack)
{
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
tc_save w_clear_light )" + folder + R"(/edited.xml
ui_press Compare
tc_save w_clear_light )" + folder + R"(/held.xml
)" + GetParam() + R"(
frame 2
ui_release
frame 2
tc_save w_clear_light )" + folder + R"(/after.xml
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(Saved("held.xml"), Saved("edited.xml")) << "Compare showed the original";
    EXPECT_EQ(Saved("after.xml"), Saved("edited.xml"));
}

INSTANTIATE_TEST_SUITE_P(HostileSession, CompareHeldWhileClosing,
                         testing::Values("set timecycleeditor false", "kill_network"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "EditorVariable" : "NetworkShutDown");
                         });

// A tc_load of the compared modifier while "Compare" is held: the release
// leaves the loaded modifier alone and says so.
TEST_F(HostileSession, ALoadWhileCompareIsHeldIsNotOverwritten)
{
    const std::string own = WriteFile(folder, "own.xml", OwnModifier("w_clear_light"));
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
ui_press Compare
tc_load )" + own + R"(
tc_save w_clear_light )" + folder + R"(/loaded.xml
ui_release
tc_save w_clear_light )" + folder + R"(/after.xml
ui_texts
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Saved("after.xml"), Saved("loaded.xml"));
    EXPECT_EQ(run.CountContaining("Status Compare ended: the game changed w_clear_light while its original was shown, "
                                  "so the edit was not put back"),
              1)
        << run.output;
}

// A click on "Compare" after a parameter was deleted: the row stays gone
// (its switch cannot be found) and the game keeps the edit.
TEST_F(HostileSession, AClickOnCompareBringsNoDeletedRowBack)
{
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
ui_click Delete##{hash:w_clear_light}-{var:light_street_mult}-del
tc_save w_clear_light )" + folder + R"(/edited.xml
ui_click Compare
tc_save w_clear_light )" + folder + R"(/after.xml
ui_click ##{hash:w_clear_light}-{var:light_street_mult}-check
)");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(run.CountContaining(":8: the script stops here: ui_click ##"), 1) << run.output;
    EXPECT_EQ(Saved("after.xml"), Saved("edited.xml"));
}

// Switched off, "Add" of the same variable, a click on another modifier:
// the click writes nothing, and two undos (the switch on, the switch off)
// lead back to the start without a message.
TEST_F(HostileSession, AddOfASwitchedOffVariableThenAnotherModifierRewritesNothing)
{
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
tc_save w_clear_light )" + folder + R"(/before.xml
ui_click ##{hash:w_clear_light}-{var:light_street_mult}-check
ui_type ##input light_street_mult
ui_click Add
tc_save w_clear_light )" + folder + R"(/added.xml
ui_click tod_sunrise_warm
tc_save w_clear_light )" + folder + R"(/after.xml
ui_key ctrl+z
ui_key ctrl+z
tc_save w_clear_light )" + folder + R"(/undone.xml
ui_texts
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Saved("after.xml"), Saved("added.xml"));
    EXPECT_EQ(Saved("undone.xml"), Saved("before.xml"));
    EXPECT_EQ(run.CountContaining("skipped"), 0) << run.output;
}

// "Revert" of a renamed modifier whose old name the game has given another
// modifier: the content goes back, the name stays, the status line says so.
TEST_F(HostileSession, RevertWhoseNameIsTakenSaysSo)
{
    const std::string own = WriteFile(folder, "own.xml", OwnModifier("w_clear_light"));
    const SandboxRun run = RunScript(folder, R"(timecycleeditor true
frame
ui_click w_clear_light
tc_save w_clear_light )" + folder + R"(/original.xml
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
ui_click ##detail_name
ui_key ctrl+a
ui_key backspace
ui_type ##detail_name w_clear_renamed
ui_click Rename
tc_load )" + own + R"(
tc_save w_clear_light )" + folder + R"(/loaded.xml
ui_click Revert
tc_save w_clear_light )" + folder + R"(/other.xml
tc_diff w_clear_renamed
ui_texts
)");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Saved("other.xml"), Saved("loaded.xml")) << "the modifier that took the name is left alone";
    EXPECT_EQ(run.CountContaining("Status Reverted the content of w_clear_renamed but not its name: another modifier "
                                  "is named w_clear_light"),
              1)
        << run.output;
}

// ui_press and ui_release refuse what they cannot do.
TEST_F(HostileSession, PressAndReleaseSayWhatIsWrong)
{
    const SandboxRun released = RunScript(folder, "timecycleeditor true\nframe\nui_release\n");
    EXPECT_EQ(released.exitCode, 1) << released.output;
    EXPECT_EQ(released.CountContaining("no mouse button is held"), 1) << released.output;

    const SandboxRun twice = RunScript(folder, "timecycleeditor true\nframe\nui_click w_clear_light\nui_press Compare 0\nui_press Compare\n");
    EXPECT_EQ(twice.exitCode, 1) << twice.output;
    EXPECT_EQ(twice.CountContaining("the mouse button is held already"), 1) << twice.output;
}
