#include "editing/MultiEdit.h"

#include "base/TypedExpression.h"
#include "editing/EditorState.h"
#include "game/ModifierNameIndex.h"

#include <Utils.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tceditor
{
namespace
{
std::string VariableText(GameTimecycle& game, int32_t varId, ValueColumn column)
{
    const char* name = game.VariableName(varId);
    std::string text = name ? name : "variable " + std::to_string(varId);
    if (column == ValueColumn::Indoor)
        text += " (Value 2)";
    return text;
}

std::string InModifiers(size_t count)
{
    return fmt::sprintf(count == 1 ? " in %d modifier" : " in %d modifiers", static_cast<int>(count));
}

// The members that have the parameter, with their live values.
struct Holder
{
    tcModifier* modifier;
    float value;
};
std::vector<Holder> HoldersOf(TimecycleEditorState& state, int32_t varId, ValueColumn column)
{
    std::vector<Holder> holders;
    for (tcModifier* modifier : state.multiRows.Members(state.game))
    {
        if (const tcModData* entry = state.game.GetTimecycleModData(*modifier, varId))
            holders.push_back({ modifier, ValueIn(*entry, column) });
    }
    return holders;
}

// Writes `targetOf(holder)` into every holder where it is a finite number;
// the action is named after all the holders.
template <typename TargetOf>
size_t WriteEach(TimecycleEditorState& state, int32_t varId, ValueColumn column, const std::string& verb,
                 TargetOf targetOf, uint32_t gesture)
{
    const std::vector<Holder> holders = HoldersOf(state, varId, column);
    std::vector<EditHistory::ModifierValueWrite> writes;
    writes.reserve(holders.size());
    for (const Holder& holder : holders)
    {
        const std::optional<float> target = targetOf(holder);
        if (target && std::isfinite(*target))
            writes.push_back({ holder.modifier, varId, *target });
    }
    if (writes.empty())
        return 0;
    return state.history.SetValueInModifiers(writes, column, verb + InModifiers(holders.size()), gesture);
}
}

size_t MultiSetValue(TimecycleEditorState& state, int32_t varId, ValueColumn column, float value, uint32_t gesture)
{
    return WriteEach(state, varId, column, fmt::sprintf("set %s to %.3f", VariableText(state.game, varId, column), value),
                     [&](const Holder&) -> std::optional<float> { return value; }, gesture);
}

size_t MultiOffsetValue(TimecycleEditorState& state, int32_t varId, ValueColumn column, float offset, uint32_t gesture)
{
    return WriteEach(state, varId, column, "drag " + VariableText(state.game, varId, column),
                     [&](const Holder& holder) -> std::optional<float> { return holder.value + offset; }, gesture);
}

std::optional<size_t> MultiApplyTypedText(TimecycleEditorState& state, int32_t varId, ValueColumn column,
                                          std::string_view typedText, std::string_view shownText)
{
    const auto trimmed = [](std::string_view text) {
        const size_t first = text.find_first_not_of(" \t");
        return first == std::string_view::npos ? std::string_view() : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    };
    const std::string_view typed = trimmed(typedText);
    if (typed == trimmed(shownText))
        return size_t(0);
    // "+x", "*x", "/x" act on each member's value; anything else must be a
    // number.
    if (!TypedOperationResult(typed, shownText, 1.0f))
    {
        const std::optional<float> number = ParseNumberText(typed);
        if (!number)
            return std::nullopt;
        return MultiSetValue(state, varId, column, *number);
    }
    return WriteEach(state, varId, column, VariableText(state.game, varId, column) + " " + std::string(typed),
                     [&](const Holder& holder) { return TypedOperationResult(typed, shownText, holder.value); }, 0);
}

size_t MultiResetToDefault(TimecycleEditorState& state, int32_t varId, ValueColumn column)
{
    const tcVarInfo* info = state.game.GetConfigVarInfo(varId);
    if (!info)
        return 0;
    const float value = info->defaultValue;
    return WriteEach(state, varId, column, "reset " + VariableText(state.game, varId, column) + " to default",
                     [&](const Holder&) -> std::optional<float> { return value; }, 0);
}

size_t MultiResetToOriginal(TimecycleEditorState& state, int32_t varId, ValueColumn column)
{
    return WriteEach(state, varId, column, "reset " + VariableText(state.game, varId, column) + " to original",
                     [&](const Holder& holder) -> std::optional<float> {
                         const SessionChanges::Record* record =
                             state.changes.Find(state.game.GetTimecycleName(*holder.modifier));
                         const tcModData* original = record ? record->OriginalParameter(varId) : nullptr;
                         if (!original)
                             return std::nullopt;
                         return ValueIn(*original, column);
                     },
                     0);
}

size_t MultiSetColour(TimecycleEditorState& state, const std::array<int32_t, 3>& channels, std::string_view stem,
                      ValueColumn column, const std::array<float, 3>& colour, uint32_t gesture)
{
    std::vector<EditHistory::ModifierValueWrite> writes;
    size_t complete = 0;
    for (tcModifier* modifier : state.multiRows.Members(state.game))
    {
        bool all = true;
        for (int32_t channel : channels)
            all = all && state.game.GetTimecycleModData(*modifier, channel);
        if (!all)
            continue;
        ++complete;
        for (size_t i = 0; i < 3; ++i)
            writes.push_back({ modifier, channels[i], colour[i] });
    }
    if (writes.empty())
        return 0;
    const char* value = column == ValueColumn::Indoor ? " value 2" : " value 1";
    return state.history.SetValueInModifiers(writes, column, "colour " + std::string(stem) + value + InModifiers(complete),
                                             gesture);
}

size_t MultiAddVariable(TimecycleEditorState& state, const char* varName)
{
    GameTimecycle& game = state.game;
    const int32_t varId = game.VariableIdByName(varName);
    if (varId < 0)
        return 0;
    std::vector<tcModifier*> lacking;
    for (tcModifier* modifier : state.multiRows.Members(game))
    {
        if (!game.GetTimecycleModData(*modifier, varId))
            lacking.push_back(modifier);
    }
    if (lacking.empty())
        return 0;
    // The game's own name of the variable, not the text as typed.
    const std::string name = game.VariableName(varId);
    size_t added = 0;
    state.history.BeginGroup("add " + name + InModifiers(lacking.size()), true);
    for (tcModifier* modifier : lacking)
        added += state.history.AddParameter(*modifier, name.c_str(), nullptr, ParameterChangeKind::AddedOrDeleted);
    state.history.EndGroup();
    return added;
}

size_t MultiRemoveVariable(TimecycleEditorState& state, int32_t varId, ParameterChangeKind kind)
{
    GameTimecycle& game = state.game;
    std::vector<tcModifier*> having;
    for (tcModifier* modifier : state.multiRows.Members(game))
    {
        if (game.GetTimecycleModData(*modifier, varId))
            having.push_back(modifier);
    }
    if (having.empty())
        return 0;
    const char* verb = kind == ParameterChangeKind::Switched ? "switch off " : "delete ";
    size_t removed = 0;
    std::vector<std::pair<std::string, tcModData>>& kept = state.multiSelection.switchedOff[varId];
    state.history.BeginGroup(verb + VariableText(game, varId, ValueColumn::Outdoor) + InModifiers(having.size()), true);
    for (tcModifier* modifier : having)
    {
        const tcModData entry = *game.GetTimecycleModData(*modifier, varId);
        if (!state.history.RemoveParameter(*modifier, varId, kind))
            continue;
        ++removed;
        if (kind == ParameterChangeKind::Switched)
            kept.emplace_back(game.GetTimecycleName(*modifier), entry);
    }
    state.history.EndGroup();
    if (kept.empty())
        state.multiSelection.switchedOff.erase(varId);
    return removed;
}

size_t MultiSwitchOn(TimecycleEditorState& state, int32_t varId)
{
    GameTimecycle& game = state.game;
    const auto found = state.multiSelection.switchedOff.find(varId);
    const char* variable = game.VariableName(varId);
    if (found == state.multiSelection.switchedOff.end() || !variable)
        return 0;
    const std::vector<std::pair<std::string, tcModData>> kept = std::move(found->second);
    state.multiSelection.switchedOff.erase(found);
    const ModifierNameIndex members(game);
    size_t added = 0;
    state.history.BeginGroup("switch on " + std::string(variable) + InModifiers(kept.size()), true);
    for (const auto& [name, entry] : kept)
    {
        tcModifier* modifier = state.multiSelection.Contains(name) ? members.Find(name) : nullptr;
        if (modifier && !game.GetTimecycleModData(*modifier, varId))
            added += state.history.AddParameter(*modifier, variable, &entry, ParameterChangeKind::Switched);
    }
    state.history.EndGroup();
    return added;
}
}
