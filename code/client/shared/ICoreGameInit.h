// The core runtime's game-initialisation interface, as components see it.
#pragma once

#include "Registry.h"

#include <cstdint>
#include <set>
#include <string>

class ICoreGameInit
{
public:
    virtual bool IsGameReady() = 0;

protected:
    uintptr_t m_reserved[2] = {};

public:
    // Game-init variables currently set ("gameKilled", ...).
    std::set<std::string> m_gameInitVariables;
};

template<>
uint64_t InstanceType<ICoreGameInit>::ms_id;
