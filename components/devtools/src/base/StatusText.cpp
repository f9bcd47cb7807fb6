#include "base/StatusText.h"
#include "base/XmlText.h"

#include <Utils.h>

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
    return DisplayName(name.substr(0, Utf8CutLength(name, kStatusNameBytes))) + "... (" + GroupedNumber(name.size()) + " bytes)";
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
