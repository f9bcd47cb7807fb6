#include "base/StatusText.h"
#include "base/XmlText.h"

namespace tceditor
{
std::string GroupedNumber(size_t number)
{
    std::string digits = std::to_string(number);
    for (size_t comma = digits.size() > 3 ? digits.size() - 3 : 0; comma > 0; comma = comma > 3 ? comma - 3 : 0)
        digits.insert(comma, ",");
    return digits;
}

std::string StatusName(std::string_view name)
{
    if (name.size() <= kStatusNameBytes)
        return DisplayName(name);
    // Cut at the start of a character, so the shown part stays UTF-8.
    size_t length = kStatusNameBytes;
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
        --length;
    return DisplayName(name.substr(0, length)) + "... (" + GroupedNumber(name.size()) + " bytes)";
}

std::string BoundedList(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < items.size() && i < kStatusListItems; ++i)
    {
        if (i > 0)
            text += separator;
        text += items[i];
    }
    if (items.size() > kStatusListItems)
        text += std::string(separator) + "and " + GroupedNumber(items.size() - kStatusListItems) + " more";
    return text;
}
}
