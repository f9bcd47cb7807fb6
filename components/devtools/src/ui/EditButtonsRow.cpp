// The detail pane's "Edit" row of buttons (Undo, Redo, Revert, Compare,
// Paste XML, Copy changed, Save changed) and the editor's undo and redo keys.
#include "base/XmlText.h"
#include "documents/ModifierDocumentFile.h"
#include "editing/EditorState.h"
#include "editing/ModifierDocumentOfGame.h"
#include "editing/ModifierPaste.h"
#include "recovery/SessionRecovery.h"
#include "ui/EditorPanes.h"

#include <LaunchEnvironment.h>

#include <imgui.h>

#include <string>
#include <utility>

namespace tceditor
{
namespace
{
const ImVec4 kMessageColour(1.0f, 0.7f, 0.3f, 1.0f);

// A button that is greyed out while it cannot act; returns whether it was
// pressed.
bool EditButton(const char* label, bool enabled)
{
    ImGui::BeginDisabled(!enabled);
    const bool pressed = ImGui::Button(label, ImVec2(0.0f, 0.0f));
    ImGui::EndDisabled();
    return pressed && enabled;
}

// Called only while the button is hovered: a step's text is formatted for
// its tooltip, not every frame.
void StepTooltip(const char* verb, const std::string& step)
{
    if (!step.empty())
        ImGui::SetTooltip("%s: %s", verb, step.c_str());
}

void PasteXml(TimecycleEditorState& state)
{
    const char* clipboard = ImGui::GetClipboardText();
    PasteOutcome outcome = PasteModifiers(state.game, state.history, clipboard ? clipboard : "");
    state.RefreshSelection();
    state.SetStatus(std::move(outcome.message), outcome.failed);
}

// "Revert". When another modifier has taken the original's name meanwhile,
// the content is reverted and the name stays; the status line says so.
void Revert(TimecycleEditorState& state, tcModifier& modifier, ModifierSnapshot original)
{
    state.history.ReplaceModifier(modifier, original, "revert");
    const std::string& name = state.game.GetTimecycleName(modifier);
    if (name != original.name && state.game.FindModifierByName(original.name))
        state.SetStatus("Reverted the content of " + DisplayName(name) + " but not its name: another modifier is named " +
                            DisplayName(original.name),
                        true);
    // The table starts again from the modifier as it is now.
    state.Select(modifier);
}

std::string ChangeCount(int changed, size_t removed)
{
    std::string text = std::to_string(changed) + (changed == 1 ? " modifier" : " modifiers") + " changed or created";
    if (removed > 0)
        text += ", " + std::to_string(removed) + " removed";
    return text;
}

// With several modifiers selected, "Copy selected" and "Save selected" in
// place of the session's buttons: the selection as one document.
void DrawSelectionButtons(TimecycleEditorState& state)
{
    // The members are looked up only when a button is pressed.
    const auto count = [&] { return std::to_string(state.multiRows.MemberCount()) + " modifiers"; };
    ImGui::SameLine();
    if (ImGui::Button("Copy selected", ImVec2(0.0f, 0.0f)))
    {
        ImGui::SetClipboardText(ModifiersText(state.game, state.multiRows.Members(state.game)).c_str());
        state.SetStatus("Copied " + count(), false);
    }
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Copies the %s selected as one document", count().c_str());
    ImGui::SameLine();
    if (ImGui::Button("Save selected", ImVec2(0.0f, 0.0f)))
    {
        // The session's work is not saved by this: its unsaved work stays.
        const SaveOutcome outcome =
            SaveDocument(ModifiersText(state.game, state.multiRows.Members(state.game)), ChangesFolder(GetInstallRoot()));
        state.SetStatus(outcome.saved ? outcome.message + " (" + count() + ")" : outcome.message, !outcome.saved);
    }
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Saves the same document under data/timecycle-changes");
}

// "Copy changed" and "Save changed": the session's work as one document.
void DrawSessionButtons(TimecycleEditorState& state)
{
    if (state.MultiSelected())
        return DrawSelectionButtons(state);
    const int changed = state.changes.ChangedCount();
    const size_t removed = state.changes.Removed().size();
    const bool anything = changed > 0 || removed > 0;
    // The count's text is made only when a tooltip or a status shows it.
    const auto count = [&] { return ChangeCount(changed, removed); };
    const auto tooltip = [&](const char* what) {
        if (ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenDisabled))
            ImGui::SetTooltip("%s", anything ? (std::string(what) + " (" + count() + ")").c_str() : "Nothing changed this session");
    };

    ImGui::SameLine();
    if (EditButton("Copy changed", anything))
    {
        ImGui::SetClipboardText(ChangedModifiersText(state.game, state.changes).c_str());
        state.SetStatus("Copied " + count(), false);
    }
    tooltip("Copies every modifier this session changed or created as one document");

    ImGui::SameLine();
    if (EditButton("Save changed", anything))
    {
        const SaveOutcome outcome =
            SaveDocument(ChangedModifiersText(state.game, state.changes), ChangesFolder(GetInstallRoot()));
        state.SetStatus(outcome.saved ? outcome.message + " (" + count() + ")" : outcome.message, !outcome.saved);
        if (outcome.saved && state.recovery)
            state.recovery->NoteSaved();
    }
    tooltip("Saves the same document under data/timecycle-changes");
}

void DrawUndoRedoButtons(TimecycleEditorState& state)
{
    EditHistory& history = state.history;

    if (EditButton("Undo", history.CanUndo()))
        state.Undo();
    if (ImGui::IsItemHovered())
        StepTooltip("Undo", history.UndoDescription());

    ImGui::SameLine();
    if (EditButton("Redo", history.CanRedo()))
        state.Redo();
    if (ImGui::IsItemHovered())
        StepTooltip("Redo", history.RedoDescription());
}

// "Paste XML", the session's documents and the history's last message.
void DrawDocumentButtons(TimecycleEditorState& state)
{
    ImGui::SameLine();
    if (ImGui::Button("Paste XML", ImVec2(0.0f, 0.0f)))
        PasteXml(state);
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Applies the timecycle_modifier_data document on the clipboard as one step");

    DrawSessionButtons(state);

    if (!state.history.Message().empty())
    {
        ImGui::SameLine();
        ImGui::TextColored(kMessageColour, "%s", state.history.Message().c_str());
    }
}
}

void DrawEditButtonsRow(TimecycleEditorState& state)
{
    DrawUndoRedoButtons(state);
    DrawDocumentButtons(state);
}

void DrawEditButtonsRow(TimecycleEditorState& state, tcModifier& modifier)
{
    DrawUndoRedoButtons(state);

    // An undo or redo may have taken the modifier away.
    const bool valid = state.SelectedModifier() == &modifier;
    const std::string& name = state.game.GetTimecycleName(modifier);
    const SessionChanges::Record* record = valid ? state.changes.Find(name) : nullptr;
    const bool hasChanges = record && record->original && record->changed;

    ImGui::SameLine();
    if (EditButton("Revert", hasChanges))
        Revert(state, modifier, *record->original);
    if (hasChanges && ImGui::IsItemHovered())
        ImGui::SetTooltip("Puts %s back as it was before this session's changes", name.c_str());

    ImGui::SameLine();
    const bool comparing = state.comparedEdit.has_value();
    ImGui::BeginDisabled(!hasChanges && !comparing);
    ImGui::Button("Compare", ImVec2(0.0f, 0.0f));
    const bool held = ImGui::IsItemActive();
    ImGui::EndDisabled();
    if (hasChanges && ImGui::IsItemHovered() && !held)
        ImGui::SetTooltip("Hold to show the original of %s in the game", name.c_str());
    if (held)
    {
        state.compareHeldThisFrame = true;
        state.BeginCompare();
    }
    else
    {
        state.EndCompare();
    }

    DrawDocumentButtons(state);
}

void HandleEditShortcuts(TimecycleEditorState& state)
{
    // Inside a text field, during a drag or while "Compare" is held, the
    // keys belong to the widget.
    if (!ImGui::IsWindowFocused(ImGuiFocusedFlags_RootAndChildWindows) || ImGui::IsAnyItemActive())
        return;
    const ImGuiIO& io = ImGui::GetIO();
    if (!io.KeyCtrl || io.KeyAlt)
        return;
    if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Z), true))
    {
        if (io.KeyShift)
            state.Redo();
        else
            state.Undo();
    }
    else if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Y), true))
    {
        state.Redo();
    }
}
}
