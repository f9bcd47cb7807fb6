// The "Timecycle Editor" window: two panes split by a draggable splitter.
#include "EditorPanes.h"
#include "EditorState.h"

#include <imgui.h>
#include <imgui_internal.h>

namespace
{
// The splitter's two sizes; they always add up to 1000 and live as long as
// the process.
float leftPaneWidth = 400.0f;
float rightPaneWidth = 600.0f;

constexpr float kSplitterThickness = 8.0f;
constexpr float kMinPaneWidth = 8.0f;

void DrawSplitter()
{
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    const ImGuiID id = window->GetID("##Splitter");

    const ImVec2 min(window->DC.CursorPos.x + leftPaneWidth, window->DC.CursorPos.y);
    const ImVec2 size = ImGui::CalcItemSize(ImVec2(kSplitterThickness, -1.0f), 0.0f, 0.0f);
    const ImRect bounds(min, ImVec2(min.x + size.x, min.y + size.y));
    ImGui::SplitterBehavior(bounds, id, ImGuiAxis_X, &leftPaneWidth, &rightPaneWidth, kMinPaneWidth, kMinPaneWidth,
                            0.0f, 0.0f);
}
}

void DrawTimecycleEditor(TimecycleEditorState& state)
{
    TimecycleManager& manager = *TheTimecycleManager;
    if (!state.isOpen && manager.ShouldActivateEditor())
    {
        state.isOpen = true;
        manager.SetActivateEditor(false);
    }

    // "Compare" shows the original only while its button is held in a drawn
    // frame; any frame without that puts the edit back.
    state.compareHeldThisFrame = false;
    tcVarInfo* varInfos = TimecycleManager::GetConfigVarInfos();
    tcManager* gameManager = TimecycleManager::GetGameManager();
    if (!varInfos || !gameManager)
    {
        state.EndCompare();
        return;
    }

    ImGui::SetNextWindowSizeConstraints(ImVec2(1020.0f, 400.0f), ImVec2(1920.0f, 2000.0f));
    if (ImGui::Begin("Timecycle Editor", &state.isOpen, 0))
    {
        HandleEditShortcuts(state);
        DrawSplitter();

        if (ImGui::BeginChild("tree", ImVec2(leftPaneWidth, -1.0f), true, 0))
            DrawModifierBrowser(state, *gameManager);
        ImGui::EndChild();

        ImGui::SameLine();

        if (state.xmlPrinter.CStrSize() > 1)
            DrawOutputPane(state);
        else
            DrawDetailPane(state, varInfos);
    }
    ImGui::End();

    if (!state.compareHeldThisFrame)
        state.EndCompare();
}
