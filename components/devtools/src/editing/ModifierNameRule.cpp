#include "editing/ModifierNameRule.h"

#include "base/XmlText.h"

#include <string>

namespace tceditor
{
std::string ModifierNameProblem(const char* action, std::string_view name)
{
    if (FitsModifierNameRule(name))
        return {};
    const char* problem = name.size() < kMinModifierNameBytes ? "is too short" : "is too long";
    return std::string(action) + " refused: \"" + DisplayName(name) + "\" " + problem + "; a modifier name needs " +
           std::to_string(kMinModifierNameBytes) + " to " + std::to_string(kMaxModifierNameBytes) + " bytes";
}
}
