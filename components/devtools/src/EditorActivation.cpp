// Editor activation: whether the editor exists in this launch, the console
// variable that opens it, and the handlers that run it inside the host's
// frame.
#include "EditorPanes.h"
#include "EditorState.h"
#include "LiveTimecycle.h"
#include "SessionRecovery.h"
#include "TimecycleEditor.h"

#include <ConHost.h>
#include <ConVar.h>
#include <ICoreGameInit.h>
#include <LaunchEnvironment.h>
#include <NetworkEvents.h>

using namespace tceditor;

namespace
{
// Set once by the start-up; the handlers carry no state of their own.
TimecycleEditorState* g_editorState = nullptr;

constexpr int kEditorVariableFlags = 0x21; // Archive, and bit 0x20
}

void StartTimecycleEditor()
{
    if (GetPureLevel() > 0)
        return;

    static TimecycleEditorState state{ LiveGame() };
    g_editorState = &state;
    // Declared after the state, so its last steps are written before the
    // state goes.
    static SessionRecovery recovery{ state, UnsavedFolder(GetInstallRoot()) };
    state.recovery = &recovery;

    if (IsMoskLaunch() || IsSdkGuest())
    {
        // Declared after the state, so it is destroyed first: it unregisters
        // the name before the flag it tracks goes away.
        static ConVar<bool> editorVariable("timecycleeditor", kEditorVariableFlags, false, &state.isOpen);
    }

    ConHost::OnShouldDrawGui.Connect(HandleShouldDrawGui, 0);
    ConHost::OnDrawGui.Connect(HandleDrawGui, 0);
    OnKillNetworkDone.Connect(HandleKillNetworkDone, 0);
}

TimecycleEditorState* GetTimecycleEditorState()
{
    return g_editorState;
}

bool HandleShouldDrawGui(bool* wantGui)
{
    // The game is asked only when nothing else wants the GUI already. A
    // "Compare" still showing the original (the editor closed while it was
    // held) takes one more frame, in which it ends.
    *wantGui = *wantGui || g_editorState->isOpen || g_editorState->comparedEdit.has_value() ||
               g_editorState->game.ShouldActivateEditor();
    return true;
}

bool HandleDrawGui()
{
    ICoreGameInit* gameInit = GetInstance<ICoreGameInit>();
    const bool drawable = gameInit->IsGameReady() && !gameInit->m_gameInitVariables.contains("gameKilled");
    if (drawable && (g_editorState->isOpen || g_editorState->game.ShouldActivateEditor()))
        DrawTimecycleEditor(*g_editorState);
    else
        g_editorState->EndCompare(); // no window, no "Compare" held
    return true;
}

bool HandleKillNetworkDone()
{
    if (g_editorState->recovery)
        g_editorState->recovery->NoteSessionForgotten();
    g_editorState->ResetEditorState();
    return true;
}
