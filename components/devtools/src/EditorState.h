// Everything the Timecycle Editor knows: the window's open flag, the selected
// modifier with the editor's working copy of its parameters, the search
// result, the text fields, the generated XML, and the session's edit history
// and originals. One instance exists for the life of the process; the host's
// data stays with the host.
#pragma once

#include "EditHistory.h"
#include "NameHashSet.h"
#include "ParameterRows.h"
#include "SessionChanges.h"
#include "TextBuffer.h"
#include "VariableSuggestions.h"

#include <TimecycleManager.h>
#include <tinyxml2.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

struct ModifierSelection
{
    // The selected host modifier; null when nothing is selected.
    tcModifier* modifier = nullptr;
    // Copy of every parameter the modifier has had since it was selected, by
    // var id; the parameter table edits these copies.
    std::map<int32_t, tcModData> savedParams;
    // Parameters switched off in the table; their values stay in savedParams.
    std::set<int32_t> removedVars;
    // Where the values written back into a previous selection are recorded;
    // without one they are written directly.
    EditHistory* history = nullptr;

    // Drops a modifier the host has removed (its modData reads null).
    void ValidateSelection();
    void ClearSelection();
    // Adds live parameters not yet in savedParams; saved ones are kept.
    void CaptureParams();
    // Selects `modifier`, first writing switched-off values back into the
    // previous one where the host has them again.
    void SelectModifier(tcModifier& modifier);

private:
    void RestoreRemovedValues(tcModifier& previous) const;
};

struct TimecycleEditorState
{
    TimecycleEditorState() { selection.history = &history; }
    TimecycleEditorState(const TimecycleEditorState&) = delete;
    TimecycleEditorState& operator=(const TimecycleEditorState&) = delete;

    bool isOpen = false;
    ModifierSelection selection;
    // Name hashes of the modifiers that pass the current search.
    NameHashSet filterHashes;
    char searchName[kTextBufferSize] = {};
    char searchParam[kTextBufferSize] = {};
    char nameInput[kTextBufferSize] = {};
    char paramFilter[kTextBufferSize] = {};
    char varInput[kTextBufferSize] = {};
    bool applySelected = false;
    // Holds the generated XML; the window shows it while it is not empty.
    tinyxml2::XMLPrinter xmlPrinter{ nullptr, false, 0 };

    // Originals and change marks of this session, and the steps to undo.
    SessionChanges changes;
    EditHistory history{ changes };
    // While "Compare" is held the game shows the selected modifier's
    // original; this is the edited state that comes back on release.
    std::optional<ModifierSnapshot> comparedEdit;
    bool compareHeldThisFrame = false;
    // A value being typed into the table: the widget, and the value it had
    // when typing began. The game gets the value once typing ends.
    struct TypedValue
    {
        unsigned widget = 0;
        int32_t varId = -1;
        float initial = 0.0f;
    } typedValue;

    // The parameter table's rows and the variable suggestions, gathered
    // when their sources change.
    ParameterRows tableRows;
    VariableSuggestions variableSuggestions;

    // The detail pane's status line: why the last action did nothing, or what
    // a paste or a save did. It goes once the history moves on.
    struct StatusLine
    {
        std::string text;
        bool refusal = false;
        uint64_t revision = 0;  // the history's when it was set
    } status;
    void SetStatus(std::string text, bool refusal);
    // The status line's text while it stands, else empty.
    const std::string& CurrentStatus();

    // A click on a modifier's row in the browser.
    void SelectFromBrowser(tcModifier& modifier);
    // The selected modifier's table starts again from the game, after a
    // change that went round it.
    void RefreshSelection();
    // Closes the window and forgets selection, search and fields, the
    // history and the session's originals.
    void ResetEditorState();

    // Undo and redo, with the selection following the step.
    void Undo();
    void Redo();
    // The selected modifier's original into the game, and back.
    void BeginCompare();
    void EndCompare();

private:
    void FollowStep(const StepEffect& effect);
};
