// Everything the Timecycle Editor knows: the window's open flag and pane
// widths, the selected modifier with the editor's working copy of its
// parameters, the search and the browser's rows, the text fields, the
// generated XML, and the session's edit history and originals. One instance
// exists for the life of the process; the game's data stays with the game,
// reached through `game`.
#pragma once

#include "base/NameHashSet.h"
#include "base/Text.h"
#include "editing/ColourTriples.h"
#include "editing/EditHistory.h"
#include "editing/ListedModifiers.h"
#include "editing/ModifierSelection.h"
#include "editing/MultiParameterRows.h"
#include "editing/MultiSelection.h"
#include "editing/ParameterTableRows.h"
#include "editing/SessionChangeList.h"
#include "editing/SessionChanges.h"
#include "editing/VariableSuggestions.h"
#include "game/GameTimecycle.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tceditor
{
class SessionRecovery;

struct TimecycleEditorState
{
    explicit TimecycleEditorState(GameTimecycle& game) : game(game) {}
    TimecycleEditorState(const TimecycleEditorState&) = delete;
    TimecycleEditorState& operator=(const TimecycleEditorState&) = delete;

    GameTimecycle& game;

    bool isOpen = false;
    // The splitter's two sizes; they always add up to 1000 and outlive the
    // editor's resets.
    float leftPaneWidth = 400.0f;
    float rightPaneWidth = 600.0f;

    ModifierSelection selection;
    // Two or more modifiers selected at once; while it is active the single
    // selection is empty. Its table's rows, gathered when they change.
    MultiSelection multiSelection;
    MultiParameterRows multiRows;
    // Name hashes of the modifiers that pass the current search.
    NameHashSet filterHashes;
    // The browser's rows, gathered when the game's array or the search
    // changes.
    ListedModifiers listedModifiers;
    char searchName[kTextBufferSize] = {};
    char searchParam[kTextBufferSize] = {};
    char nameInput[kTextBufferSize] = {};
    // The length of the name that `nameInput` holds only the start of, as it
    // was filled with a longer one; 0 once the field holds its own text.
    size_t nameInputCutFrom = 0;
    void FillNameInput(const std::string& name);
    char paramFilter[kTextBufferSize] = {};
    char varInput[kTextBufferSize] = {};
    bool applySelected = false;

    // The generated XML, and whether the right pane shows it instead of the
    // detail pane. The output field edits the text in place, never making
    // it longer than it was generated.
    std::string xmlOutput;
    bool showingXmlOutput = false;
    // How many values the generated XML's three decimals do not hold exactly.
    int xmlRoundedValues = 0;
    // What "Copy" in the output pane put on the clipboard ("Copied 2,345
    // bytes"), until the output changes.
    std::string xmlCopyNote;
    void ShowXmlOutput(std::string text, int roundedValues = 0);
    void CloseXmlOutput();

    // Originals and change marks of this session, and the steps to undo.
    SessionChanges changes{ game };
    EditHistory history{ game, changes };
    // The "Session changes" window: whether it is open, and its lines.
    bool sessionChangesOpen = false;
    SessionChangeList sessionChangeList;
    // The session's unsaved work on disk and the ended sessions' offers;
    // null where nothing is kept (tests of other parts).
    SessionRecovery* recovery = nullptr;
    // While "Compare" is held the game shows the selected modifier's
    // original. comparedEdit is the edited state that comes back on
    // release; comparedShown the original as the game took it, which tells
    // on release whether the game changed the modifier meanwhile.
    std::optional<ModifierSnapshot> comparedEdit;
    ModifierSnapshot comparedShown;
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
    ParameterTableRows tableRows;
    VariableSuggestions variableSuggestions;
    // The colours among the game's variables, and the table's colour popup.
    ColourTriples colourTriples;
    ColourPopupState colourPopup;
    // The parameter table's "Var" and "Name" columns: as wide as what they
    // show, until the user drags an edge; from then on the user's width, for
    // the session. `applied` is the width last given, -1 before the first.
    struct ColumnFit
    {
        float applied = -1.0f;
        bool byUser = false;
    } varColumn, nameColumn;
    // The widths the rows of one generation need in those columns.
    struct
    {
        uint64_t rowsGeneration = 0;
        float fontSize = 0.0f;
        float varWidth = 0.0f;
        float nameWidth = 0.0f;
    } columnWidths;
    // A modifier the browser scrolls to in its next frame, by name.
    std::string browserScrollTarget;
    // Whether the suggestion popup under the "Variable" field is shown; it
    // outlives the editor's resets on purpose.
    bool variablePopupOpen = false;
    // The row "Add" added last: the table scrolls it into view once and
    // highlights it for a moment after `addedAt` (Dear ImGui's time).
    struct AddedRow
    {
        uint32_t modifierHash = 0;
        int32_t varId = -1;
        double addedAt = 0.0;
        bool scrolled = false;
    } addedRow;

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

    // The selected modifier as the game has it now, or null.
    tcModifier* SelectedModifier() { return selection.Find(game); }
    // Selects the modifier; never writes to the game.
    void Select(tcModifier& modifier);
    // A click on a modifier's row in the browser; the status line goes.
    void SelectFromBrowser(tcModifier& modifier);
    // Ctrl+click on a row: the modifier joins the selection, or leaves it.
    void CtrlClickInBrowser(tcModifier& modifier);
    // Shift+click: the listed rows from the last clicked one to this one.
    void ShiftClickInBrowser(const std::string& name, std::span<tcModifier* const> rows);
    // Ctrl+A in the list: every listed modifier.
    void SelectAllListed(std::span<tcModifier* const> rows);
    bool MultiSelected() const { return multiSelection.IsActive(); }
    // The multi-selection's table rows for this frame, while one is active.
    // A selection the game left with one member becomes that one selected;
    // with none, nothing is selected.
    const std::vector<MultiParameterRow>& UpdateMultiRows();
    // The selected modifiers, one or many, by name.
    std::vector<std::string> SelectedNames() const;

    // The selected modifier's table starts again from the game, after a
    // change that went round it.
    void RefreshSelection();
    // Closes the window and forgets selection, search and fields, the
    // history and the session's originals.
    void ResetEditorState();

    // Undo and redo, with the selection following the step.
    void Undo();
    void Redo();
    // The selected modifier's original into the game, and back. The edit
    // comes back only onto the original as Compare left it: a modifier the
    // game changed or removed meanwhile is left alone, and the status line
    // says so.
    void BeginCompare();
    void EndCompare();

private:
    void FollowStep(const StepEffect& effect);
    // Selects the names: several as a multi-selection, one as a click on it
    // would, none as nothing.
    void SelectNames(std::vector<std::string> names);
};

// The selected modifier as timecycle_modifier_data XML, shown in place of the
// detail pane.
void GenerateModifierXml(TimecycleEditorState& state);
}
