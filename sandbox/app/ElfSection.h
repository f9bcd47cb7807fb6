// Reading one section of an ELF shared library from its file, without
// mapping the library: the loader reads a component's manifest this way
// before it lets any of the component's code run.
#pragma once

#include <optional>
#include <string>

namespace sandbox
{
// The bytes of the named section, or none with `error` saying why (file
// unreadable, not a 64-bit little-endian ELF file, headers out of bounds,
// no such section).
std::optional<std::string> ReadElfSection(const std::string& path, const std::string& sectionName,
                                          std::string& error);
}
