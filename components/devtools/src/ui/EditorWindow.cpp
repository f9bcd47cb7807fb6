// The "Timecycle Editor" window: two panes split by a draggable splitter.
#include "EditorPanes.h"
#include "EditorState.h"
#include "ImGuiInternals.h"
#include "SessionRecovery.h"

#include <imgui.h>

namespace tceditor
{
namespace
{
constexpr float kSplitterThickness = 8.0f;
constexpr float kMinPaneWidth = 8.0f;
}

void DrawTimecycleEditor(TimecycleEditorState& state)
{
    GameTimecycle& game = state.game;
    if (!state.isOpen && game.ShouldActivateEditor())
    {
        state.isOpen = true;
        game.SetActivateEditor(false);
    }

    // "Compare" shows the original only while its button is held in a drawn
    // frame; any frame without that puts the edit back.
    state.compareHeldThisFrame = false;
    tcVarInfo* varInfos = game.GetConfigVarInfos();
    if (!varInfos || !game.HasManager())
    {
        state.EndCompare();
        return;
    }

    ImGui::SetNextWindowSizeConstraints(ImVec2(1020.0f, 400.0f), ImVec2(1920.0f, 2000.0f));
    if (ImGui::Begin("Timecycle Editor", &state.isOpen, 0))
    {
        HandleEditShortcuts(state);
        internals::Splitter("##Splitter", state.leftPaneWidth, state.rightPaneWidth, kSplitterThickness,
                            kMinPaneWidth);

        if (ImGui::BeginChild("tree", ImVec2(state.leftPaneWidth, -1.0f), true, 0))
            DrawModifierBrowser(state);
        ImGui::EndChild();

        ImGui::SameLine();

        if (state.showingXmlOutput)
            DrawOutputPane(state);
        else
            DrawDetailPane(state, varInfos);
    }
    // Inside the window, so the popup belongs to it.
    DrawUnsavedWorkPopup(state);
    ImGui::End();

    if (!state.compareHeldThisFrame)
        state.EndCompare();
    if (state.recovery)
        state.recovery->CaptureCompletedSteps();
}
}
