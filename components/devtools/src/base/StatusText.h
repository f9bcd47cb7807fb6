// Texts for the status line, which stays short whatever it reports: a list
// names its first few items and counts the rest.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tceditor
{
constexpr size_t kStatusListItems = 5;

// A name as a message shows it (DisplayName), a long one cut after its first
// kStatusNameBytes bytes: "very_long_name... (1,048,576 bytes)".
constexpr size_t kStatusNameBytes = 64;
std::string StatusName(std::string_view name);

// 12345 as "12,345".
std::string GroupedNumber(size_t number);

// The first kStatusListItems items joined by `separator`, then "and 9,990
// more" for the rest.
std::string BoundedList(const std::vector<std::string>& items, std::string_view separator);
}
