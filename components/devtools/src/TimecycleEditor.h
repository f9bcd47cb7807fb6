// The Timecycle Editor's entry points: its start-up and the handlers it
// attaches to the host's events.
#pragma once

namespace tceditor
{
struct TimecycleEditorState;
}

// Sets the editor up as the launch environment allows and attaches it to
// the host's frame events; the component's start-up function.
void StartTimecycleEditor();

// Disconnects the handlers, unregisters the variable, writes the unsaved
// work still queued and ends the writer's thread; the component's stop.
void StopTimecycleEditor();

// The editor's one state record; null until StartTimecycleEditor created it
// (never, in a process with a pure level above 0) and after the stop.
tceditor::TimecycleEditorState* GetTimecycleEditorState();

// Sets *wantGui when the editor is open or the game asks for it.
bool HandleShouldDrawGui(bool* wantGui);
// Draws the editor while it is wanted and the game is running.
bool HandleDrawGui();
// Closes and resets the editor once the game has shut networking down.
bool HandleKillNetworkDone();
