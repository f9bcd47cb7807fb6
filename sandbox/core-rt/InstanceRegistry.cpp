// The instance registry: a table of interface instances indexed by type id.
// Components read the table's address from the registry's third word.
#include "CoreRTControl.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace
{
class InstanceRegistry
{
public:
    static constexpr size_t kCapacity = 1024;

    virtual ~InstanceRegistry() = default;

    void Set(uint64_t id, void* instance)
    {
        if (id >= kCapacity)
        {
            fprintf(stderr, "CoreRT: instance registry full (type id %llu)\n", static_cast<unsigned long long>(id));
            abort();
        }
        m_instances[id] = instance;
    }

private:
    [[maybe_unused]] size_t m_capacity = kCapacity; // part of the layout components read
    void** m_instances = m_table;
    void* m_table[kCapacity] = {};
};

InstanceRegistry& Instances()
{
    static InstanceRegistry registry;
    return registry;
}
}

extern "C" CORE_RT_API InstanceRegistry* CoreGetGlobalInstanceRegistry()
{
    return &Instances();
}

void corert::RegisterInstance(const char* typeName, void* instance)
{
    Instances().Set(TypeId(typeName), instance);
}
