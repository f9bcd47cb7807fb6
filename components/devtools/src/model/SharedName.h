// A name that many values hold without a copy each. A document of 20,000
// modifiers names the same few hundred variables some 780,000 times; its
// parameters share one text per variable instead of allocating one each.
// The text never changes; names compare by their text.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tceditor
{
class SharedName
{
public:
    SharedName() = default;
    SharedName(std::string_view text) : m_text(std::make_shared<const std::string>(text)) {}
    SharedName(const std::string& text) : SharedName(std::string_view(text)) {}
    SharedName(const char* text) : SharedName(std::string_view(text)) {}

    const std::string& str() const { return m_text ? *m_text : Empty(); }
    const char* c_str() const { return str().c_str(); }
    operator std::string_view() const { return str(); }

    friend bool operator==(const SharedName& a, const SharedName& b) { return a.m_text == b.m_text || a.str() == b.str(); }
    friend bool operator==(const SharedName& a, std::string_view b) { return a.str() == b; }
    friend bool operator==(const SharedName& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const SharedName& a, const char* b) { return a.str() == b; }

private:
    static const std::string& Empty()
    {
        static const std::string empty;
        return empty;
    }

    std::shared_ptr<const std::string> m_text;
};
}
