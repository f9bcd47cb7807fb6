// The parts of the Timecycle Editor window, each drawn for one frame.
#pragma once

#include <TimecycleManager.h>

#include <vector>

namespace tceditor
{
struct TimecycleEditorState;
struct MultiParameterRow;

// The whole window: browser on the left, detail or XML output on the right.
void DrawTimecycleEditor(TimecycleEditorState& state);

// Left pane: search fields, what the game applies, and the modifier list.
void DrawModifierBrowser(TimecycleEditorState& state);

// Right pane while no XML is shown: the selected modifier's controls and
// parameter table. `varInfos` is the game's variable-info array.
void DrawDetailPane(TimecycleEditorState& state, tcVarInfo* varInfos);

// The detail pane's "Edit" buttons for the selected modifier: undo, redo,
// revert, compare, paste and the session's documents.
void DrawEditButtonsRow(TimecycleEditorState& state, tcModifier& modifier);
// The same row with no modifier selected: undo, redo, paste and the
// session's documents.
void DrawEditButtonsRow(TimecycleEditorState& state);

// The detail pane's "Variable" field and its suggestions. True when Enter in
// the field or on a suggestion asks for the variable it names to be added.
bool DrawVariableField(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos);

// The table of the selected modifier's parameters.
void DrawParameterTable(TimecycleEditorState& state, tcModifier& modifier, tcVarInfo* varInfos);

// The table of the selected modifiers' parameters, while several are
// selected; `rows` are this frame's.
void DrawMultiParameterTable(TimecycleEditorState& state, const std::vector<MultiParameterRow>& rows);
// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, while the current window has
// the focus and no widget has the keyboard or the mouse.
void HandleEditShortcuts(TimecycleEditorState& state);

// The "Session changes" window, while it is open.
void DrawSessionChangesWindow(TimecycleEditorState& state);
// Right pane while XML is shown.
void DrawOutputPane(TimecycleEditorState& state);

// The modal "Unsaved timecycle work": the work of ended sessions offered one
// at a time, while there is any.
void DrawUnsavedWorkPopup(TimecycleEditorState& state);
}
