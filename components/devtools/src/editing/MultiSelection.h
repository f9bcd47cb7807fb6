// Several modifiers selected at once in the browser (Ctrl+click, Shift+click,
// Ctrl+A), held by name as the single selection is. It holds names only while
// two or more are selected; with one, the single selection (ModifierSelection)
// is the whole story. The anchor is the modifier a Shift+click ranges from.
#pragma once

#include "game/GameTimecycle.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tceditor
{
class MultiSelection
{
public:
    // The selected names in the order they were selected.
    const std::vector<std::string>& Names() const { return m_names; }
    size_t Count() const { return m_names.size(); }
    bool IsActive() const { return m_names.size() > 1; }
    bool Contains(const std::string& name) const { return m_set.contains(name); }
    // Changes whenever the names change.
    uint64_t Version() const { return m_version; }

    // The first few names, each shortened, and how many more: for a heading.
    const std::string& ShortList() const;

    const std::string& Anchor() const { return m_anchor; }
    void SetAnchor(const std::string& name) { m_anchor = name; }

    void Assign(std::vector<std::string> names);
    // Adds the name when absent, removes it when present.
    void Toggle(const std::string& name);
    void Clear();
    // The names of the listed rows from the anchor's row to `clicked`'s,
    // both included; only `clicked` when the anchor is not listed.
    static std::vector<std::string> Range(GameTimecycle& game, std::span<tcModifier* const> rows,
                                          const std::string& anchor, const std::string& clicked);

    // Parameters switched off in the table by var id: each member's entry
    // as it was, for switching it on again. Forgotten when the members
    // change, as the single table forgets its switched-off rows.
    std::map<int32_t, std::vector<std::pair<std::string, tcModData>>> switchedOff;

    // A member renamed through the editor keeps its place.
    void FollowRename(const std::string& from, const std::string& to);
    // Forgets the members the game no longer has; `present` holds the names
    // that were found.
    void KeepOnly(const std::unordered_set<std::string>& present);

private:
    std::vector<std::string> m_names;
    std::unordered_set<std::string> m_set;
    std::string m_anchor;
    uint64_t m_version = 1;
    mutable std::string m_shortList;
    mutable uint64_t m_shortListVersion = 0;
};
}
