// The live modifiers by name, for looking up many names at once: built with
// one pass over the game's array, it then answers each name without a scan.
// It holds the game's pointers and names, so it is good only until the game's
// modifiers change: build it, look up, drop it, all in one frame.
#pragma once

#include "game/GameTimecycle.h"

#include <string_view>
#include <unordered_map>

namespace tceditor
{
class ModifierNameIndex
{
public:
    explicit ModifierNameIndex(GameTimecycle& game);

    // The live modifier with that name, or null.
    tcModifier* Find(std::string_view name) const;

private:
    // Keys view the game's own names, which live as long as their modifier.
    std::unordered_map<std::string_view, tcModifier*> m_byName;
};
}
