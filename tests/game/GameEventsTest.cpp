// The events of the game core and the console host: defined in their own
// modules, found there by name, and raised to the handlers connected to them.
#include "ConHost.h"
#include "NetworkEvents.h"
#include "Platform.h"

#include <gtest/gtest.h>

namespace
{
void* ExportOf(const char* module, const char* symbol)
{
    platform::ModuleHandle handle = platform::FindLoadedModule(module);
    return handle ? platform::FindExport(handle, symbol) : nullptr;
}
}

// The events' names as the modules export them: decorated by the C++ ABI.
#if defined(_MSC_VER)
constexpr const char* kOnKillNetworkDone = "?OnKillNetworkDone@@3V?$fwEvent@$$V@@A";
constexpr const char* kOnShouldDrawGui = "?OnShouldDrawGui@ConHost@@3V?$fwEvent@PEA_N@@A";
constexpr const char* kOnDrawGui = "?OnDrawGui@ConHost@@3V?$fwEvent@$$V@@A";
#else
constexpr const char* kOnKillNetworkDone = "OnKillNetworkDone";
constexpr const char* kOnShouldDrawGui = "_ZN7ConHost15OnShouldDrawGuiE";
constexpr const char* kOnDrawGui = "_ZN7ConHost9OnDrawGuiE";
#endif

// Found by name in the module that defines it, and only there. (The test
// executable may hold its own copy of each object, which the modules bind to,
// so the addresses are not compared.)
TEST(GameEvents, EachEventIsExportedByItsModule)
{
    EXPECT_NE(ExportOf("nym-core-vesk", kOnKillNetworkDone), nullptr);
    EXPECT_NE(ExportOf("conhost-v2", kOnShouldDrawGui), nullptr);
    EXPECT_NE(ExportOf("conhost-v2", kOnDrawGui), nullptr);

    EXPECT_EQ(ExportOf("conhost-v2", kOnKillNetworkDone), nullptr);
    EXPECT_EQ(ExportOf("nym-core-vesk", kOnDrawGui), nullptr);
}

TEST(GameEvents, RaisingReachesConnectedHandlers)
{
    int killed = 0;
    int drawn = 0;
    OnKillNetworkDone.Connect([&] { return ++killed, true; });
    ConHost::OnShouldDrawGui.Connect([](bool* wantGui) { return *wantGui = true, true; });
    ConHost::OnDrawGui.Connect([&] { return ++drawn, true; });

    bool wantGui = false;
    EXPECT_TRUE(ConHost::OnShouldDrawGui(&wantGui));
    EXPECT_TRUE(wantGui);
    EXPECT_TRUE(ConHost::OnDrawGui());
    EXPECT_TRUE(OnKillNetworkDone());
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(killed, 1);
}
