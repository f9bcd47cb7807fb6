#include "SessionChanges.h"

#include "EditorAssert.h"

#include <algorithm>
#include <utility>

namespace tceditor
{
namespace
{
const tcModData* ParameterByVar(const std::vector<tcModData>& byVar, int32_t varId)
{
    auto found = std::lower_bound(byVar.begin(), byVar.end(), varId,
                                  [](const tcModData& entry, int32_t id) { return entry.varId < id; });
    return found != byVar.end() && found->varId == varId ? &*found : nullptr;
}

// The parameters by ascending var id; of several entries of a variable the
// first, as the game's lookup finds it.
std::vector<tcModData> SortedByVar(std::vector<tcModData> params)
{
    std::stable_sort(params.begin(), params.end(), [](const tcModData& a, const tcModData& b) { return a.varId < b.varId; });
    params.erase(std::unique(params.begin(), params.end(),
                             [](const tcModData& a, const tcModData& b) { return a.varId == b.varId; }),
                 params.end());
    return params;
}
}

const tcModData* SessionChanges::Record::OriginalParameter(int32_t varId) const
{
    return ParameterByVar(originalByVar, varId);
}

const tcModData* SessionChanges::Record::EditorParameter(int32_t varId) const
{
    return ParameterByVar(editorByVar, varId);
}

void SessionChanges::Touch(const tcModifier& modifier)
{
    const std::string& name = m_game.GetTimecycleName(modifier);
    if (m_live.contains(name))
        return;
    // A modifier under the name of one the editor removed takes that record
    // back: the session's original of the name stays the first one.
    if (auto removed = m_removed.find(name); removed != m_removed.end())
    {
        m_changedCount += removed->second.changed;
        m_live.insert(m_removed.extract(removed));
        return;
    }

    Record& record = m_live[name];
    record.original = ModifierSnapshot::Take(m_game, modifier);
    record.originalByVar = record.original->params;
    std::sort(record.originalByVar.begin(), record.originalByVar.end(),
              [](const tcModData& a, const tcModData& b) { return a.varId < b.varId; });
    record.editorContent = ContentFingerprint(modifier);
    record.editorByVar = SortedByVar(record.original->params);
}

void SessionChanges::Refresh(const tcModifier& modifier)
{
    auto found = m_live.find(m_game.GetTimecycleName(modifier));
    if (found == m_live.end())
        return;
    m_changedNames.insert(found->first);
    Record& record = found->second;
    const bool was = record.changed;
    ModifierSnapshot now = ModifierSnapshot::Take(m_game, modifier);
    record.changed = !record.original || !record.original->SameContent(now);
    m_changedCount += int(record.changed) - int(was);
    record.editorContent = ContentFingerprint(modifier);
    record.editorByVar = SortedByVar(std::move(now.params));
}

void SessionChanges::NoteCreated(const std::string& name)
{
    m_changedNames.insert(name);
    if (auto removed = m_removed.find(name); removed != m_removed.end())
    {
        m_changedCount += removed->second.changed;
        m_live.insert(m_removed.extract(removed));
    }
    Record& record = m_live[name];
    const bool was = record.changed;
    record.changed = record.changed || !record.original;
    m_changedCount += int(record.changed) - int(was);
}

void SessionChanges::NoteRenamed(const std::string& from, const std::string& to)
{
    m_changedNames.insert(from);
    m_changedNames.insert(to);
    auto found = m_live.extract(from);
    if (found.empty())
        return;
    found.key() = to;
    if (auto replaced = m_live.find(to); replaced != m_live.end())
    {
        m_changedCount -= replaced->second.changed;
        m_live.erase(replaced);
    }
    m_live.insert(std::move(found));
}

void SessionChanges::NoteRemoved(const std::string& name)
{
    m_changedNames.insert(name);
    auto found = m_live.extract(name);
    if (!found.empty())
        m_changedCount -= found.mapped().changed;
    // One created this session leaves nothing behind.
    if (found.empty() || !found.mapped().original)
        return;
    m_removed.erase(name);
    m_removed.insert(std::move(found));
}

const SessionChanges::Record* SessionChanges::Find(const std::string& name) const
{
    auto found = m_live.find(name);
    return found != m_live.end() ? &found->second : nullptr;
}

bool SessionChanges::IsChanged(const std::string& name) const
{
    // Asked for every modifier in view: with nothing changed, no name is
    // looked up.
    if (m_changedCount == 0)
        return false;
    const Record* record = Find(name);
    return record && record->changed;
}

int SessionChanges::ChangedCount() const
{
    // Every record that enters, leaves or changes moves the count.
    TCE_ASSERT(m_changedCount >= 0 && size_t(m_changedCount) <= m_live.size());
    return m_changedCount;
}

void SessionChanges::Clear()
{
    m_live.clear();
    m_removed.clear();
    m_changedCount = 0;
    m_changedNames.clear();
}

std::unordered_set<std::string> SessionChanges::TakeChangedNames()
{
    return std::exchange(m_changedNames, {});
}
}
