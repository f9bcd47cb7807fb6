#include "Platform.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace
{
TEST(Modules, FileNamesCarryThePlatformsExtension)
{
    EXPECT_EQ(platform::ModuleFileName("CoreRT"), "CoreRT.so");
}

TEST(Modules, OnlyLoadedModulesAreFoundAndNoneIsLoaded)
{
    // This test program does not link the core runtime.
    EXPECT_EQ(platform::FindLoadedModule("CoreRT"), nullptr);
    EXPECT_EQ(dlopen("CoreRT.so", RTLD_NOW | RTLD_NOLOAD), nullptr);

    void* loaded = dlopen(CORE_RT_MODULE, RTLD_NOW);
    ASSERT_NE(loaded, nullptr) << dlerror();
    platform::ModuleHandle module = platform::FindLoadedModule("CoreRT");
    EXPECT_EQ(module, loaded);
    EXPECT_NE(platform::FindExport(module, "CoreGetComponentRegistry"), nullptr);
    EXPECT_EQ(platform::FindExport(module, "NoSuchExport"), nullptr);
    EXPECT_EQ(platform::FindExport(nullptr, "CoreGetComponentRegistry"), nullptr);
    dlclose(loaded);
}
}
