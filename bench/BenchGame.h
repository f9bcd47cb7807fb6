// The game and the editor as a developer has them open: the stand-in game
// module with the real timecycle data, grown or thinned to the number of
// modifiers a benchmark asks for, and a Dear ImGui context that runs whole
// frames without a renderer.
#pragma once

struct TimecycleEditorState;

namespace bench
{
// The sizes the editor is measured at.
constexpr int kModifierCounts[] = { 100, 1000, 10000 };

// The name search of the filtered measurements: the first letter a developer
// types. About three names in five contain it, so at every size the filter
// passes more modifiers than the list has room for, and the frames differ
// only in what grows with the game.
constexpr const char* kFilterQuery = "S";

// Makes the game's manager hold exactly `count` modifiers: an even spread of
// the data's modifiers when that is fewer, the data's modifiers and numbered
// copies of them when it is more. Does nothing when the game already has that
// many. Stops the process when the data cannot be loaded.
void LoadGame(int count);

// Opens the editor over the current game and runs the frame that shows its
// window, at the size a developer would give it. With `filtered`, the name
// field holds kFilterQuery and the filter is built first.
void OpenEditor(TimecycleEditorState& state, bool filtered);

// One GUI frame of the game's console host with only the editor in it:
// NewFrame, DrawTimecycleEditor, Render.
void RunEditorFrame(TimecycleEditorState& state);
}
