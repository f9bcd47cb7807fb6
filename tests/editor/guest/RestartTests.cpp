// The component stopped and started again in one process, as a loader that
// unloads and loads it again does: one editor, one variable, one set of
// handlers, and the unsaved work of the stopped one offered like that of
// any other ended session.
#include "GuestEditor.h"

TEST_F(GuestEditor, AStartAfterAStopOffersTheStoppedEditorsUnsavedWork)
{
    tcModifier& sunny = *timecycle::FindModifier("sunny_day");
    hostcycle::MakeValueStep(ui, "sunny_day", sunny.nameHash, smallgame::kLightDirMult, "7.25");
    ASSERT_TRUE(WorkOnDisk().modifiers.contains("o:sunny_day"));

    StopTimecycleEditor();
    EXPECT_EQ(GetTimecycleEditorState(), nullptr);
    ui.Frame();
    EXPECT_FALSE(wantGui) << "no handler of the stopped editor is left";
    EXPECT_FALSE(EditorDrawn());

    Start();
    ui.Frame();
    EXPECT_TRUE(ui.Exists(kWindow, "Restore")) << "the stopped editor's work is offered";
    EXPECT_EQ(hostcycle::DrawnEditors(ui), 1);
}
