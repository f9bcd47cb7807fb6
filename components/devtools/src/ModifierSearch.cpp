#include "ModifierSearch.h"

#include "EditorState.h"

#include <cstring>
#include <locale>
#include <string>
#include <string_view>
#include <vector>

bool IsFilterActive(const TimecycleEditorState& state)
{
    return state.searchName[0] != '\0' || state.searchParam[0] != '\0';
}

void RebuildFilter(TimecycleEditorState& state)
{
    state.filterHashes.clear();
    if (!IsFilterActive(state))
        return;

    tcManager* gameManager = TimecycleManager::GetGameManager();
    if (!gameManager)
        return;

    const bool byName = state.searchName[0] != '\0';
    const bool byParam = state.searchParam[0] != '\0';
    const std::string paramQuery = state.searchParam;

    std::vector<uint32_t> passed;
    for (unsigned i = 0; i < gameManager->modifierCount; ++i)
    {
        tcModifier* modifier = gameManager->modifiers[i];
        if (!modifier)
            continue;

        state.selection.ValidateSelection();
        if (modifier == state.selection.modifier)
        {
            passed.push_back(modifier->nameHash);
            continue;
        }

        // The name test comes first, so the host is asked about parameters
        // only for names that passed.
        if (byName && !ContainsIgnoreCase(TheTimecycleManager->GetTimecycleName(*modifier).c_str(), state.searchName))
            continue;
        if (byParam && !TheTimecycleManager->DoesTimecycleHasModData(*modifier, paramQuery, true))
            continue;

        passed.push_back(modifier->nameHash);
    }
    state.filterHashes.assign(std::move(passed));
}

namespace
{
// Text folded to upper case through a ctype facet; short texts stay on the
// stack.
class FoldedText
{
public:
    FoldedText(const std::ctype<char>& facet, const char* text) : m_length(strlen(text))
    {
        m_text = m_inline;
        if (m_length >= sizeof(m_inline))
        {
            m_heap.resize(m_length + 1);
            m_text = m_heap.data();
        }
        memcpy(m_text, text, m_length + 1);
        facet.toupper(m_text, m_text + m_length);
    }

    std::string_view View() const { return { m_text, m_length }; }

private:
    size_t m_length;
    char* m_text;
    char m_inline[256];
    std::string m_heap;
};
}

const char* ContainsIgnoreCase(const char* text, const char* query)
{
    const auto& facet = std::use_facet<std::ctype<char>>(std::locale());
    // The game hands out null for names it does not know.
    if (!text || !query || text[0] == '\0' || query[0] == '\0')
        return nullptr;

    // Folding each side once and searching the folded texts is the same as
    // comparing character by character through toupper, at a fraction of
    // the cost.
    const FoldedText foldedText(facet, text);
    const FoldedText foldedQuery(facet, query);
    const size_t position = foldedText.View().find(foldedQuery.View());
    return position == std::string_view::npos ? nullptr : text + position;
}
