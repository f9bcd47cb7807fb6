#include "editing/SessionChanges.h"

#include "base/EditorAssert.h"

#include <algorithm>
#include <utility>

namespace tceditor
{
const tcModData* SessionChanges::Record::OriginalParameter(int32_t varId) const
{
    auto found = std::lower_bound(originalByVar.begin(), originalByVar.end(), varId,
                                  [](const tcModData& entry, int32_t id) { return entry.varId < id; });
    return found != originalByVar.end() && found->varId == varId ? &*found : nullptr;
}

const tcModData* SessionChanges::Record::EditorParameter(int32_t varId) const
{
    // The first entry of the variable, as the game's lookup finds it. Asked
    // only by the list of changes: kept in the game's order, so that every
    // change pays no sort for it.
    auto found = std::find_if(editorParams.begin(), editorParams.end(),
                              [&](const tcModData& entry) { return entry.varId == varId; });
    return found != editorParams.end() ? &*found : nullptr;
}

bool SessionChanges::Record::AsEditorLeftIt(const tcModifier& modifier) const
{
    if (modifier.userFlags != editorUserFlags || modifier.numMods != editorParams.size())
        return false;
    for (size_t i = 0; i < editorParams.size(); ++i)
    {
        if (!SameValues(modifier.modData[i], editorParams[i]))
            return false;
    }
    return true;
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
    record.editorUserFlags = record.original->userFlags;
    record.editorParams = record.original->params;
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
    record.editorUserFlags = now.userFlags;
    record.editorParams = std::move(now.params);
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
