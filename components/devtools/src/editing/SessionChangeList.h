// The "Session changes" window's lines: every modifier the session changed,
// created or removed, and under each its parameters that differ from the
// original (changed, added, removed), with what the game changed itself since
// the editor's last change marked as the game's. Gathered when the history
// moves, and again every so many frames to follow the game. Reverting a line
// is one step of the history; a line the game changed is never reverted.
#pragma once

#include "editing/EditHistory.h"
#include "editing/SessionChanges.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tceditor
{
struct ChangedParameter
{
    enum class Kind : uint8_t
    {
        Changed,
        Added,
        Removed,
    };
    Kind kind = Kind::Changed;
    int32_t varId = -1;
    tcModData original{};  // Changed, Removed
    tcModData now{};       // Changed, Added
    // The game, not the editor, made it as it is now.
    bool byGame = false;
};

struct ChangedModifier
{
    enum class Kind : uint8_t
    {
        Changed,
        Created,
        Removed,
    };
    Kind kind = Kind::Changed;
    std::string name;          // as the game has it now; the last name of a removed one
    std::string originalName;  // empty for a created one
    std::vector<ChangedParameter> parameters;
    // The game changed the modifier since the editor's last change.
    bool byGame = false;
};

// The session's changes, by name.
std::vector<ChangedModifier> ListSessionChanges(GameTimecycle& game, const SessionChanges& changes);

class SessionChangeList
{
public:
    // Frames after which the list is gathered again though the history did
    // not move: the game's own changes show within them.
    static constexpr int kFramesToFollowGame = 30;

    const std::vector<ChangedModifier>& Update(GameTimecycle& game, const SessionChanges& changes,
                                               uint64_t historyRevision, int frame);

private:
    bool m_valid = false;
    uint64_t m_revision = 0;
    int m_gatheredAt = 0;
    std::vector<ChangedModifier> m_list;
};

// "Revert" on a line: the parameter back to the original as one step. False,
// with `why` set, when the line no longer holds or the game made it.
bool RevertParameter(GameTimecycle& game, EditHistory& history, const SessionChanges& changes,
                     const std::string& modifier, int32_t varId, std::string& why);
// "Revert" on a modifier: its original back (a created one deleted, a removed
// one created again) as one step. False, with `why` set, when it cannot.
bool RevertModifier(GameTimecycle& game, EditHistory& history, const SessionChanges& changes,
                    const std::string& modifier, std::string& why);
}
