// The security context of the current caller: the privileges that the
// sandbox or a test granted.
#include "CoreRTConsole.h"
#include "Security.h"

#include <mutex>
#include <set>

namespace
{
class StandInSecurityContext final : public se::Context
{
public:
    bool HasPrivilege(const std::string& privilegeName) override
    {
        std::lock_guard lock(m_mutex);
        return m_privileges.count(privilegeName) != 0;
    }

    void SetPrivilege(const std::string& privilegeName, bool granted)
    {
        std::lock_guard lock(m_mutex);
        if (granted)
            m_privileges.insert(privilegeName);
        else
            m_privileges.erase(privilegeName);
    }

private:
    std::mutex m_mutex;
    std::set<std::string> m_privileges;
};

StandInSecurityContext& Context()
{
    static auto* context = new StandInSecurityContext();
    return *context;
}
}

extern "C" CORE_RT_API se::Context* seGetCurrentContext()
{
    return &Context();
}

void corert::SetPrivilege(const std::string& privilegeName, bool granted)
{
    Context().SetPrivilege(privilegeName, granted);
}
