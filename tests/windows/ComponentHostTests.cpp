// A small Windows host: the stand-in modules are loaded with this program,
// the component DLL is loaded by name and started as the framework's loader
// does, and "timecycleeditor true" at the console opens the editor, drawn in
// the console host's GUI events.
#include "WindowsTestSupport.h"

#include "Component.h"
#include "ConHost.h"
#include "ConsoleCommandManager.h"
#include "ConsoleVariableEntry.h"
#include "ConsoleVariableManager.h"
#include "CoreRTConsole.h"
#include "CoreRTControl.h"
#include "SmallTimecycleGame.h"
#include "UiDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
constexpr const char* kWindow = "Timecycle Editor";

TEST(WindowsHost, LoadsTheComponentAndOpensTheEditorFromTheConsole)
{
    smallgame::ResetWithVariables();
    tcModifier& sunny = smallgame::AddModifier("sunny_day", {{smallgame::kLightDirMult, 2.0f, 1.0f}});

    // An SDK guest has the console variable, as a mosk launch does.
    _putenv("Tamberlin_SDK_Guest=1");

    const size_t lookupsBefore = corert::TypeLookups().size();
    HMODULE library = LoadLibraryW((wintest::ProgramFolder() / "devtools-vesk.dll").c_str());
    ASSERT_NE(library, nullptr) << "LoadLibraryW failed: " << GetLastError();

    // Load-time initialisation asked the core runtime for these ids.
    const std::vector<std::string> lookups = corert::TypeLookups();
    EXPECT_EQ(std::vector<std::string>(lookups.begin() + lookupsBefore, lookups.end()),
              (std::vector<std::string>{"ICoreGameInit", "ConsoleCommandManager", "console::Context",
                                        "ConsoleVariableManager", "ICoreGameInit", "ComponentLoader"}));

    using CreateComponentFn = Component* (*)();
    auto createComponent =
        reinterpret_cast<CreateComponentFn>(reinterpret_cast<void*>(GetProcAddress(library, "CreateComponent")));
    ASSERT_NE(createComponent, nullptr);
    Component* component = createComponent();
    ASSERT_NE(component, nullptr);
    component->AddRef();
    ASSERT_TRUE(component->Start());
    corert::SetGameReady(true);

    auto variable = corert::VariableManager().FindEntry("timecycleeditor");
    ASSERT_NE(variable, nullptr) << "an SDK guest has the variable";

    // The console host's frame: the events the component connected to.
    bool wantGui = false;
    uidriver::UiDriver ui([&] {
        wantGui = false;
        ConHost::OnShouldDrawGui(&wantGui);
        if (wantGui)
            ConHost::OnDrawGui();
    });
    ui.Frame();
    EXPECT_FALSE(wantGui);
    EXPECT_EQ(ImGui::FindWindowByName(kWindow), nullptr);

    corert::CommandManager().Invoke("timecycleeditor true");
    ui.Frame();
    EXPECT_TRUE(wantGui);
    EXPECT_EQ(variable->GetValue(), "true");
    EXPECT_NE(ImGui::FindWindowByName(kWindow), nullptr);
    for (const char* widget : {"##controls_search_name", "Apply selected", "sunny_day", "Create"})
        EXPECT_TRUE(ui.Exists(kWindow, widget)) << widget;

    // A click and a button reach the game module through the DLL's imports.
    ui.Click(kWindow, "sunny_day");
    ui.Click(kWindow, "Apply selected");
    EXPECT_EQ(TimecycleManager::GetScriptData()->primaryIndex, smallgame::IndexOf(sunny));

    corert::CommandManager().Invoke("timecycleeditor false");
    ui.Frame();
    EXPECT_FALSE(wantGui);

    EXPECT_TRUE(component->Stop());
    EXPECT_TRUE(component->Release());
}
}
