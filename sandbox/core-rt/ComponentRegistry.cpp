// The component registry: every type name gets a small id, the same one each
// time it is asked.
#include "ComponentRegistry.h"
#include "CoreRTControl.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace
{
class StandInComponentRegistry final : public ComponentRegistry
{
public:
    size_t GetSize() override
    {
        std::lock_guard lock(m_mutex);
        return m_ids.size();
    }

    uint64_t LookupId(const char* typeName) override
    {
        std::lock_guard lock(m_mutex);
        m_lookups.push_back(typeName);
        auto [it, inserted] = m_ids.try_emplace(typeName, m_ids.size());
        return it->second;
    }

    std::vector<std::string> Lookups()
    {
        std::lock_guard lock(m_mutex);
        return m_lookups;
    }

private:
    std::mutex m_mutex;
    std::map<std::string, uint64_t> m_ids;
    std::vector<std::string> m_lookups; // every name asked, in order
};

StandInComponentRegistry& Registry()
{
    static StandInComponentRegistry registry;
    return registry;
}
}

extern "C" CORE_RT_API ComponentRegistry* CoreGetComponentRegistry()
{
    return &Registry();
}

uint64_t corert::TypeId(const char* typeName)
{
    return Registry().LookupId(typeName);
}

std::vector<std::string> corert::TypeLookups()
{
    return Registry().Lookups();
}
