// The built devtools-vesk library in a mosk launch, loaded and started as the
// framework's loader does, opened from the console and drawn in the console
// host's frames. EditorLaunchTests starts this program as a new process with
// "mosk" on its command line.
#include "Component.h"
#include "ConHost.h"
#include "ConsoleCommandManager.h"
#include "ConsoleVariableEntry.h"
#include "ConsoleVariableManager.h"
#include "CoreRTConsole.h"
#include "FreshInstallRoot.h"
#include "HostCycle.h"
#include "NetworkEvents.h"
#include "SmallTimecycleGame.h"
#include "UiDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace
{
constexpr const char* kWindow = "Timecycle Editor";

TEST(LoadedLibrary, OpensFromTheConsoleAndEditsTheGame)
{
    smallgame::ResetWithVariables();
    tcModifier& sunny = smallgame::AddModifier("sunny_day", { { smallgame::kLightDirMult, 2.0f, 1.0f } });
    smallgame::AddModifier("Foggy_Morning", { { smallgame::kFogDensity, 0.9f, 0.2f } });

    // The stand-in modules are loaded already (this program links them); the
    // library finds them by name, as in the game's folder.
    void* library = dlopen(COMPONENT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using CreateComponentFn = Component* (*)();
    auto createComponent = reinterpret_cast<CreateComponentFn>(dlsym(library, "CreateComponent"));
    ASSERT_NE(createComponent, nullptr);
    Component* component = createComponent();
    ASSERT_NE(component, nullptr);
    component->AddRef();
    FreshInstallRoot();
    ASSERT_TRUE(component->Start());
    FreshInstallRootTaken();

    auto variable = corert::VariableManager().FindEntry("timecycleeditor");
    ASSERT_NE(variable, nullptr) << "a mosk launch offers the variable";

    bool wantGui = false;
    uidriver::UiDriver ui([&] {
        wantGui = false;
        ConHost::OnShouldDrawGui(&wantGui);
        if (wantGui)
            ConHost::OnDrawGui();
    });
    ui.Frame();
    EXPECT_FALSE(wantGui);
    EXPECT_FALSE(ui.Exists(kWindow, "##controls_search_name"));

    corert::CommandManager().Invoke("timecycleeditor true");
    ui.Frame();
    EXPECT_TRUE(wantGui);
    EXPECT_EQ(variable->GetValue(), "true");

    // The window with its browser and detail pane.
    EXPECT_NE(ImGui::FindWindowByName(kWindow), nullptr);
    for (const char* widget : { "##controls_search_name", "##controls_search_param", "Apply selected", "##Splitter",
                                "sunny_day", "Foggy_Morning", "##detail_name", "Create" })
        EXPECT_TRUE(ui.Exists(kWindow, widget)) << widget;
    const std::vector<std::string> texts = ui.Texts(kWindow);
    EXPECT_THAT(texts, testing::Contains("Primary modifier: NONE"));

    // A row click reaches the game.
    ui.Click(kWindow, "sunny_day");
    EXPECT_TRUE(timecycle::HasBackup(sunny));
    EXPECT_THAT(ui.Texts(kWindow), testing::Contains(testing::HasSubstr("Name { sunny_day }")));
    ui.Click(kWindow, "Apply selected");
    EXPECT_EQ(TimecycleManager::GetScriptData()->primaryIndex, smallgame::IndexOf(sunny));

    ui.Type(kWindow, "##controls_search_name", "FOG");
    ui.Click(kWindow, "Clear", 0);  // the primary row's
    EXPECT_EQ(TimecycleManager::GetScriptData()->primaryIndex, -1);
    EXPECT_TRUE(ui.Exists(kWindow, "Foggy_Morning"));
    EXPECT_TRUE(ui.Exists(kWindow, "sunny_day")) << "still selected, so still listed";

    // The game shuts networking down: the window closes.
    OnKillNetworkDone();
    ui.Frame();
    EXPECT_FALSE(wantGui);
    EXPECT_FALSE(ui.Exists(kWindow, "##controls_search_name"));
    EXPECT_EQ(variable->GetValue(), "false");
}

// Resident memory of this process, from the kernel's count of pages.
size_t ResidentBytes()
{
    size_t pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * 4096;
}

size_t EntriesIn(const char* folder)
{
    return size_t(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

// As a host that loads, starts, uses, stops, releases and unloads the
// library again and again: every unload unloads, each load gives one editor
// and one variable, and nothing grows from cycle to cycle.
TEST(LoadedLibrary, LoadsAndUnloadsAHundredTimes)
{
    smallgame::ResetWithVariables();
    smallgame::AddModifier("sunny_day", { { smallgame::kLightDirMult, 2.0f, 1.0f } });

    bool wantGui = false;
    uidriver::UiDriver ui([&] { wantGui = hostcycle::RaiseFrame(); });
    // Every load reads the root from the launch's block again: the turn is
    // held until the last, so no other launch writes its root in between.
    FreshInstallRoot();

    constexpr int kCycles = 100;
    constexpr int kSettled = 20;
    size_t settledMemory = 0;
    size_t settledFiles = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle)
    {
        SCOPED_TRACE(cycle);
        void* library = dlopen(COMPONENT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        auto createComponent = reinterpret_cast<Component* (*)()>(dlsym(library, "CreateComponent"));
        ASSERT_NE(createComponent, nullptr);
        hostcycle::StartUseStopRelease(createComponent(), ui, wantGui, "sunny_day");
        if (HasFatalFailure())
            return;
        ASSERT_EQ(dlclose(library), 0) << dlerror();
        if (void* stayed = dlopen(COMPONENT_LIBRARY, RTLD_NOW | RTLD_NOLOAD))
        {
            dlclose(stayed);
            FAIL() << "the library stayed loaded";
        }
        EXPECT_EQ(EntriesIn("/proc/self/task"), 1u) << "a thread of the library is left";

        if (cycle == kSettled)
        {
            settledMemory = ResidentBytes();
            settledFiles = EntriesIn("/proc/self/fd");
        }
    }
    const size_t growth = ResidentBytes() - std::min(ResidentBytes(), settledMemory);
    const size_t perCycle = growth / (kCycles - kSettled);
    std::printf("memory per cycle after cycle %d: %zu bytes\n", kSettled, perCycle);
    // AddressSanitizer keeps freed memory in quarantine (GCC and clang say
    // they build with it each their own way).
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VESK_ADDRESS_SANITIZER
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(VESK_ADDRESS_SANITIZER)
    EXPECT_LT(perCycle, 16384u);
#endif
    EXPECT_EQ(EntriesIn("/proc/self/fd"), settledFiles);
    FreshInstallRootTaken();
}
}
