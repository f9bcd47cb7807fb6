#include "KeyChord.h"

#include "UiDriver.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace uidriver
{
namespace
{
// Every key Dear ImGui 1.86 has a name for; the letters are its text-editing
// shortcuts.
constexpr std::array<std::pair<std::string_view, ImGuiKey>, ImGuiKey_COUNT> kKeys{ {
    { "tab", ImGuiKey_Tab },
    { "left", ImGuiKey_LeftArrow },
    { "right", ImGuiKey_RightArrow },
    { "up", ImGuiKey_UpArrow },
    { "down", ImGuiKey_DownArrow },
    { "pageup", ImGuiKey_PageUp },
    { "pagedown", ImGuiKey_PageDown },
    { "home", ImGuiKey_Home },
    { "end", ImGuiKey_End },
    { "insert", ImGuiKey_Insert },
    { "delete", ImGuiKey_Delete },
    { "backspace", ImGuiKey_Backspace },
    { "space", ImGuiKey_Space },
    { "enter", ImGuiKey_Enter },
    { "escape", ImGuiKey_Escape },
    { "keypadenter", ImGuiKey_KeyPadEnter },
    { "a", ImGuiKey_A },
    { "c", ImGuiKey_C },
    { "v", ImGuiKey_V },
    { "x", ImGuiKey_X },
    { "y", ImGuiKey_Y },
    { "z", ImGuiKey_Z },
} };

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lowered;
}

[[noreturn]] void Refuse(std::string_view chord, std::string_view why)
{
    std::string known;
    for (const auto& [name, key] : kKeys)
        known += (known.empty() ? "" : ", ") + std::string(name);
    throw UiDriverError("key chord \"" + std::string(chord) + "\": " + std::string(why) +
                        " (keys: " + known + "; modifiers: ctrl, shift, alt, super)");
}
}

KeyChord ParseKeyChord(std::string_view chord)
{
    KeyChord parsed;
    std::string_view rest = chord;
    for (size_t plus; (plus = rest.find('+')) != std::string_view::npos; rest = rest.substr(plus + 1))
    {
        const std::string modifier = Lowered(rest.substr(0, plus));
        if (modifier == "ctrl" || modifier == "control")
            parsed.ctrl = true;
        else if (modifier == "shift")
            parsed.shift = true;
        else if (modifier == "alt")
            parsed.alt = true;
        else if (modifier == "super" || modifier == "cmd")
            parsed.super = true;
        else
            Refuse(chord, "unknown modifier \"" + modifier + "\"");
    }
    const std::string name = Lowered(rest);
    const auto found = std::find_if(kKeys.begin(), kKeys.end(), [&](const auto& entry) { return entry.first == name; });
    if (found == kKeys.end())
        Refuse(chord, name.empty() ? "no key after the modifiers" : "unknown key \"" + name + "\"");
    parsed.key = found->second;
    return parsed;
}
}
