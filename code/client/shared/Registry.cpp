#include "Registry.h"

#include "Assert.h"
#include "CoreRT.h"

namespace
{
constexpr AssertionSite kMissingInstanceSite{ u"code/client/shared/Registry", 145 };

template<typename Result>
Result CallCoreGetter(const char* exportName)
{
    // The core runtime is loaded before any component; the getters are taken
    // on trust, as the framework does.
    auto getter = platform::FindExportAs<Result (*)()>(FindCoreRT(), exportName);
    return getter();
}
}

ComponentRegistry* CoreGetComponentRegistry()
{
    static ComponentRegistry* registry = CallCoreGetter<ComponentRegistry*>("CoreGetComponentRegistry");
    return registry;
}

InstanceRegistry* CoreGetGlobalInstanceRegistry()
{
    static InstanceRegistry* registry = CallCoreGetter<InstanceRegistry*>("CoreGetGlobalInstanceRegistry");
    return registry;
}

uint64_t LookupTypeId(const char* typeName)
{
    return CoreGetComponentRegistry()->LookupId(typeName);
}

void* FindInstance(uint64_t typeId)
{
    void* const* table = reinterpret_cast<void* const* const*>(CoreGetGlobalInstanceRegistry())[2];
    void* instance = table[typeId];
    FW_ASSERT_SITE(instance != nullptr, "instance != nullptr", kMissingInstanceSite);
    return instance;
}
