// The bridge to the core runtime's two registries: type names become ids in
// the component registry, and ids index the instance registry's table of
// interface instances.
#pragma once

#include "ComponentRegistry.h"

#include <cstdint>

// Opaque to the component: its third pointer-sized word is the address of an
// array of instance pointers indexed by type id.
class InstanceRegistry;

ComponentRegistry* CoreGetComponentRegistry();
InstanceRegistry* CoreGetGlobalInstanceRegistry();

// The registry id of an interface type name.
uint64_t LookupTypeId(const char* typeName);

// The instance registered under a type id; a missing one is an assertion
// failure.
void* FindInstance(uint64_t typeId);

// Registry id of each interface type the component looks up; defined where
// the component's load-time initialisation fetches them.
template<typename T>
struct InstanceType
{
    static uint64_t ms_id;
};

// The instance of an interface, looked up once and then cached.
template<typename T>
T* GetInstance()
{
    static T* cached = nullptr;
    if (!cached)
        cached = static_cast<T*>(FindInstance(InstanceType<T>::ms_id));
    return cached;
}
