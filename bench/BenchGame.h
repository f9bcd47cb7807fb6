// The game and the editor as a developer has them open: the stand-in game
// module with the real timecycle data, grown or thinned to the number of
// modifiers a benchmark asks for, and a Dear ImGui context that runs whole
// frames without a renderer.
#pragma once

#include <TimecycleManager.h>
#include <imgui.h>

#include <filesystem>
#include <memory>
#include <string>

namespace tceditor
{
struct TimecycleEditorState;
class SessionRecovery;
}

namespace bench
{
using tceditor::TimecycleEditorState;

// Tells what went wrong on stderr and ends the process.
[[noreturn]] void Fail(const std::string& message);

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

// Makes the game hold the data's modifiers as they are; returns how many.
int LoadData();

// Opens the editor over the current game and runs the frame that shows its
// window, at kWorkingSize the first time. With `filtered`, the name
// field holds kFilterQuery and the filter is built first.
void OpenEditor(TimecycleEditorState& state, bool filtered);

// The editor window's size as it opens by itself (its smallest), and as a
// developer working in it makes it.
constexpr float kOpeningSize[] = { 1020.0f, 400.0f };
constexpr float kWorkingSize[] = { 1280.0f, 900.0f };

// The detail pane's measurements: a modifier with few parameters against
// one with every variable of the data, and the variable suggestions over a
// small variable table against the data's whole one.
constexpr int kParameterCounts[] = { 15, 379 };
constexpr int kVariableCounts[] = { 20, 379 };
// Typed into the "Variable" field: every variable name of the data holds it,
// so the suggestions are as many as the game has variables.
constexpr const char* kVariableQuery = "_";
// Parameters of the modifier selected under the suggestions; the
// suggestions leave them out.
constexpr int kSuggestionModifierParameters = 5;

// A new modifier with the game's first `count` variables as parameters.
// Stops the process when the game refuses one.
tcModifier& AddModifierWithParameters(const std::string& name, int count);

// Makes the game hold only the data's first `count` variables and no
// modifiers. The next LoadGame loads the data again.
void LoadVariables(int count);

// Changes the game's first `count` modifiers through the editor, each as a
// step of its own: its first value to one it has not had before (a process
// may change the same game more than once), or, without parameters, by a
// parameter added. Returns how many changed.
int ChangeModifiers(TimecycleEditorState& state, int count);

// Selects the modifier the way a click in the browser does and runs a frame.
void SelectModifier(TimecycleEditorState& state, tcModifier& modifier);

// Clicks into the detail pane's "Variable" field, types `text` and runs the
// frames that show the suggestions under it; the mouse stays on the field.
void TypeIntoVariableField(TimecycleEditorState& state, const char* text);

// Gives the editor window this size and runs the frame that shows it.
void SetEditorSize(TimecycleEditorState& state, const float (&size)[2]);

// A new empty folder in the system's temporary folder, named `name` and a
// number of this run's.
std::filesystem::path FreshFolder(const char* name);
std::u16string Utf16(const std::filesystem::path& path);
// Waits until the recovery's search for ended sessions is done.
void WaitForOffers(tceditor::SessionRecovery& recovery);

// The unsaved work of `state` kept in the fresh folder `folderName`, as the
// game's editor always keeps it, once its search for ended sessions is done.
// The editor lets go of it when it goes.
struct KeptUnsavedWork
{
    KeptUnsavedWork(TimecycleEditorState& state, const char* folderName);
    ~KeptUnsavedWork();

    TimecycleEditorState& state;
    std::filesystem::path folder;
    std::unique_ptr<tceditor::SessionRecovery> recovery;
};

// A new Dear ImGui context, made current, set up as the editor's and sharing
// its fonts.
ImGuiContext* NewContextLikeEditors();

// One GUI frame of the game's console host with only the editor in it:
// NewFrame, DrawTimecycleEditor, Render.
void RunEditorFrame(TimecycleEditorState& state);
}
