#include "editing/SessionChangeList.h"

#include "base/StatusText.h"
#include "game/ModifierNameIndex.h"

#include <algorithm>

namespace tceditor
{
namespace
{
// Whether the game, not the editor, made the parameter as it is now.
bool MadeByGame(const tcModData* live, const tcModData* editor)
{
    return (live != nullptr) != (editor != nullptr) || (live && !SameValues(*live, *editor));
}

// The live modifier's parameters that differ from the original's, by var id.
std::vector<ChangedParameter> ChangedParameters(GameTimecycle& game, tcModifier& modifier,
                                                const SessionChanges::Record& record)
{
    std::vector<int32_t> varIds;
    for (const tcModData& entry : record.originalByVar)
        varIds.push_back(entry.varId);
    for (int i = 0; i < modifier.numMods; ++i)
        varIds.push_back(modifier.modData[i].varId);
    std::sort(varIds.begin(), varIds.end());
    varIds.erase(std::unique(varIds.begin(), varIds.end()), varIds.end());

    std::vector<ChangedParameter> changed;
    for (int32_t varId : varIds)
    {
        const tcModData* live = game.GetTimecycleModData(modifier, varId);
        const tcModData* original = record.original ? record.OriginalParameter(varId) : nullptr;
        if (live && original && SameValues(*live, *original))
            continue;
        ChangedParameter line;
        line.varId = varId;
        line.kind = !original ? ChangedParameter::Kind::Added
                    : !live   ? ChangedParameter::Kind::Removed
                              : ChangedParameter::Kind::Changed;
        if (original)
            line.original = *original;
        if (live)
            line.now = *live;
        line.byGame = MadeByGame(live, record.EditorParameter(varId));
        changed.push_back(line);
    }
    return changed;
}

std::string VariableLabel(GameTimecycle& game, int32_t varId)
{
    const char* name = game.VariableName(varId);
    return name ? name : "variable " + std::to_string(varId);
}
}

std::vector<ChangedModifier> ListSessionChanges(GameTimecycle& game, const SessionChanges& changes)
{
    // One pass over the game's array: the session may have touched all of it.
    const ModifierNameIndex live(game);

    std::vector<ChangedModifier> list;
    for (const auto& [name, record] : changes.Touched())
    {
        tcModifier* found = live.Find(name);
        if (!found)
            continue;
        tcModifier& modifier = *found;
        ChangedModifier line;
        line.kind = record.original ? ChangedModifier::Kind::Changed : ChangedModifier::Kind::Created;
        line.name = name;
        line.originalName = record.original ? record.original->name : std::string();
        line.byGame = !record.AsEditorLeftIt(modifier);
        line.parameters = ChangedParameters(game, modifier, record);
        if (!record.changed && line.parameters.empty() && !line.byGame)
            continue;
        list.push_back(std::move(line));
    }
    for (const auto& [name, record] : changes.Removed())
    {
        ChangedModifier line;
        line.kind = ChangedModifier::Kind::Removed;
        line.name = name;
        line.originalName = record.original ? record.original->name : std::string();
        list.push_back(std::move(line));
    }
    std::sort(list.begin(), list.end(), [](const ChangedModifier& a, const ChangedModifier& b) { return a.name < b.name; });
    return list;
}

const std::vector<ChangedModifier>& SessionChangeList::Update(GameTimecycle& game, const SessionChanges& changes,
                                                              uint64_t historyRevision, int frame)
{
    if (!m_valid || m_revision != historyRevision || frame - m_gatheredAt >= kFramesToFollowGame || frame < m_gatheredAt)
    {
        m_list = ListSessionChanges(game, changes);
        m_valid = true;
        m_revision = historyRevision;
        m_gatheredAt = frame;
    }
    return m_list;
}

bool RevertParameter(GameTimecycle& game, EditHistory& history, const SessionChanges& changes,
                     const std::string& modifierName, int32_t varId, std::string& why)
{
    const SessionChanges::Record* record = changes.Find(modifierName);
    tcModifier* modifier = record ? game.FindModifierByName(modifierName) : nullptr;
    if (!modifier)
    {
        why = "the game no longer has " + StatusName(modifierName);
        return false;
    }
    const std::string variable = VariableLabel(game, varId);
    const tcModData* live = game.GetTimecycleModData(*modifier, varId);
    if (MadeByGame(live, record->EditorParameter(varId)))
    {
        why = "the game changed " + variable + " in " + StatusName(modifierName) + " itself; it is left as the game made it";
        return false;
    }
    const tcModData* original = record->original ? record->OriginalParameter(varId) : nullptr;
    const tcModData target = original ? *original : tcModData{};
    const uint64_t revision = history.Revision();
    history.BeginGroup("revert " + variable + " in " + StatusName(modifierName), true);
    if (original && live)
    {
        history.SetValue(*modifier, varId, ValueColumn::Outdoor, target.value1);
        history.SetValue(*modifier, varId, ValueColumn::Indoor, target.value2);
    }
    else if (original)
        history.AddParameter(*modifier, variable.c_str(), &target, ParameterChangeKind::AddedOrDeleted);
    else if (live)
        history.RemoveParameter(*modifier, varId, ParameterChangeKind::AddedOrDeleted);
    history.EndGroup();
    if (history.Revision() == revision)
    {
        why = "the game did not take the original " + variable + " in " + StatusName(modifierName);
        return false;
    }
    return true;
}

bool RevertModifier(GameTimecycle& game, EditHistory& history, const SessionChanges& changes,
                    const std::string& modifierName, std::string& why)
{
    const uint64_t revision = history.Revision();
    if (const auto removed = changes.Removed().find(modifierName); removed != changes.Removed().end())
    {
        const ModifierSnapshot& original = *removed->second.original;
        if (game.FindModifierByName(original.name))
            why = "the game has another " + StatusName(original.name);
        else if (!history.CreateModifier(original))
            why = "the game refused to create " + StatusName(original.name);
        return history.Revision() != revision;
    }
    const SessionChanges::Record* record = changes.Find(modifierName);
    tcModifier* modifier = record ? game.FindModifierByName(modifierName) : nullptr;
    if (!modifier)
    {
        why = "the game no longer has " + StatusName(modifierName);
        return false;
    }
    if (!record->AsEditorLeftIt(*modifier))
    {
        why = "the game changed " + StatusName(modifierName) + " itself; it is left as the game made it";
        return false;
    }
    if (!record->original)
        history.DeleteModifier(*modifier);
    else if (!history.ReplaceModifier(*modifier, *record->original, "revert"))
        why = "the game refused a part of the original of " + StatusName(modifierName);
    if (history.Revision() == revision && why.empty())
        why = "the game did not take the original of " + StatusName(modifierName);
    return history.Revision() != revision;
}
}
