#include "editing/EditHistory.h"

#include "base/EditorAssert.h"
#include "editing/SessionChanges.h"
#include "game/ModifierNameIndex.h"

#include "base/StatusText.h"

#include <Utils.h>

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace tceditor
{
namespace
{
template <class... Handlers>
struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Heap memory a string holds beyond itself; short strings hold none.
size_t HeapBytes(const std::string& text)
{
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

std::string VariableLabel(GameTimecycle& game, int32_t varId)
{
    const char* name = game.VariableName(varId);
    return name ? name : fmt::sprintf("variable %d", varId);
}

int PositionOf(const tcModifier& modifier, int32_t varId)
{
    for (int i = 0; i < modifier.numMods; ++i)
    {
        if (modifier.modData[i].varId == varId)
            return i;
    }
    return -1;
}

std::string Gone(const std::string& modifier)
{
    return "the game no longer has " + StatusName(modifier);
}

std::string ChangedSince(const std::string& modifier)
{
    return "the game changed " + StatusName(modifier) + " since";
}
}

size_t EditHistory::Step::Bytes() const
{
    const size_t changeBytes = std::visit(
        Overloaded{
            [](const ValueChange& c) { return c.values.capacity() * sizeof(c.values[0]) + HeapBytes(c.action); },
            [](const ParameterChange&) { return size_t(0); },
            [](const std::unique_ptr<ModifierChange>& c) {
                return sizeof(*c) - sizeof(c->snapshot) + c->snapshot.Bytes() + HeapBytes(c->cloneSource);
            },
            [](const std::unique_ptr<RenameChange>& c) { return sizeof(*c) + HeapBytes(c->newName); },
            [](const std::unique_ptr<ReplaceChange>& c) {
                return sizeof(*c) - 2 * sizeof(ModifierSnapshot) + c->before.Bytes() + c->after.Bytes();
            },
            [](const std::unique_ptr<GroupChange>& c) {
                size_t bytes = sizeof(*c) + HeapBytes(c->action) + (c->steps.capacity() - c->steps.size()) * sizeof(Step);
                for (const Step& step : c->steps)
                    bytes += step.Bytes();
                return bytes;
            },
        },
        change);
    return sizeof(Step) + HeapBytes(modifier) + changeBytes;
}

std::string EditHistory::Step::Describe(GameTimecycle& game) const
{
    // Texts to show: names of any length shortened as the status line does.
    const std::string name = StatusName(modifier);
    return std::visit(
        Overloaded{
            [&](const ValueChange& c) -> std::string {
                if (!c.action.empty() || c.values.size() != 1)
                    return c.action;
                const ValueChange::Value& v = c.values.front();
                const char* column = c.column == ValueColumn::Indoor ? " (Value 2)" : "";
                return fmt::sprintf("%s%s %.3f -> %.3f in %s", VariableLabel(game, v.varId), column, v.before, v.after, name);
            },
            [&](const ParameterChange& c) -> std::string {
                const std::string variable = VariableLabel(game, c.entry.varId);
                if (c.kind == ParameterChangeKind::Switched)
                    return fmt::sprintf("switch %s %s in %s", c.presentAfter ? "on" : "off", variable, name);
                return c.presentAfter ? fmt::sprintf("add %s to %s", variable, name) : fmt::sprintf("delete %s from %s", variable, name);
            },
            [&](const std::unique_ptr<ModifierChange>& c) -> std::string {
                if (!c->existsAfter)
                    return fmt::sprintf("delete %s", name);
                return c->cloneSource.empty() ? fmt::sprintf("create %s", name) : fmt::sprintf("clone %s as %s", StatusName(c->cloneSource), name);
            },
            [&](const std::unique_ptr<RenameChange>& c) -> std::string {
                return fmt::sprintf("rename %s to %s", name, StatusName(c->newName));
            },
            [&](const std::unique_ptr<ReplaceChange>& c) -> std::string { return fmt::sprintf("%s %s", c->action, name); },
            [&](const std::unique_ptr<GroupChange>& c) -> std::string { return c->action; },
        },
        change);
}

void EditHistory::ValueChange::Merge(const std::vector<Value>& later)
{
    for (const Value& value : later)
    {
        auto same = std::find_if(values.begin(), values.end(), [&](const Value& v) { return v.varId == value.varId; });
        if (same != values.end())
            same->after = value.after;
        else
            values.push_back(value);
    }
}

EditHistory::EditHistory(GameTimecycle& game, SessionChanges& changes, size_t byteLimit)
    : m_game(game), m_changes(changes), m_byteLimit(byteLimit)
{
}

EditHistory::~EditHistory() = default;

bool EditHistory::SetValues(tcModifier& modifier, ValueColumn column, std::span<const ValueWrite> writes,
                            std::string action, uint32_t gesture)
{
    std::vector<ValueChange::Value> written;
    bool found = false;
    uint64_t contentBefore = 0;
    for (const ValueWrite& write : writes)
    {
        tcModData* live = m_game.GetTimecycleModData(modifier, write.varId);
        found = found || live;
        if (!live || SameValue(ValueIn(*live, column), write.value))
            continue;
        if (written.empty())
        {
            m_changes.Touch(modifier);
            contentBefore = ContentFingerprint(modifier);
        }
        float& target = ValueIn(*live, column);
        written.push_back({ write.varId, target, write.value });
        target = write.value;
    }
    if (written.empty())
        return found;
    const uint64_t contentAfter = ContentFingerprint(modifier);
    m_changes.Refresh(modifier);

    // The frames of one gesture extend its step, unless the game changed
    // the modifier in between.
    const std::string& name = m_game.GetTimecycleName(modifier);
    if (GestureOpen(gesture))
    {
        Step& last = m_steps.back();
        auto* change = std::get_if<ValueChange>(&last.change);
        // A step named by its one value takes only that value: another
        // value never joins the gesture.
        const bool sameKind = change && change->action.empty() == action.empty() &&
                              (!action.empty() || (written.size() == 1 && change->values.front().varId == written[0].varId));
        if (sameKind && change->column == column && last.modifier == name && last.contentAfter == contentBefore)
        {
            const size_t bytesBefore = last.Bytes();
            change->Merge(written);
            change->action = std::move(action);
            last.contentAfter = contentAfter;
            m_bytes = m_bytes - bytesBefore + last.Bytes();
            m_message.clear();
            DropOldest();
            return true;
        }
    }
    Record({ name, ValueChange{ column, std::move(written), std::move(action) }, contentBefore, contentAfter });
    m_openGesture = gesture;
    return true;
}

bool EditHistory::SetValue(tcModifier& modifier, int32_t varId, ValueColumn column, float value, uint32_t gesture)
{
    const ValueWrite write{ varId, value };
    return SetValues(modifier, column, { &write, 1 }, {}, gesture);
}

namespace
{
// The writes of one modifier: the run of consecutive writes that starts at
// `first`.
size_t RunEnd(std::span<const EditHistory::ModifierValueWrite> writes, size_t first)
{
    size_t end = first + 1;
    while (end < writes.size() && writes[end].modifier == writes[first].modifier)
        ++end;
    return end;
}
}

size_t EditHistory::SetValueInModifiers(std::span<const ModifierValueWrite> writes, ValueColumn column,
                                        std::string action, uint32_t gesture)
{
    if (GestureOpen(gesture))
    {
        auto* group = std::get_if<std::unique_ptr<GroupChange>>(&m_steps.back().change);
        if (group && (*group)->valuesAcrossModifiers)
        {
            Step& last = m_steps.back();
            const size_t bytesBefore = last.Bytes();
            const size_t written = ExtendValuesAcrossModifiers(**group, writes, column);
            (*group)->action = std::move(action);
            m_bytes = m_bytes - bytesBefore + last.Bytes();
            m_message.clear();
            DropOldest();
            return written;
        }
    }
    const uint64_t revisionBefore = m_revision;
    BeginGroup(std::move(action), true);
    m_group->valuesAcrossModifiers = true;
    size_t written = 0;
    std::vector<ValueWrite> values;
    for (size_t first = 0, end = 0; first < writes.size(); first = end)
    {
        end = RunEnd(writes, first);
        values.clear();
        for (size_t i = first; i < end; ++i)
            values.push_back({ writes[i].varId, writes[i].value });
        const size_t stepsBefore = m_group->steps.size();
        SetValues(*writes[first].modifier, column, values, {}, 0);
        written += m_group->steps.size() != stepsBefore;
    }
    EndGroup();
    if (m_revision != revisionBefore)
        m_openGesture = gesture;
    return written;
}

// A gesture's next frame: each modifier's own step within the group takes
// the new values, unless the game changed the modifier since the last frame:
// then the modifier gets a new step, undone on its own.
size_t EditHistory::ExtendValuesAcrossModifiers(GroupChange& group, std::span<const ModifierValueWrite> writes,
                                                ValueColumn column)
{
    // Each modifier's latest step in the group, by index: steps may move.
    std::unordered_map<std::string, size_t> stepOf;
    for (size_t i = 0; i < group.steps.size(); ++i)
        stepOf[group.steps[i].modifier] = i;
    size_t written = 0;
    std::vector<ValueChange::Value> values;
    for (size_t first = 0, end = 0; first < writes.size(); first = end)
    {
        end = RunEnd(writes, first);
        tcModifier& modifier = *writes[first].modifier;
        const uint64_t contentBefore = ContentFingerprint(modifier);
        values.clear();
        for (size_t i = first; i < end; ++i)
        {
            tcModData* live = m_game.GetTimecycleModData(modifier, writes[i].varId);
            if (live && !SameValue(ValueIn(*live, column), writes[i].value))
                values.push_back({ writes[i].varId, ValueIn(*live, column), writes[i].value });
        }
        if (values.empty())
            continue;
        ++written;
        m_changes.Touch(modifier);
        for (const ValueChange::Value& value : values)
            ValueIn(*m_game.GetTimecycleModData(modifier, value.varId), column) = value.after;
        const uint64_t contentAfter = ContentFingerprint(modifier);

        const std::string& name = m_game.GetTimecycleName(modifier);
        const auto found = stepOf.find(name);
        Step* own = found != stepOf.end() ? &group.steps[found->second] : nullptr;
        auto* change = own ? std::get_if<ValueChange>(&own->change) : nullptr;
        if (change && change->column == column && own->contentAfter == contentBefore)
        {
            change->Merge(values);
            own->contentAfter = contentAfter;
        }
        else
        {
            group.steps.push_back({ name, ValueChange{ column, values, {} }, contentBefore, contentAfter });
            stepOf[name] = group.steps.size() - 1;
        }
        m_changes.Refresh(modifier);
    }
    return written;
}

void EditHistory::EndGesture()
{
    m_openGesture = 0;
}

bool EditHistory::GestureOpen(uint32_t gesture) const
{
    return gesture != 0 && gesture == m_openGesture && !m_group && m_done == m_steps.size() && m_done > 0;
}

bool EditHistory::AddParameter(tcModifier& modifier, const char* varName, const tcModData* values, ParameterChangeKind kind)
{
    if (!modifier.modData)
        return false;
    const int32_t varId = values ? values->varId : m_game.VariableIdByName(varName);
    const bool hadIt = varId >= 0 && m_game.GetTimecycleModData(modifier, varId);

    m_changes.Touch(modifier);
    const uint64_t contentBefore = ContentFingerprint(modifier);
    if (!m_game.AddTimecycleModData(modifier, varName))
        return false;
    if (hadIt || varId < 0)
    {
        // Nothing was added; only the values may change, both as one step.
        if (values)
        {
            const bool ownGroup = !m_group;
            if (ownGroup)
            {
                const std::string variable = VariableLabel(m_game, varId);
                const std::string& name = m_game.GetTimecycleName(modifier);
                BeginGroup(fmt::sprintf(kind == ParameterChangeKind::Switched ? "switch on %s in %s" : "add %s to %s",
                                        variable, StatusName(name)));
            }
            SetValue(modifier, varId, ValueColumn::Outdoor, values->value1);
            SetValue(modifier, varId, ValueColumn::Indoor, values->value2);
            if (ownGroup)
                EndGroup();
        }
        return true;
    }

    const int position = PositionOf(modifier, varId);
    if (position < 0)
        return true;
    tcModData& added = modifier.modData[position];
    if (values)
    {
        added.value1 = values->value1;
        added.value2 = values->value2;
    }
    m_changes.Refresh(modifier);
    Record({ m_game.GetTimecycleName(modifier), ParameterChange{ added, uint16_t(position), true, kind }, contentBefore,
             ContentFingerprint(modifier) });
    return true;
}

bool EditHistory::RemoveParameter(tcModifier& modifier, int32_t varId, ParameterChangeKind kind)
{
    const int position = modifier.modData ? PositionOf(modifier, varId) : -1;
    const char* varName = m_game.VariableName(varId);
    if (position < 0 || !varName)
        return false;
    const tcModData entry = modifier.modData[position];

    m_changes.Touch(modifier);
    const uint64_t contentBefore = ContentFingerprint(modifier);
    // A switch removes by entry, a deleted row by name.
    const bool removed = kind == ParameterChangeKind::Switched ? m_game.RemoveTimecycleModData(modifier, entry)
                                                       : m_game.RemoveTimecycleModData(modifier, std::string(varName));
    if (!removed)
        return false;
    m_changes.Refresh(modifier);
    Record({ m_game.GetTimecycleName(modifier), ParameterChange{ entry, uint16_t(position), false, kind }, contentBefore,
             ContentFingerprint(modifier) });
    return true;
}

tcModifier* EditHistory::CreateModifier(const std::string& name)
{
    tcModifier* created = m_game.CreateTimecycle(name);
    return created ? RecordCreated(*created, {}) : nullptr;
}

tcModifier* EditHistory::CreateModifier(const ModifierSnapshot& snapshot)
{
    tcModifier* created = CreateFromSnapshot(m_game, snapshot);
    return created ? RecordCreated(*created, {}) : nullptr;
}

tcModifier* EditHistory::CloneModifier(tcModifier& source, const std::string& name)
{
    tcModifier* clone = m_game.CloneTimecycle(source, name);
    return clone ? RecordCreated(*clone, m_game.GetTimecycleName(source)) : nullptr;
}

tcModifier* EditHistory::RecordCreated(tcModifier& created, std::string cloneSource)
{
    auto change = std::make_unique<ModifierChange>();
    change->snapshot = ModifierSnapshot::Take(m_game, created);
    change->cloneSource = std::move(cloneSource);
    change->existsAfter = true;
    m_changes.NoteCreated(change->snapshot.name);
    m_changes.Refresh(created);
    std::string name = change->snapshot.name;
    Record({ std::move(name), std::move(change), 0, ContentFingerprint(created) });
    return &created;
}

bool EditHistory::RenameModifier(tcModifier& modifier, const std::string& name)
{
    const std::string oldName = m_game.GetTimecycleName(modifier);
    if (oldName == name)
        return m_game.RenameTimecycle(modifier, name);

    m_changes.Touch(modifier);
    if (!m_game.RenameTimecycle(modifier, name))
        return false;
    const std::string& newName = m_game.GetTimecycleName(modifier);
    m_changes.NoteRenamed(oldName, newName);
    m_changes.Refresh(modifier);
    // A rename leaves the content as it was.
    const uint64_t content = ContentFingerprint(modifier);
    Record({ oldName, std::make_unique<RenameChange>(RenameChange{ newName }), content, content });
    return true;
}

void EditHistory::DeleteModifier(tcModifier& modifier)
{
    const TimecycleScriptData* script = m_game.GetScriptData();
    const int index = m_game.GetTimecycleIndex(modifier);

    m_changes.Touch(modifier);
    auto change = std::make_unique<ModifierChange>();
    change->snapshot = ModifierSnapshot::Take(m_game, modifier);
    change->wasPrimary = script && index != -1 && script->primaryIndex == index;
    change->wasTransition = script && index != -1 && script->transitionIndex == index;

    m_game.RemoveTimecycle(modifier);
    if (modifier.modData)
        return;
    m_changes.NoteRemoved(change->snapshot.name);
    std::string name = change->snapshot.name;
    const uint64_t content = ContentFingerprint(change->snapshot);
    Record({ std::move(name), std::move(change), content, 0 });
}

bool EditHistory::ReplaceModifier(tcModifier& modifier, const ModifierSnapshot& target, const char* action)
{
    m_changes.Touch(modifier);
    auto change = std::make_unique<ReplaceChange>();
    change->before = ModifierSnapshot::Take(m_game, modifier);
    change->action = action;
    const bool complete = ApplySnapshot(m_game, modifier, target);
    // What the game took is what a redo repeats.
    change->after = ModifierSnapshot::Take(m_game, modifier);
    if (change->after == change->before)
        return complete;

    if (change->after.name != change->before.name)
        m_changes.NoteRenamed(change->before.name, change->after.name);
    m_changes.Refresh(modifier);
    std::string name = change->before.name;
    const uint64_t contentBefore = ContentFingerprint(change->before);
    const uint64_t contentAfter = ContentFingerprint(change->after);
    Record({ std::move(name), std::move(change), contentBefore, contentAfter });
    return complete;
}

void EditHistory::BeginGroup(std::string action, bool namedEvenAlone)
{
    TCE_ASSERT(!m_group);
    m_group = std::make_unique<GroupChange>();
    m_group->action = std::move(action);
    m_group->namedEvenAlone = namedEvenAlone;
}

void EditHistory::EndGroup()
{
    TCE_ASSERT(m_group);
    std::unique_ptr<GroupChange> group = std::move(m_group);
    if (group->steps.empty())
        return;
    if (group->steps.size() == 1 && !group->namedEvenAlone)
    {
        Record(std::move(group->steps.front()));
        return;
    }
    std::string first = group->steps.front().modifier;
    Record({ std::move(first), std::move(group) });
}

std::string EditHistory::UndoDescription() const
{
    return CanUndo() ? m_steps[m_done - 1].Describe(m_game) : std::string();
}

std::string EditHistory::RedoDescription() const
{
    return CanRedo() ? m_steps[m_done].Describe(m_game) : std::string();
}

std::optional<StepEffect> EditHistory::Undo()
{
    return Move(false);
}

std::optional<StepEffect> EditHistory::Redo()
{
    return Move(true);
}

std::optional<StepEffect> EditHistory::Move(bool forward)
{
    if (forward ? !CanRedo() : !CanUndo())
        return std::nullopt;
    m_openGesture = 0;
    const Step& step = forward ? m_steps[m_done] : m_steps[m_done - 1];
    Outcome outcome = Apply(step, forward);
    ++m_revision;
    m_message.clear();
    if (!outcome.skipped.empty())
        m_message = fmt::sprintf("%s %s (%s): %s", forward ? "Redo" : "Undo", outcome.effect ? "incomplete" : "skipped",
                                 outcome.skipped, step.Describe(m_game));
    // A step that could not be applied is passed over all the same, so the
    // ones behind it stay reachable.
    m_done = forward ? m_done + 1 : m_done - 1;
    return outcome.effect;
}

EditHistory::Outcome EditHistory::Apply(const Step& step, bool forward, const ModifierNameIndex* index)
{
    using Kind = StepEffect::Kind;
    const std::string& name = step.modifier;

    return std::visit(
        Overloaded{
            [&](const ValueChange& c) -> Outcome {
                tcModifier* modifier = index ? index->Find(name) : m_game.FindModifierByName(name);
                if (!modifier)
                    return { {}, Gone(name) };
                if (!AsStepLeftIt(step, *modifier, forward))
                    return { {}, ChangedSince(name) };
                // The fingerprint held, so the modifier has the parameters
                // the step wrote (short of a fingerprint collision).
                m_changes.Touch(*modifier);
                std::string missing;
                tcModData* live = nullptr;
                for (const ValueChange::Value& value : c.values)
                {
                    live = m_game.GetTimecycleModData(*modifier, value.varId);
                    if (live)
                        ValueIn(*live, c.column) = forward ? value.after : value.before;
                    else
                        missing += (missing.empty() ? "" : ", ") + VariableLabel(m_game, value.varId);
                }
                m_changes.Refresh(*modifier);
                if (!missing.empty())
                    return { StepEffect{ Kind::Replaced, name }, missing + " no longer in " + StatusName(name) };
                if (c.values.size() == 1)
                    return { StepEffect{ Kind::Value, name, *live }, {} };
                return { StepEffect{ Kind::Replaced, name }, {} };
            },
            [&](const ParameterChange& c) -> Outcome {
                tcModifier* modifier = m_game.FindModifierByName(name);
                if (!modifier)
                    return { {}, Gone(name) };
                if (!AsStepLeftIt(step, *modifier, forward))
                    return { {}, ChangedSince(name) };
                const bool present = forward == c.presentAfter;
                m_changes.Touch(*modifier);
                if (present)
                {
                    // Whatever the game put there since gives way to the
                    // parameter as it was.
                    m_game.RemoveTimecycleModData(*modifier, c.entry);
                    if (!InsertParameter(m_game, *modifier, c.entry, c.position))
                        return { {}, "the game refused " + VariableLabel(m_game, c.entry.varId) };
                }
                else if (!m_game.RemoveTimecycleModData(*modifier, c.entry))
                {
                    return { {}, VariableLabel(m_game, c.entry.varId) + " is no longer in " + StatusName(name) };
                }
                m_changes.Refresh(*modifier);
                return { StepEffect{ Kind::Parameter, name, c.entry, present, c.kind }, {} };
            },
            [&](const std::unique_ptr<ModifierChange>& c) -> Outcome {
                if (forward != c->existsAfter)
                {
                    tcModifier* modifier = m_game.FindModifierByName(name);
                    if (!modifier)
                        return { {}, Gone(name) };
                    // Only the modifier the step made or left is removed,
                    // never one the game loaded under its name since.
                    if (!AsStepLeftIt(step, *modifier, forward))
                        return { {}, ChangedSince(name) };
                    m_changes.Touch(*modifier);
                    m_game.RemoveTimecycle(*modifier);
                    m_changes.NoteRemoved(name);
                    return { StepEffect{ Kind::Modifier, name, {}, false }, {} };
                }
                if (m_game.FindModifierByName(name))
                    return { {}, "the game has another " + StatusName(name) };
                tcModifier* created = CreateFromSnapshot(m_game, c->snapshot);
                if (!created)
                    return { {}, "the game refused to create " + StatusName(name) };
                // A deleted modifier comes back as what the game applied it as,
                // unless something else took that place meanwhile.
                TimecycleScriptData* script = m_game.GetScriptData();
                const int index = m_game.GetTimecycleIndex(*created);
                if (script && c->wasPrimary && script->primaryIndex == -1)
                    script->primaryIndex = index;
                if (script && c->wasTransition && script->transitionIndex == -1)
                    script->transitionIndex = index;
                m_changes.NoteCreated(name);
                m_changes.Refresh(*created);
                return { StepEffect{ Kind::Modifier, name, {}, true }, {} };
            },
            [&](const std::unique_ptr<RenameChange>& c) -> Outcome {
                const std::string& from = forward ? name : c->newName;
                const std::string& to = forward ? c->newName : name;
                tcModifier* modifier = m_game.FindModifierByName(from);
                if (!modifier)
                    return { {}, Gone(from) };
                if (!AsStepLeftIt(step, *modifier, forward))
                    return { {}, ChangedSince(from) };
                m_changes.Touch(*modifier);
                if (!m_game.RenameTimecycle(*modifier, to))
                    return { {}, "the game has another " + StatusName(to) };
                m_changes.NoteRenamed(from, to);
                m_changes.Refresh(*modifier);
                return { StepEffect{ Kind::Renamed, to, {}, false, {}, from }, {} };
            },
            [&](const std::unique_ptr<ReplaceChange>& c) -> Outcome {
                const ModifierSnapshot& from = forward ? c->before : c->after;
                const ModifierSnapshot& to = forward ? c->after : c->before;
                tcModifier* modifier = m_game.FindModifierByName(from.name);
                if (!modifier)
                    return { {}, Gone(from.name) };
                if (!AsStepLeftIt(step, *modifier, forward))
                    return { {}, ChangedSince(from.name) };
                m_changes.Touch(*modifier);
                const bool complete = ApplySnapshot(m_game, *modifier, to);
                const std::string& now = m_game.GetTimecycleName(*modifier);
                if (now != from.name)
                    m_changes.NoteRenamed(from.name, now);
                m_changes.Refresh(*modifier);
                return { StepEffect{ Kind::Replaced, now }, complete ? "" : "the game refused a part of it" };
            },
            [&](const std::unique_ptr<GroupChange>& c) -> Outcome { return ApplyGroup(*c, forward); },
        },
        step.change);
}

bool EditHistory::AsStepLeftIt(const Step& step, const tcModifier& modifier, bool forward)
{
    return ContentFingerprint(modifier) == (forward ? step.contentBefore : step.contentAfter);
}

// The group's changes in order, or undone in reverse order. The effect names
// the first modifier the group leaves in the game, to be shown afresh.
EditHistory::Outcome EditHistory::ApplyGroup(const GroupChange& group, bool forward)
{
    // Value steps alone leave every modifier's name and place: their
    // modifiers are found in one pass over the game, not one pass each.
    const bool valuesOnly = std::all_of(group.steps.begin(), group.steps.end(),
                                        [](const Step& step) { return std::holds_alternative<ValueChange>(step.change); });
    std::optional<ModifierNameIndex> index;
    if (valuesOnly && group.steps.size() > 1)
        index.emplace(m_game);
    std::vector<Outcome> outcomes;
    const size_t count = group.steps.size();
    for (size_t i = 0; i < count; ++i)
        outcomes.push_back(Apply(group.steps[forward ? i : count - 1 - i], forward, index ? &*index : nullptr));
    if (!forward)
        std::reverse(outcomes.begin(), outcomes.end());

    Outcome result;
    bool shown = false;
    for (Outcome& outcome : outcomes)
    {
        if (!outcome.skipped.empty())
            result.skipped += (result.skipped.empty() ? "" : "; ") + outcome.skipped;
        if (!outcome.effect)
            continue;
        const bool gone = outcome.effect->kind == StepEffect::Kind::Modifier && !outcome.effect->present;
        if (!gone && !shown)
        {
            result.effect = StepEffect{ StepEffect::Kind::Replaced, outcome.effect->modifier };
            shown = true;
        }
        else if (!result.effect)
        {
            result.effect = outcome.effect;
        }
    }
    return result;
}

void EditHistory::Record(Step step)
{
    m_message.clear();
    if (m_group)
    {
        m_group->steps.push_back(std::move(step));
        return;
    }
    ++m_revision;
    // A new change drops the steps that could have been redone.
    while (m_steps.size() > m_done)
    {
        m_bytes -= m_steps.back().Bytes();
        m_steps.pop_back();
    }
    m_bytes += step.Bytes();
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
    m_openGesture = 0;
    DropOldest();
}

void EditHistory::DropOldest()
{
    while (m_bytes > m_byteLimit && m_steps.size() > 1)
    {
        m_bytes -= m_steps.front().Bytes();
        m_steps.pop_front();
        if (m_done > 0)
            --m_done;
    }
}

void EditHistory::Clear()
{
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_openGesture = 0;
    m_message.clear();
    m_group.reset();
    ++m_revision;
}

void EditHistory::SetByteLimit(size_t bytes)
{
    m_byteLimit = bytes;
    DropOldest();
}
}
