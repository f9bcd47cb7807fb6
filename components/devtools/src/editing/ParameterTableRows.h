// The rows of the parameter table, in the order the table shows them: the
// working parameters whose variable the game has and whose name passes the
// table's filter, each with whether its name matches the browser's parameter
// query, and the texts and widget labels that stay the same from frame to
// frame. Gathered again only when what they come from changes, so that a
// frame costs what the table shows, not what the modifier holds.
#pragma once

#include "editing/ColourTriples.h"
#include "editing/ModifierSelection.h"
#include "game/GameTimecycle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tceditor
{
// How far and how fast a value's drag goes, from its variable's default d:
// speed 0.02 over -1..1 for 0, otherwise |d| / 20 over -10|d|..10|d|, so
// dragging right always raises a value.
struct DragRange
{
    float min, max, speed;
};
DragRange DragRangeOfDefault(float defaultValue);

// What one row of the parameter table shows besides the live values.
struct ParameterRowView
{
    int32_t varId;
    bool highlighted;
    std::string name;         // the variable's name
    std::string varText;      // the variable's id, "%d"
    std::string defaultText;  // its default, "%f"
    DragRange drag;           // its values' drag, before a value widens it
    // Widget labels, made of the modifier's name hash and the var id.
    std::string value1Label, value2Label, checkLabel, deleteLabel;
    // A channel of a colour the modifier has whole: the row shows a swatch.
    bool colourChannel;
    std::string swatchLabel;
    // The selection's working copy of the parameter and, on a swatch's row,
    // those of the colour's channels (else null): found once per gathering,
    // so a frame looks nothing up. The map's entries stay where they are
    // until one is erased, and that gathers the rows again.
    tcModData* working;
    const tcModData* channels[3];
};

class ParameterTableRows
{
public:
    // The rows for the selection's working parameters (by var id), of the
    // modifier with this name hash, the game's variable table and its
    // colours, the table's filter and the browser's parameter query.
    // Checking that nothing changed costs the same for any number of
    // parameters.
    const std::vector<ParameterRowView>& Update(GameTimecycle& game, ModifierSelection& selection,
                                                ColourTriples& colours, uint32_t nameHash, const char* filter,
                                                const char* query);
    // Counts the times the rows were gathered: what is measured from them
    // holds while it stays the same.
    uint64_t Generation() const { return m_generation; }

private:
    bool SameSource(const ModifierSelection& selection, uint32_t nameHash, const tcVarInfo* varInfos, int varCount,
                    const char* filter, const char* query) const;

    // What the rows were gathered from.
    uint64_t m_keysVersion = 0;
    size_t m_workingCount = 0;
    uint32_t m_nameHash = 0;
    const tcVarInfo* m_varInfos = nullptr;
    int m_varCount = -1;
    std::string m_filter;
    std::string m_query;

    std::vector<ParameterRowView> m_rows;
    uint64_t m_generation = 0;
};
}
