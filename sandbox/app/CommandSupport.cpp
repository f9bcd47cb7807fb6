#include "CommandSupport.h"

#include <charconv>
#include <cmath>

namespace sandbox
{
std::optional<int> ParseInteger(const std::string& text)
{
    int value = 0;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<float> ParseNumber(const std::string& text)
{
    float value = 0.0f;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> ParseSwitch(const std::string& text)
{
    if (text == "on" || text == "true" || text == "1")
        return true;
    if (text == "off" || text == "false" || text == "0")
        return false;
    return std::nullopt;
}
}
