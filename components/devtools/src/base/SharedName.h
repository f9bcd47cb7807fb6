// A name that many values hold without a copy each. A document of 20,000
// modifiers names the same few hundred variables some 780,000 times; its
// parameters share one text per variable instead of allocating one each.
// The text never changes; names compare by their text.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace tceditor
{
class SharedName
{
public:
    SharedName() = default;
    SharedName(std::string_view text);
    SharedName(const std::string& text) : SharedName(std::string_view(text)) {}
    SharedName(const char* text) : SharedName(std::string_view(text)) {}

    std::string_view view() const
    {
        if (!m_block)
            return {};
        size_t size = 0;
        std::memcpy(&size, m_block.get(), sizeof(size));
        return { m_block.get() + sizeof(size), size };
    }
    const char* c_str() const { return m_block ? m_block.get() + sizeof(size_t) : ""; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }

    friend bool operator==(const SharedName& a, const SharedName& b) { return a.m_block == b.m_block || a.view() == b.view(); }
    friend bool operator==(const SharedName& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const SharedName& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const SharedName& a, const char* b) { return a.view() == b; }

private:
    // One allocation: the text's size, then the text and a terminating zero.
    std::shared_ptr<const char[]> m_block;
};
}
