// The editor's undo and redo. Every change the editor makes to the game's
// timecycle goes through here: the history makes it through the game's
// operations and records it as one step (one drag gesture, one typed value,
// a parameter added, removed or switched, a modifier created, cloned,
// renamed, deleted or replaced whole). A step names its modifier as the game
// does, by name, and looks it up when it is undone or redone; a step whose
// modifier is gone, or is no longer as the step left it (the game loaded or
// changed a modifier of that name since), is skipped with a message.
#pragma once

#include "editing/ModifierSnapshot.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tceditor
{
class ModifierNameIndex;
class SessionChanges;

// Which of a parameter's two values: value1 outdoors, value2 indoors.
enum class ValueColumn : uint8_t
{
    Outdoor = 1,
    Indoor = 2,
};

// Inline: the table asks for every value cell it draws.
inline float& ValueIn(tcModData& entry, ValueColumn column)
{
    return column == ValueColumn::Outdoor ? entry.value1 : entry.value2;
}

inline float ValueIn(const tcModData& entry, ValueColumn column)
{
    return column == ValueColumn::Outdoor ? entry.value1 : entry.value2;
}

// How the table shows a parameter that a step adds or removes: a row that is
// switched on and off, or a row that comes and goes.
enum class ParameterChangeKind : uint8_t
{
    AddedOrDeleted,
    Switched,
};

// What an undone or redone step did, for the views to follow.
struct StepEffect
{
    enum class Kind : uint8_t
    {
        Value,
        Parameter,
        Modifier,
        Renamed,
        Replaced,
    };
    Kind kind = Kind::Value;
    // The modifier's name after the step.
    std::string modifier;
    // Parameter: the parameter with its values, and whether the modifier has
    // it now. Modifier: whether the modifier exists now.
    tcModData entry{};
    bool present = false;
    ParameterChangeKind parameterKind = ParameterChangeKind::AddedOrDeleted;
    // Renamed: the name before the step.
    std::string renamedFrom;
};

class EditHistory
{
public:
    // Steps are dropped, oldest first, once they hold more than this.
    static constexpr size_t kDefaultByteLimit = size_t(8) << 20;

    EditHistory(GameTimecycle& game, SessionChanges& changes, size_t byteLimit = kDefaultByteLimit);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Changes. Each one acts on the game at once and is recorded when the
    // game took it; the results are the game's.

    // Writes values of one column of the modifier's live parameters as one
    // step, e.g. the three channels of a colour; `action` names a step of
    // several values (a step of one is named by its value). Calls with the
    // same non-zero gesture extend that step, taking the new `action`, until
    // EndGesture or another change. False when the modifier has none of the
    // parameters.
    struct ValueWrite
    {
        int32_t varId;
        float value;
    };
    bool SetValues(tcModifier& modifier, ValueColumn column, std::span<const ValueWrite> writes, std::string action,
                   uint32_t gesture);
    bool SetValue(tcModifier& modifier, int32_t varId, ValueColumn column, float value, uint32_t gesture = 0);
    void EndGesture();
    // Values of one column into each of several modifiers (the writes of a
    // modifier next to each other), as one step named `action` even when
    // only one modifier took them. Calls with the
    // same non-zero gesture extend that step, as SetValues does; a member the
    // game changed since the last call gets a step of its own within it.
    // Returns how many modifiers took a new value.
    struct ModifierValueWrite
    {
        tcModifier* modifier;
        int32_t varId;
        float value;
    };
    size_t SetValueInModifiers(std::span<const ModifierValueWrite> writes, ValueColumn column, std::string action,
                               uint32_t gesture);
    // Whether changes with this gesture would extend the last step; without
    // one, whether any gesture would: the last step is complete once false.
    bool GestureOpen(uint32_t gesture) const;
    bool GestureOpen() const { return GestureOpen(m_openGesture); }
    // Adds the named variable's parameter; with `values`, gives it those (one
    // step also when the modifier has the parameter already).
    bool AddParameter(tcModifier& modifier, const char* varName, const tcModData* values, ParameterChangeKind kind);
    // Removes the parameter of `varId`.
    bool RemoveParameter(tcModifier& modifier, int32_t varId, ParameterChangeKind kind);
    tcModifier* CreateModifier(const std::string& name);
    // Creates a modifier with the snapshot's name, flags and parameters.
    tcModifier* CreateModifier(const ModifierSnapshot& snapshot);
    tcModifier* CloneModifier(tcModifier& source, const std::string& name);
    bool RenameModifier(tcModifier& modifier, const std::string& name);
    void DeleteModifier(tcModifier& modifier);
    // Gives the modifier the target's name, flags and parameters as one step;
    // `action` names it to the user ("revert").
    bool ReplaceModifier(tcModifier& modifier, const ModifierSnapshot& target, const char* action);

    // The changes made between these two are one step, undone and redone
    // together; `action` names it ("paste of 2 modifiers"). A group of one
    // change is that change's own step, unless `namedEvenAlone`. Groups do
    // not nest: every BeginGroup has its EndGroup before the next (asserted).
    void BeginGroup(std::string action, bool namedEvenAlone = false);
    void EndGroup();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // What the next undo or redo does, e.g. "fog_start 1.000 -> 2.000 in foggy".
    std::string UndoDescription() const;
    std::string RedoDescription() const;
    // The effect, or none when nothing was left or the step was skipped.
    std::optional<StepEffect> Undo();
    std::optional<StepEffect> Redo();

    // Why the last undo or redo was skipped or done only in part; empty
    // after a step that worked.
    const std::string& Message() const { return m_message; }

    void Clear();
    // Moves on with every recorded, undone or redone step and every Clear.
    uint64_t Revision() const { return m_revision; }
    size_t StepCount() const { return m_steps.size(); }
    // Steps that are done, that is undoable.
    size_t DoneCount() const { return m_done; }
    size_t Bytes() const { return m_bytes; }
    size_t ByteLimit() const { return m_byteLimit; }
    void SetByteLimit(size_t bytes);

private:
    struct ValueChange
    {
        struct Value
        {
            int32_t varId;
            float before;
            float after;
        };
        ValueColumn column;
        std::vector<Value> values;  // in the order first written
        std::string action;         // empty for a step named by its one value

        // Later values of the same gesture: a variable the change holds
        // keeps its first `before` and takes the new `after`; others join.
        void Merge(const std::vector<Value>& later);
    };
    struct ParameterChange
    {
        tcModData entry;
        uint16_t position;  // in the modifier's array while it was there
        bool presentAfter;
        ParameterChangeKind kind;
    };
    struct ModifierChange
    {
        ModifierSnapshot snapshot;
        std::string cloneSource;  // empty unless cloned
        bool existsAfter = false;
        // What the game applied it as when it was deleted.
        bool wasPrimary = false;
        bool wasTransition = false;
    };
    struct RenameChange
    {
        std::string newName;
    };
    struct ReplaceChange
    {
        ModifierSnapshot before;
        ModifierSnapshot after;
        const char* action;
    };
    struct GroupChange;
    // Rare and large changes live behind a pointer, so that the frequent
    // value steps stay small.
    struct Step
    {
        std::string modifier;  // its name before the step
        std::variant<ValueChange, ParameterChange, std::unique_ptr<ModifierChange>, std::unique_ptr<RenameChange>,
                     std::unique_ptr<ReplaceChange>, std::unique_ptr<GroupChange>>
            change;
        // The modifier's ContentFingerprint before and after the step (0
        // where it did not exist, and for a group, whose steps keep their
        // own): an undo acts only on a modifier found as `contentAfter`, a
        // redo only on one found as `contentBefore`.
        uint64_t contentBefore = 0;
        uint64_t contentAfter = 0;

        size_t Bytes() const;
        std::string Describe(GameTimecycle& game) const;
    };
    struct GroupChange
    {
        std::string action;
        std::vector<Step> steps;  // in the order they were made
        bool namedEvenAlone = false;
        // Made by SetValueInModifiers: a gesture may extend it.
        bool valuesAcrossModifiers = false;
    };
    // An undo or redo: what it did, and why it was skipped or left
    // incomplete.
    struct Outcome
    {
        std::optional<StepEffect> effect;
        std::string skipped;
    };

    tcModifier* RecordCreated(tcModifier& created, std::string cloneSource);
    void Record(Step step);
    void DropOldest();
    // `index`, when given, finds the modifiers of value steps: a group of
    // value steps changes no names.
    Outcome Apply(const Step& step, bool forward, const ModifierNameIndex* index = nullptr);
    // Whether the modifier is as the step left it (undo) or found it (redo).
    static bool AsStepLeftIt(const Step& step, const tcModifier& modifier, bool forward);
    Outcome ApplyGroup(const GroupChange& group, bool forward);
    size_t ExtendValuesAcrossModifiers(GroupChange& group, std::span<const ModifierValueWrite> writes,
                                       ValueColumn column);
    std::optional<StepEffect> Move(bool forward);

    GameTimecycle& m_game;
    SessionChanges& m_changes;
    size_t m_byteLimit;
    std::deque<Step> m_steps;
    size_t m_done = 0;   // steps before this index are done, the rest undone
    size_t m_bytes = 0;
    uint32_t m_openGesture = 0;
    std::string m_message;
    uint64_t m_revision = 0;
    // The group being made, between BeginGroup and EndGroup.
    std::unique_ptr<GroupChange> m_group;
};
}
