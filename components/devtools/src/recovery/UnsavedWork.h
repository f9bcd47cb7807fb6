// The session's unsaved work as plain values: what must be put into a fresh
// game to bring back every modifier the session changed, created, renamed or
// removed. It is kept on disk as a journal (UnsavedJournal.h) of steps, each
// step holding the modifiers that step touched.
#pragma once

#include "documents/ModifierDocument.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tceditor
{
// One modifier of the work, or its change in a step.
struct UnsavedModifier
{
    enum class Kind : uint8_t
    {
        // The modifier is to be as `state` says.
        Put,
        // The game's modifier `key` is to be removed.
        Removed,
        // Nothing of `key` is unsaved any more (in a step only).
        Dropped,
    };
    Kind kind = Kind::Put;
    // Known across a restart by its name when the session started (the name
    // the game loads it under), or, for one the session created, by the name
    // it has now.
    bool created = false;
    std::string key;
    // Put: the name, user flags and parameters in the game's order.
    DocumentModifier state;

    bool operator==(const UnsavedModifier& other) const;
};

// What one completed step left unsaved.
struct UnsavedStep
{
    // The local time of the step, "YYYY-MM-DD HH:MM:SS".
    std::string time;
    // Everything before this step is saved ("Save changed").
    bool saved = false;
    std::vector<UnsavedModifier> changes;
};

// `later` folded into `step`: one step that leaves the work as the two in
// turn do, holding at most one change per modifier.
void FoldStep(UnsavedStep& step, UnsavedStep later);

struct UnsavedWork
{
    // The time of the last step.
    std::string endedAt;
    // By "o:" or "c:" (created) and the key.
    std::map<std::string, UnsavedModifier> modifiers;

    void Apply(const UnsavedStep& step);
    bool Empty() const { return modifiers.empty(); }
    size_t CreatedCount() const;
    size_t RemovedCount() const;
    // The work as one step, for a journal that starts afresh.
    UnsavedStep AsStep() const;
};
}
