// The modifier being edited. It is known by name, as the game knows it, and
// found again in the game whenever it is needed, so no pointer to a game
// record outlives the call that found it. The editor's working copy of its
// parameters stays here across frames.
#pragma once

#include "game/GameTimecycle.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tceditor
{
class ModifierSelection
{
public:
    // Every parameter the modifier has had since it was selected, by var id:
    // the parameter table edits these copies. Parameters come and go through
    // SetWorking and ForgetWorking, which KeysVersion follows.
    std::map<int32_t, tcModData> workingParams;
    // Parameters switched off in the table; their values stay in
    // workingParams.
    std::set<int32_t> switchedOff;

    // The selected modifier's name; empty while nothing is selected.
    const std::string& Name() const { return m_name; }
    bool IsEmpty() const { return m_name.empty(); }

    // The selected modifier as the game has it now; null, with the selection
    // cleared, once the game no longer has a modifier of that name.
    tcModifier* Find(GameTimecycle& game);
    // The selected modifier was renamed through the editor.
    void FollowRename(const std::string& from, const std::string& to);
    void Clear();
    // Adds live parameters not yet in workingParams; working ones are kept.
    // While the live var ids and the working keys are as the last capture
    // left them there is nothing to add: that costs a compare of the live
    // array with the one captured, and a look at each var id only once its
    // values changed.
    void CaptureParams(GameTimecycle& game);
    // The live entry of the variable in the selected modifier, `modifier`:
    // the first one of its var id where the last capture found it, while the
    // array still holds it there; else the game looks it up.
    tcModData* LiveEntry(GameTimecycle& game, tcModifier& modifier, int32_t varId) const;
    // Sets a working copy, adding the parameter when it had none.
    void SetWorking(int32_t varId, const tcModData& entry);
    // Forgets a parameter's working copy; returns whether it had one.
    bool ForgetWorking(int32_t varId);
    // Changes whenever workingParams may have gained or lost a parameter.
    uint64_t KeysVersion() const { return m_keysVersion; }
    // Selects `next`. Selecting never writes to the game: the switched-off
    // rows of the previous modifier are forgotten with their values.
    void Select(GameTimecycle& game, tcModifier& next);

private:
    std::string m_name;
    // Where the modifier stood when last found: tried first, so finding it
    // again costs one name comparison while the game's array stays put.
    size_t m_indexHint = 0;

    uint64_t m_keysVersion = 1;
    // The live entries the last capture read, and the version it left: while
    // their var ids and the version are the same, every live parameter has
    // its working copy.
    const tcModifier* m_capturedModifier = nullptr;
    std::vector<tcModData> m_capturedEntries;
    // Each variable's first entry in them, by var id (the game's table's
    // ids only); -1 for none.
    std::vector<int32_t> m_firstEntry;
    uint64_t m_capturedVersion = 0;
    // workingParams's size then: a copy erased from the map itself is found too.
    size_t m_capturedCount = 0;
};
}
