#include "base/Text.h"

#include <cstring>
#include <locale>
#include <string>
#include <string_view>

namespace tceditor
{
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
}
