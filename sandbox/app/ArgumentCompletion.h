// What Tab offers for a command's arguments in the console: modifier names,
// console variables, file names, or a command's fixed words.
#pragma once

#include <string>
#include <vector>

namespace sandbox
{
// The candidates for argument `index` (0-based) of `command`, where `typed`
// is what stands there so far; empty when the argument has no known set.
std::vector<std::string> CompleteArgument(const std::string& command, size_t index, const std::string& typed);
}
