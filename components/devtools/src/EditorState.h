// Everything the Timecycle Editor knows: the window's open flag, the selected
// modifier with the editor's working copy of its parameters, the search
// result, the text fields and the generated XML. One instance exists for the
// life of the process; the host's data stays with the host.
#pragma once

#include "NameHashSet.h"
#include "TextBuffer.h"

#include <TimecycleManager.h>
#include <tinyxml2.h>

#include <cstdint>
#include <map>
#include <set>

struct ModifierSelection
{
    // The selected host modifier; null when nothing is selected.
    tcModifier* modifier = nullptr;
    // Copy of every parameter the modifier has had since it was selected, by
    // var id; the parameter table edits these copies.
    std::map<int32_t, tcModData> savedParams;
    // Parameters switched off in the table; their values stay in savedParams.
    std::set<int32_t> removedVars;

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

    // A click on a modifier's row in the browser.
    void SelectFromBrowser(tcModifier& modifier);
    // Closes the window and forgets selection, search and fields.
    void ResetEditorState();
};
