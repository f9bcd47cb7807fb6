#include "editing/ModifierDocumentOfGame.h"

#include "editing/SessionChanges.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tceditor
{
const SharedName* SharedVariableNames::Of(GameTimecycle& game, int32_t varId)
{
    const char* gameName = game.VariableName(varId);
    if (!gameName)
        return nullptr;
    // An id the game names is inside its table: never negative.
    if (size_t(varId) >= m_byVarId.size())
        m_byVarId.resize(size_t(varId) + 1);
    Known& known = m_byVarId[size_t(varId)];
    // Made again when the game's text is another one (its table changed).
    if (known.gameName != gameName)
        known = { gameName, SharedName(gameName) };
    return &known.name;
}

DocumentModifier DocumentOfModifier(GameTimecycle& game, const tcModifier& modifier)
{
    SharedVariableNames names;
    return DocumentOfModifier(game, modifier, names);
}

DocumentModifier DocumentOfModifier(GameTimecycle& game, const tcModifier& modifier, SharedVariableNames& names)
{
    DocumentModifier document;
    document.name = game.GetTimecycleName(modifier);
    document.userFlags = modifier.userFlags;
    document.numMods = modifier.numMods;
    document.parameters.reserve(modifier.numMods);
    for (int i = 0; i < modifier.numMods; ++i)
    {
        const tcModData& entry = modifier.modData[i];
        if (const SharedName* varName = names.Of(game, entry.varId))
            document.parameters.push_back({ *varName, entry.value1, entry.value2 });
    }
    return document;
}

std::string ChangedModifiersText(GameTimecycle& game, const SessionChanges& changes)
{
    std::vector<DocumentModifier> modifiers;
    SharedVariableNames names;
    for (const tcModifier* modifier : game.Modifiers())
    {
        if (modifier && modifier->modData && changes.IsChanged(game.GetTimecycleName(*modifier)))
            modifiers.push_back(DocumentOfModifier(game, *modifier, names));
    }

    // Removed under the names the data had before the session: a modifier
    // renamed and then deleted is gone under its first name.
    DocumentNameList removed{ "Removed this session:", {}, {} };
    for (const auto& [name, record] : changes.Removed())
        removed.names.push_back(record.original->name);
    std::sort(removed.names.begin(), removed.names.end());

    // A live modifier under another name than its original's was renamed.
    std::vector<std::pair<std::string, std::string>> renames;
    for (const auto& [name, record] : changes.Touched())
        if (record.original && record.original->name != name)
            renames.emplace_back(record.original->name, name);
    std::sort(renames.begin(), renames.end());
    DocumentNameList renamed{ "Renamed this session:", {}, {} };
    for (auto& [from, to] : renames)
    {
        renamed.names.push_back(std::move(from));
        renamed.newNames.push_back(std::move(to));
    }
    return ModifierDocumentText(modifiers, { removed, renamed });
}

std::string ModifiersText(GameTimecycle& game, std::span<tcModifier* const> modifiers)
{
    std::vector<DocumentModifier> documents;
    SharedVariableNames names;
    for (const tcModifier* modifier : modifiers)
        documents.push_back(DocumentOfModifier(game, *modifier, names));
    return ModifierDocumentText(documents, nullptr);
}
}
