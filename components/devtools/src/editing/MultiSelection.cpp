#include "editing/MultiSelection.h"

#include "base/StatusText.h"

#include <algorithm>
#include <utility>

namespace tceditor
{
void MultiSelection::Assign(std::vector<std::string> names)
{
    m_names.clear();
    m_set.clear();
    switchedOff.clear();
    for (std::string& name : names)
    {
        if (m_set.insert(name).second)
            m_names.push_back(std::move(name));
    }
    ++m_version;
}

void MultiSelection::Toggle(const std::string& name)
{
    switchedOff.clear();
    if (m_set.erase(name))
        m_names.erase(std::find(m_names.begin(), m_names.end(), name));
    else
    {
        m_set.insert(name);
        m_names.push_back(name);
    }
    ++m_version;
}

void MultiSelection::Clear()
{
    switchedOff.clear();
    if (m_names.empty())
        return;
    m_names.clear();
    m_set.clear();
    ++m_version;
}

std::vector<std::string> MultiSelection::Range(GameTimecycle& game, std::span<tcModifier* const> rows,
                                               const std::string& anchor, const std::string& clicked)
{
    size_t from = rows.size();
    size_t to = rows.size();
    for (size_t row = 0; row < rows.size(); ++row)
    {
        if (!rows[row])
            continue;
        const std::string& name = game.GetTimecycleName(*rows[row]);
        if (name == anchor)
            from = row;
        if (name == clicked)
            to = row;
    }
    if (to == rows.size())
        return {};
    if (from == rows.size())
        return { clicked };
    std::vector<std::string> names;
    for (size_t row = std::min(from, to); row <= std::max(from, to); ++row)
    {
        if (rows[row])
            names.push_back(game.GetTimecycleName(*rows[row]));
    }
    return names;
}

void MultiSelection::FollowRename(const std::string& from, const std::string& to)
{
    if (m_anchor == from)
        m_anchor = to;
    if (!m_set.erase(from))
        return;
    m_set.insert(to);
    std::replace(m_names.begin(), m_names.end(), from, to);
    ++m_version;
}

void MultiSelection::KeepOnly(const std::unordered_set<std::string>& present)
{
    const size_t before = m_names.size();
    std::erase_if(m_names, [&](const std::string& name) { return !present.contains(name); });
    if (m_names.size() == before)
        return;
    std::erase_if(m_set, [&](const std::string& name) { return !present.contains(name); });
    ++m_version;
}

const std::string& MultiSelection::ShortList() const
{
    // Three names: the heading stays one short line whatever is selected.
    constexpr size_t kShownNames = 3;
    if (m_shortListVersion != m_version)
    {
        m_shortList.clear();
        for (size_t i = 0; i < m_names.size() && i < kShownNames; ++i)
            m_shortList += (i > 0 ? ", " : "") + StatusName(m_names[i]);
        if (m_names.size() > kShownNames)
            m_shortList += ", and " + GroupedNumber(m_names.size() - kShownNames) + " more";
        m_shortListVersion = m_version;
    }
    return m_shortList;
}
}
