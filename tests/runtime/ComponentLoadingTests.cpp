// Loads the built component the way the framework's loader does.
#include "Component.h"
#include "CoreRTControl.h"
#include "FreshInstallRoot.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <stdio_ext.h>

TEST(ComponentLoading, LoadCreateStartRelease)
{
    const size_t lookupsBefore = corert::TypeLookups().size();

    void* library = dlopen(COMPONENT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();

    // Load-time initialisation asks for these ids, in this order.
    const std::vector<std::string> lookups = corert::TypeLookups();
    const std::vector<std::string> loadTime(lookups.begin() + lookupsBefore, lookups.end());
    EXPECT_EQ(loadTime, (std::vector<std::string>{ "ICoreGameInit", "ConsoleCommandManager", "console::Context",
                                                   "ConsoleVariableManager", "ICoreGameInit", "ComponentLoader" }));

    using CreateComponentFn = Component* (*)();
    auto createComponent = reinterpret_cast<CreateComponentFn>(dlsym(library, "CreateComponent"));
    ASSERT_NE(createComponent, nullptr);

    Component* component = createComponent();
    ASSERT_NE(component, nullptr);
    component->AddRef();
    FreshInstallRoot();
    EXPECT_TRUE(component->Start());
    FreshInstallRootTaken();
    EXPECT_TRUE(component->Stop());
    EXPECT_FALSE(component->QueryFlag(nullptr));
    EXPECT_EQ(component->QueryObject(nullptr), nullptr);
    EXPECT_TRUE(component->Release());
}

TEST(ComponentLoading, StandardStreamsAreUnbuffered)
{
    void* library = dlopen(COMPONENT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    // An unbuffered stream cannot keep a byte back: after a write of one
    // character without a newline, nothing is pending.
    EXPECT_EQ(__fpending(stdout), 0u);
    fputc(' ', stdout);
    EXPECT_EQ(__fpending(stdout), 0u);
}
