// The modal "Unsaved timecycle work": the work of each ended session, newest
// first, with "Restore", "Save to file" and "Discard" (asked once more).
#include "EditorPanes.h"
#include "EditorState.h"
#include "SessionRecovery.h"

#include <Utils.h>

#include <imgui.h>

namespace tceditor
{
namespace
{
constexpr const char* kTitle = "Unsaved timecycle work";

void DrawOffer(SessionRecovery& recovery, const EndedSession& offer)
{
    if (const std::string files = FilesText(offer); !files.empty())
        ImGui::TextUnformatted(files.c_str());
    if (offer.work.Empty())
    {
        if (ImGui::Button("OK", ImVec2(0.0f, 0.0f)))
            recovery.Discard();
        return;
    }
    if (recovery.askingToDiscard)
    {
        ImGui::TextUnformatted(("Discard " + std::to_string(offer.work.modifiers.size()) +
                                " changed modifiers for good?").c_str());
        if (ImGui::Button("Discard", ImVec2(0.0f, 0.0f)))
        {
            recovery.askingToDiscard = false;
            recovery.Discard();
        }
        ImGui::SameLine();
        if (ImGui::Button("Keep", ImVec2(0.0f, 0.0f)))
            recovery.askingToDiscard = false;
        return;
    }

    ImGui::TextUnformatted(OfferText(offer).c_str());
    if (ImGui::Button("Restore", ImVec2(0.0f, 0.0f)))
        recovery.Restore();
    ImGui::SameLine();
    if (ImGui::Button("Save to file", ImVec2(0.0f, 0.0f)))
        recovery.SaveToFile();
    ImGui::SameLine();
    if (ImGui::Button("Discard", ImVec2(0.0f, 0.0f)))
        recovery.askingToDiscard = true;
}
}

void DrawUnsavedWorkPopup(TimecycleEditorState& state)
{
    SessionRecovery* recovery = state.recovery;
    const EndedSession* offer = recovery ? recovery->CurrentOffer() : nullptr;
    if (!offer)
        return;
    if (!ImGui::IsPopupOpen(kTitle))
    {
        // Not in the window's first frame: Dear ImGui 1.86 cannot place a
        // window that appears after a modal in the modal's first frame (the
        // console, which the host draws after the editor, appears with it).
        if (ImGui::IsWindowAppearing())
            return;
        ImGui::OpenPopup(kTitle);
    }
    const ImGuiViewport* viewport = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(viewport->GetCenter(), ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    if (!ImGui::BeginPopupModal(kTitle, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    DrawOffer(*recovery, *offer);
    // The last offer handled: the popup goes.
    if (!recovery->CurrentOffer())
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}
}
