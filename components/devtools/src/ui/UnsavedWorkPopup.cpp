// The modal "Unsaved timecycle work": the work of each ended session, newest
// first ("Ended session 1 of 2"), what it left by name, with "Restore",
// "Save to file" and "Discard" (asked once more).
#include "editing/EditorState.h"
#include "recovery/SessionRecovery.h"
#include "ui/EditorPanes.h"

#include <Utils.h>

#include <imgui.h>

namespace tceditor
{
namespace
{
constexpr const char* kTitle = "Unsaved timecycle work";

// The buttons of an answer (the confirmation, the damaged work's notice)
// start to the right of where an offer's buttons end: the popup stays where
// it is for the next offer, so a double click never lands on its "Restore".
void MoveBesideOfferButtons()
{
    const ImGuiStyle& style = ImGui::GetStyle();
    float width = 0.0f;
    for (const char* label : { "Restore", "Save to file", "Discard" })
        width += ImGui::CalcTextSize(label).x + style.FramePadding.x * 2.0f + style.ItemSpacing.x;
    ImGui::SetCursorPosX(ImGui::GetCursorPosX() + width + style.ItemSpacing.x);
}

// Work of which nothing could be read: the notice of where its file is kept.
void DrawNothingReadable(SessionRecovery& recovery)
{
    MoveBesideOfferButtons();
    if (ImGui::Button("OK", ImVec2(0.0f, 0.0f)))
        recovery.Discard();
}

void DrawDiscardQuestion(SessionRecovery& recovery, const EndedSession& offer)
{
    ImGui::TextUnformatted(
        ("Discard the unsaved work on " + ModifierCount(offer.work.modifiers.size()) + " for good?").c_str());
    MoveBesideOfferButtons();
    if (ImGui::Button("Discard", ImVec2(0.0f, 0.0f)))
    {
        recovery.askingToDiscard = false;
        recovery.Discard();
    }
    ImGui::SameLine();
    if (ImGui::Button("Keep", ImVec2(0.0f, 0.0f)))
        recovery.askingToDiscard = false;
}

// What the session left: when it last changed anything, how much, and the
// modifiers by name.
void DrawOfferSummary(const EndedSession& offer)
{
    ImGui::TextUnformatted(OfferText(offer).c_str());
    ImGui::Indent();
    for (const std::string& line : OfferNameLines(offer))
        ImGui::TextUnformatted(line.c_str());
    ImGui::Unindent();
}

void DrawOfferButtons(SessionRecovery& recovery)
{
    if (ImGui::Button("Restore", ImVec2(0.0f, 0.0f)))
        recovery.Restore();
    ImGui::SameLine();
    if (ImGui::Button("Save to file", ImVec2(0.0f, 0.0f)))
        recovery.SaveToFile();
    ImGui::SameLine();
    if (ImGui::Button("Discard", ImVec2(0.0f, 0.0f)))
        recovery.askingToDiscard = true;
}

void DrawOffer(SessionRecovery& recovery, const EndedSession& offer)
{
    if (recovery.OffersFound() > 1)
        ImGui::TextUnformatted(("Ended session " + std::to_string(recovery.OfferNumber()) + " of " +
                                std::to_string(recovery.OffersFound()))
                                   .c_str());
    // A damaged journal's part that reads is offered like any other; the
    // files line says what was damaged and where the file is kept.
    if (const std::string files = FilesText(offer); !files.empty())
        ImGui::TextUnformatted(files.c_str());
    if (offer.work.Empty())
        DrawNothingReadable(recovery);
    else if (recovery.askingToDiscard)
        DrawDiscardQuestion(recovery, offer);
    else
    {
        DrawOfferSummary(offer);
        DrawOfferButtons(recovery);
    }
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
