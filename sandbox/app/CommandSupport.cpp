#include "CommandSupport.h"

#include <algorithm>
#include <cctype>
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

std::string TooLargeNote(const std::string& text)
{
    int value = 0;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    return result == std::errc::result_out_of_range && end == text.data() + text.size() ? " (too large)" : "";
}

std::optional<float> ParseNumber(const std::string& text)
{
    float value = 0.0f;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
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
