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

// Found by name in the module that defines it, and only there. (The test
// executable holds its own copy of each object, which the modules bind to,
// so the addresses are not compared.)
TEST(GameEvents, EachEventIsExportedByItsModule)
{
    EXPECT_NE(ExportOf("nym-core-vesk", "OnKillNetworkDone"), nullptr);
    EXPECT_NE(ExportOf("conhost-v2", "_ZN7ConHost15OnShouldDrawGuiE"), nullptr);
    EXPECT_NE(ExportOf("conhost-v2", "_ZN7ConHost9OnDrawGuiE"), nullptr);

    EXPECT_EQ(ExportOf("conhost-v2", "OnKillNetworkDone"), nullptr);
    EXPECT_EQ(ExportOf("nym-core-vesk", "_ZN7ConHost9OnDrawGuiE"), nullptr);
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
