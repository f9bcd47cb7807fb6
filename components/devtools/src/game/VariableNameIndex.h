// The game's variables by name, for looking up many names at once (a paste's
// or a restore's parameters): one pass over the variable table, then each
// name without a scan. It views the game's own names, so it is good only
// until the game's variable table changes: build it, look up, drop it.
#pragma once

#include "game/GameTimecycle.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace tceditor
{
class VariableNameIndex
{
public:
    explicit VariableNameIndex(GameTimecycle& game);

    // The variable's id, or -1 for a name the game does not know.
    int32_t Id(std::string_view name) const;

private:
    std::unordered_map<std::string_view, int32_t> m_ids;
};
}
