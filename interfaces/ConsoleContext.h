// The core runtime's console, as components see it: the place where its
// command manager is found.
#pragma once

#include "Registry.h"

#include <cstdint>

class ConsoleCommandManager;

namespace console
{
class Context
{
public:
    virtual ConsoleCommandManager* GetCommandManager() = 0;

protected:
    // Owned by the core runtime; components never delete it.
    ~Context() = default;
};
}

template<>
uint64_t InstanceType<console::Context>::ms_id;
