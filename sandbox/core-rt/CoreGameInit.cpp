// The game-initialisation state: whether the game is ready, and the set of
// game-init variables ("gameKilled" while the game is being torn down).
#include "CoreRTControl.h"
#include "ICoreGameInit.h"

#include <atomic>

namespace
{
class CoreGameInit final : public ICoreGameInit
{
public:
    bool IsGameReady() override { return m_ready; }

    std::atomic<bool> m_ready{ true };
};

CoreGameInit& Instance()
{
    static CoreGameInit instance;
    return instance;
}

// Registered at load, as the core runtime does before any component runs.
const bool g_registered = (corert::RegisterInstance("ICoreGameInit", &Instance()), true);
}

ICoreGameInit& corert::GameInit()
{
    return Instance();
}

void corert::SetGameReady(bool ready)
{
    Instance().m_ready = ready;
}

void corert::SetGameInitVariable(const std::string& name, bool present)
{
    if (present)
        Instance().m_gameInitVariables.insert(name);
    else
        Instance().m_gameInitVariables.erase(name);
}
