// Key chords as tests write them ("enter", "ctrl+a") turned into Dear ImGui
// 1.86's named keys and modifier flags.
#pragma once

#include "imgui.h"

#include <string_view>

namespace uidriver
{
struct KeyChord
{
    ImGuiKey key = ImGuiKey_COUNT;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool super = false;
};

// Throws UiDriverError naming the part it does not know.
KeyChord ParseKeyChord(std::string_view chord);
}
