// Conversions between console text and the typed arguments of commands.
#pragma once

#include <string>
#include <typeinfo>

// Reads a boolean: "true" or "false" in any letter case, else a decimal
// number, true when not zero. Text that is neither reads as false, so this
// always succeeds.
bool ParseBool(const std::string& text, bool& value);

// "true" or "false".
std::string BoolToString(bool value);

// How a command's argument type is read from console text. Parse returns
// false for text the type cannot take.
template<typename T>
struct ConsoleArgumentType;

template<>
struct ConsoleArgumentType<bool>
{
    static bool Parse(const std::string& text, bool& value) { return ParseBool(text, value); }
};

namespace internal
{
// The run-time type name of a type as the compiler spells it ("bool").
std::string TypeName(const std::type_info& type);

template<typename T>
std::string TypeName()
{
    return TypeName(typeid(T));
}
}
