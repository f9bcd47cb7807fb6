// The table of several selected modifiers: one row per variable any of them
// has, with how many have it and whether they share each value. Gathered
// when the selection or the history moves, or when the game changed a member
// (a few members are compared with the game each frame), never per frame as
// a whole: a frame costs what the table shows.
#pragma once

#include "editing/EditHistory.h"
#include "editing/MultiSelection.h"
#include "game/GameTimecycle.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tceditor
{
struct MultiParameterRow
{
    int32_t varId = -1;
    // How many of the members have the parameter.
    uint32_t present = 0;
    // Per column (Value 1, Value 2): whether every member that has the
    // parameter has the same value to the bit, and that value (the first
    // member's when they differ).
    bool common[2] = { true, true };
    float value[2] = { 0.0f, 0.0f };
    // No member has it: it was switched off in every one that had it.
    bool switchedOff = false;

    bool Common(ValueColumn column) const { return common[column == ValueColumn::Indoor]; }
    float Value(ValueColumn column) const { return value[column == ValueColumn::Indoor]; }
};

class MultiParameterRows
{
public:
    // Members compared with the game per frame: the data's 2,093 within
    // about four seconds, at a small part of the frame's cost.
    static constexpr size_t kMembersCheckedPerFrame = 8;

    // The rows for this frame, narrowed to the variables whose name holds
    // `filter`. Members the game no longer has leave the selection.
    const std::vector<MultiParameterRow>& Update(GameTimecycle& game, MultiSelection& selection,
                                                 uint64_t historyRevision, const char* filter);
    // Moves on whenever the rows are gathered again.
    uint64_t Generation() const { return m_generation; }
    // How many members the rows were gathered from.
    size_t MemberCount() const { return m_members.size(); }

    // The row of the variable, whatever the filter; null when no member has
    // it.
    const MultiParameterRow* Find(int32_t varId) const;
    // The members as the game has them now, in the game's order; each one
    // checked against the game's array before it is handed out.
    std::vector<tcModifier*> Members(GameTimecycle& game) const;
    // The first member still where it was, or null.
    tcModifier* FirstMember(GameTimecycle& game) const;
    // The distinct values of one column of a variable among the members,
    // most frequent first, with how many members have each.
    std::vector<std::pair<float, size_t>> DistinctValues(GameTimecycle& game, int32_t varId, ValueColumn column) const;

    // The rows are gathered again in the next Update.
    void Invalidate() { m_valid = false; }

private:
    struct Member
    {
        std::string name;
        size_t slot;
        tcModifier* modifier;  // compared with the game's slot before any use
        uint64_t content;
    };
    bool StillHolds(GameTimecycle& game, const Member& member) const;
    bool MembersHold(GameTimecycle& game);
    void Gather(GameTimecycle& game, MultiSelection& selection);
    void Narrow(GameTimecycle& game, const char* filter);

    bool m_valid = false;
    uint64_t m_selectionVersion = 0;
    uint64_t m_revision = 0;
    std::string m_filter;
    uint64_t m_generation = 0;
    std::vector<Member> m_members;
    std::vector<MultiParameterRow> m_allRows;
    std::vector<MultiParameterRow> m_rows;
    size_t m_nextChecked = 0;
};
}
