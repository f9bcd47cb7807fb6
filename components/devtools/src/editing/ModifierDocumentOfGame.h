// timecycle_modifier_data documents made from the game's modifiers: one
// modifier's ("Generate XML", "Copy parameters"), and the session's work
// ("Copy changed", "Save changed"); and a read document's modifier made into
// one the game can take.
#pragma once

#include "documents/ModifierDocument.h"
#include "editing/ModifierSnapshot.h"
#include "game/GameTimecycle.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace tceditor
{
class SessionChanges;

// The game's variable names as the parameters of documents hold them, each
// made once: the documents of many modifiers (a paste's unsaved work) share
// one text per variable instead of allocating one per parameter.
class SharedVariableNames
{
public:
    // The name the game gives the variable now, or null.
    const SharedName* Of(GameTimecycle& game, int32_t varId);

private:
    struct Known
    {
        const char* gameName = nullptr;  // the game's text the name was made from
        SharedName name;
    };
    std::vector<Known> m_byVarId;
};

// The modifier as the game holds it now: its name, user flags, numMods and
// every entry whose variable the game names, in array order. Documents made
// with the same `names` share their variables' names.
DocumentModifier DocumentOfModifier(GameTimecycle& game, const tcModifier& modifier);
DocumentModifier DocumentOfModifier(GameTimecycle& game, const tcModifier& modifier, SharedVariableNames& names);

// Every live modifier the session changed or created, in the game's order and
// in the export's format with exact values, after a comment naming the
// modifiers the session removed (by their names before the session) and
// those it renamed ("alpha -> beta").
std::string ChangedModifiersText(GameTimecycle& game, const SessionChanges& changes);
// The given modifiers, in their order, in the export's format with exact
// values.
std::string ModifiersText(GameTimecycle& game, std::span<tcModifier* const> modifiers);

// The document's modifier as the game can take it, each variable's id from
// `variableIdOf(name)` (-1 for a variable the game does not know). Unknown
// variables are left out and each named once in `unknown`.
template <typename VariableIdOf>
ModifierSnapshot SnapshotOfDocument(const DocumentModifier& document, const VariableIdOf& variableIdOf,
                                    std::vector<std::string>& unknown)
{
    ModifierSnapshot snapshot{ document.name, document.userFlags, {} };
    snapshot.params.reserve(document.parameters.size());
    for (const DocumentParameter& parameter : document.parameters)
    {
        const int32_t varId = variableIdOf(parameter.variable.view());
        if (varId >= 0)
            snapshot.params.push_back({ varId, parameter.value1, parameter.value2 });
        else if (std::find(unknown.begin(), unknown.end(), parameter.variable) == unknown.end())
            unknown.push_back(parameter.variable.str());
    }
    return snapshot;
}
}
