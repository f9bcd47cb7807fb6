// Editor activation: whether the editor exists in this launch, the console
// variable that opens it, and the handlers that run it inside the host's
// frame. Everything a start makes goes again at the component's stop or when
// the library is unloaded, so a library loaded again gives one editor.
#include "editing/EditorState.h"
#include "game/LiveTimecycle.h"
#include "recovery/SessionRecovery.h"
#include "TimecycleEditor.h"
#include "ui/EditorPanes.h"
#include "ui/ImGuiInternals.h"

#include <ConHost.h>
#include <ConVar.h>
#include <ConsolePrint.h>
#include <EntryBarrier.h>
#include <ICoreGameInit.h>
#include <LaunchEnvironment.h>
#include <NetworkEvents.h>

#include <memory>
#include <optional>

using namespace tceditor;

namespace
{
constexpr int kEditorVariableFlags = 0x21; // Archive, and bit 0x20

// What one start made, in the order it goes again: handlers first, so that
// nothing calls in while the rest goes; the variable before the flag it
// tracks; the recovery before the state (its last steps are written first).
struct RunningEditor
{
    RunningEditor() : recovery(state, UnsavedFolder(GetInstallRoot()))
    {
        state.recovery = &recovery;
        if (IsMoskLaunch() || IsSdkGuest())
            variable.emplace("timecycleeditor", kEditorVariableFlags, false, &state.isOpen);
    }

    ~RunningEditor()
    {
        ConHost::OnShouldDrawGui.Disconnect(shouldDrawCookie);
        ConHost::OnDrawGui.Disconnect(drawCookie);
        OnKillNetworkDone.Disconnect(killNetworkCookie);
        state.recovery = nullptr;
    }

    TimecycleEditorState state{ LiveGame() };
    SessionRecovery recovery;
    std::optional<ConVar<bool>> variable;
    uint64_t shouldDrawCookie = fwEvent<>::kInvalidCookie;
    uint64_t drawCookie = fwEvent<>::kInvalidCookie;
    uint64_t killNetworkCookie = fwEvent<>::kInvalidCookie;
    // Set after a failure the editor cannot vouch for its state after; the
    // handlers do nothing then.
    bool switchedOff = false;
};

// Destroyed at the latest when the library goes.
std::unique_ptr<RunningEditor> g_editor;

EntryBarrier g_shouldDrawBarrier("HandleShouldDrawGui");
EntryBarrier g_drawBarrier("HandleDrawGui");
EntryBarrier g_killNetworkBarrier("HandleKillNetworkDone");

RunningEditor* ActiveEditor()
{
    return g_editor && !g_editor->switchedOff ? g_editor.get() : nullptr;
}

void SwitchOff(RunningEditor& editor)
{
    editor.switchedOff = true;
    editor.state.isOpen = false;
    PrintWarning("devtools", "Timecycle Editor: switched off for this session after an internal error "
                             "(the trace says what failed); unsaved work stays on disk.\n");
    editor.state.EndCompare();
}
}

void StartTimecycleEditor()
{
    if (GetPureLevel() > 0 || g_editor)
        return;

    auto editor = std::make_unique<RunningEditor>();
    editor->shouldDrawCookie = ConHost::OnShouldDrawGui.Connect(HandleShouldDrawGui, 0);
    editor->drawCookie = ConHost::OnDrawGui.Connect(HandleDrawGui, 0);
    editor->killNetworkCookie = OnKillNetworkDone.Connect(HandleKillNetworkDone, 0);
    g_editor = std::move(editor);
}

void StopTimecycleEditor()
{
    g_editor.reset();
}

TimecycleEditorState* GetTimecycleEditorState()
{
    return g_editor ? &g_editor->state : nullptr;
}

bool HandleShouldDrawGui(bool* wantGui)
{
    return g_shouldDrawBarrier.Run(true, [&] {
        RunningEditor* editor = ActiveEditor();
        if (!editor)
            return true;
        // The game is asked only when nothing else wants the GUI already. A
        // "Compare" still showing the original (the editor closed while it
        // was held) takes one more frame, in which it ends.
        TimecycleEditorState& state = editor->state;
        *wantGui = *wantGui || state.isOpen || state.comparedEdit.has_value() || state.game.ShouldActivateEditor();
        return true;
    });
}

bool HandleDrawGui()
{
    // What was open before the editor drew is what the host's frame expects
    // to find open after it.
    const internals::OpenScopes before = internals::CurrentOpenScopes();
    return g_drawBarrier.Run(
        true,
        [] {
            RunningEditor* editor = ActiveEditor();
            if (!editor)
                return true;
            TimecycleEditorState& state = editor->state;
            ICoreGameInit* gameInit = GetInstance<ICoreGameInit>();
            const bool drawable = gameInit->IsGameReady() && !gameInit->m_gameInitVariables.contains("gameKilled");
            if (drawable && (state.isOpen || state.game.ShouldActivateEditor()))
                DrawTimecycleEditor(state);
            else
                state.EndCompare(); // no window, no "Compare" held
            return true;
        },
        [&](bool outOfMemory) {
            internals::CloseScopesOpenedSince(before);
            // A failed allocation lost at most what it was doing; anything
            // else means the editor no longer knows its own state.
            if (!outOfMemory && g_editor)
                SwitchOff(*g_editor);
        });
}

bool HandleKillNetworkDone()
{
    return g_killNetworkBarrier.Run(true, [] {
        RunningEditor* editor = ActiveEditor();
        if (!editor)
            return true;
        if (editor->state.recovery)
            editor->state.recovery->NoteSessionForgotten();
        editor->state.ResetEditorState();
        return true;
    });
}
