// The "Timecycle Editor" window: two panes split by a draggable splitter.
#include "editing/EditorState.h"
#include "recovery/SessionRecovery.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"

#include <imgui.h>

#include <algorithm>

namespace tceditor
{
namespace
{
constexpr float kSplitterThickness = 8.0f;
constexpr float kMinPaneWidth = 8.0f;
constexpr float kMinimumWidth = 1020.0f;
constexpr float kMinimumHeight = 400.0f;

// In a work area smaller than the window's minimum the window may be as
// small as the area, and scrolls over its contents, which keep the minimum's
// layout, so that every control stays in reach. The work area is the display
// less what the host keeps for itself (a docked console, a menu bar).
void ConstrainToWorkArea()
{
    const ImVec2 area = ImGui::GetMainViewport()->WorkSize;
    ImGui::SetNextWindowSizeConstraints(
        ImVec2(std::min(kMinimumWidth, area.x), std::min(kMinimumHeight, area.y)), ImVec2(1920.0f, 2000.0f));
    const ImGuiStyle& style = ImGui::GetStyle();
    const float contentWidth = kMinimumWidth - 2.0f * style.WindowPadding.x;
    const float contentHeight = kMinimumHeight - 2.0f * style.WindowPadding.y - ImGui::GetFrameHeight();
    ImGui::SetNextWindowContentSize(ImVec2(area.x < kMinimumWidth ? contentWidth : 0.0f,
                                           area.y < kMinimumHeight ? contentHeight : 0.0f));
}
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

    ConstrainToWorkArea();
    if (ImGui::Begin("Timecycle Editor", &state.isOpen, ImGuiWindowFlags_HorizontalScrollbar))
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
    if (state.isOpen)
        DrawSessionChangesWindow(state);

    if (!state.compareHeldThisFrame)
        state.EndCompare();
    if (state.recovery)
        state.recovery->CaptureCompletedSteps();
}
}
