// The suggestions under the detail pane's "Variable" field: the game's
// variables whose name holds the field's text, in the game's order, but those
// the selected modifier has as live parameters. Gathered again only when the
// text, the modifier's parameters or the game's variable table change, so
// that a frame costs what the popup shows, not what the game holds.
#pragma once

#include "game/GameTimecycle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tceditor
{
class VariableSuggestions
{
public:
    // The suggested variables, as indices into the variable-info array.
    // Checking that nothing changed walks the modifier's parameters once.
    const std::vector<int32_t>& Update(GameTimecycle& game, const char* text, const tcModifier& modifier);
    const std::vector<int32_t>& List() const { return m_list; }

    // The suggestion the arrow keys moved to, -1 for none; it goes back to
    // none whenever the list is gathered again.
    int highlighted = -1;
    // The highlight moved: the popup scrolls it into view.
    bool highlightMoved = false;
    // Down moves to the next suggestion, up to the previous one and from the
    // first back to none.
    void MoveHighlight(int step);

private:
    bool SameSource(const char* text, const tcModifier& modifier, const tcVarInfo* varInfos, int varCount) const;

    // What the list was gathered from.
    std::string m_text;
    // Compared with the modifier and array of the frame, never read.
    const tcModifier* m_modifier = nullptr;
    const tcModData* m_modData = nullptr;
    std::vector<int32_t> m_liveVars;
    const tcVarInfo* m_varInfos = nullptr;
    int m_varCount = -1;

    std::vector<int32_t> m_list;
};
}
