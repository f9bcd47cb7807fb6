#include "ModifierDocumentOfGame.h"

#include "SessionChanges.h"

#include <algorithm>
#include <vector>

namespace tceditor
{
DocumentModifier DocumentOfModifier(GameTimecycle& game, const tcModifier& modifier)
{
    DocumentModifier document;
    document.name = game.GetTimecycleName(modifier);
    document.userFlags = modifier.userFlags;
    document.numMods = modifier.numMods;
    for (int i = 0; i < modifier.numMods; ++i)
    {
        const tcModData& entry = modifier.modData[i];
        if (const char* varName = game.VariableName(entry.varId))
            document.parameters.push_back({ varName, entry.value1, entry.value2 });
    }
    return document;
}

std::string ChangedModifiersText(GameTimecycle& game, const SessionChanges& changes)
{
    std::vector<DocumentModifier> modifiers;
    for (const tcModifier* modifier : game.Modifiers())
    {
        if (modifier && modifier->modData && changes.IsChanged(game.GetTimecycleName(*modifier)))
            modifiers.push_back(DocumentOfModifier(game, *modifier));
    }

    DocumentNameList removed{ "Removed this session:", {} };
    for (const auto& [name, record] : changes.Removed())
        removed.names.push_back(name);
    std::sort(removed.names.begin(), removed.names.end());
    return ModifierDocumentText(modifiers, removed.names.empty() ? nullptr : &removed);
}
}
