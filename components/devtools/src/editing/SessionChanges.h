// What the editor changed this session: the first time it touches a
// modifier it keeps the modifier as it was, for "Revert", "Compare", the
// change marks and the original values in the table. Modifiers are known by
// name, as the game knows them; a rename carries the record along.
#pragma once

#include "editing/ModifierSnapshot.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tceditor
{
class SessionChanges
{
public:
    explicit SessionChanges(GameTimecycle& game) : m_game(game) {}

    struct Record
    {
        // The modifier before the editor's first change; none for a modifier
        // the editor created.
        std::optional<ModifierSnapshot> original;
        // The original's parameters by ascending var id, for lookups.
        std::vector<tcModData> originalByVar;
        // Differs from the original (always, for a created one).
        bool changed = false;
        // The modifier's content as the editor's last change left it, its
        // parameters in the game's order. What differs from it now, the game
        // changed.
        uint32_t editorUserFlags = 0;
        std::vector<tcModData> editorParams;

        // The original parameter of the variable, or null.
        const tcModData* OriginalParameter(int32_t varId) const;
        // The parameter as the editor's last change left it, or null.
        const tcModData* EditorParameter(int32_t varId) const;
        // Whether the modifier's content is as the editor's last change
        // left it.
        bool AsEditorLeftIt(const tcModifier& modifier) const;
    };

    // Before every change: keeps the modifier as it is now, the first time.
    void Touch(const tcModifier& modifier);
    // After every change: whether the modifier now differs from its original.
    void Refresh(const tcModifier& modifier);
    void NoteCreated(const std::string& name);
    void NoteRenamed(const std::string& from, const std::string& to);
    void NoteRemoved(const std::string& name);

    // The record of a live modifier the editor touched, or null.
    const Record* Find(const std::string& name) const;
    bool IsChanged(const std::string& name) const;
    // Live modifiers that differ from their originals or were created; kept
    // as records change, so a frame pays nothing for the session's size.
    int ChangedCount() const;
    // Every live modifier the editor touched, by name: changed, unchanged
    // again, or created (no original).
    const std::unordered_map<std::string, Record>& Touched() const { return m_live; }
    // Modifiers the editor removed (by their last names), with their
    // originals; not those it had created.
    const std::unordered_map<std::string, Record>& Removed() const { return m_removed; }

    void Clear();

    // The names whose modifier or record changed since the last call (both
    // names of a rename), for the unsaved work on disk to follow.
    std::unordered_set<std::string> TakeChangedNames();

private:
    GameTimecycle& m_game;
    std::unordered_map<std::string, Record> m_live;
    std::unordered_map<std::string, Record> m_removed;
    std::unordered_set<std::string> m_changedNames;
    // The live records with `changed` set.
    int m_changedCount = 0;
};
}
