// The Windows runtime's own conversions: _wtoi and type_info's names.
#include "Platform.h"

#include "WideText.h"

#include <cstdlib>

namespace platform
{
int ParseInt(std::u16string_view text)
{
    const std::u16string terminated = Terminated(text);
    return _wtoi(Wide(terminated));
}

std::string ReadableTypeName(const std::type_info& type)
{
    // Microsoft's ABI names types as written ("bool").
    return type.name();
}
}
