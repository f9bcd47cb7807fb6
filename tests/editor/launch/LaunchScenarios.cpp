// The editor's start-up and frame handlers in a process of a chosen launch.
// Not a test program of its own: EditorLaunchTests starts it as a new
// process with the launch's command line and environment, and picks one
// scenario through GTEST_FILTER. Each scenario first checks that it runs in
// the launch it expects.
#include "Component.h"
#include "ConHost.h"
#include "ConsoleCommandManager.h"
#include "ConsoleVariableEntry.h"
#include "ConsoleVariableManager.h"
#include "CoreRTConsole.h"
#include "CoreRTControl.h"
#include "editing/EditorState.h"
#include "FreshInstallRoot.h"
#include "LaunchEnvironment.h"
#include "NetworkEvents.h"
#include "SmallTimecycleGame.h"
#include "TimecycleEditor.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tceditor;

extern "C" Component* CreateComponent();

namespace
{
constexpr const char* kWindow = "Timecycle Editor";

class LaunchScenario : public testing::Test
{
protected:
    void SetUp() override
    {
        smallgame::ResetWithVariables();
        smallgame::AddModifier("sunny_day", { { smallgame::kLightDirMult, 2.0f, 1.0f } });
        smallgame::AddModifier("Foggy_Morning", { { smallgame::kFogDensity, 0.9f, 0.2f } });
    }

    // As the loader does once it has mapped the library.
    static void StartComponent()
    {
        Component* component = CreateComponent();
        ASSERT_NE(component, nullptr);
        component->AddRef();
        FreshInstallRoot();
        ASSERT_TRUE(component->Start());
        FreshInstallRootTaken();
    }

    static std::shared_ptr<internal::ConsoleVariableEntryBase> EditorVariable()
    {
        return corert::VariableManager().FindEntry("timecycleeditor");
    }

    static void Type(const std::string& line) { corert::CommandManager().Invoke(line); }

    static TimecycleEditorState& State()
    {
        TimecycleEditorState* state = GetTimecycleEditorState();
        if (!state)
            throw std::runtime_error("the editor has no state");
        return *state;
    }

    bool WindowDrawn() const
    {
        return std::any_of(ui.Items().begin(), ui.Items().end(), [](const uidriver::UiItem& item) {
            return item.TopWindowName() == std::string_view(kWindow);
        });
    }

    // What the console host does each frame: it asks whether the GUI is
    // wanted and, when it is, raises the drawing event.
    bool wantGui = false;
    uidriver::UiDriver ui{ [this] {
        wantGui = false;
        ConHost::OnShouldDrawGui(&wantGui);
        if (wantGui)
            ConHost::OnDrawGui();
    } };
};

TEST_F(LaunchScenario, PureLevelAboveZero)
{
    ASSERT_GT(GetPureLevel(), 0);
    StartComponent();

    EXPECT_EQ(GetTimecycleEditorState(), nullptr);
    EXPECT_EQ(EditorVariable(), nullptr);

    // Nobody listens to the game's request.
    smallgame::Manager().SetActivateEditor(true);
    ui.Frame(2);
    EXPECT_FALSE(wantGui);
    EXPECT_FALSE(WindowDrawn());
    EXPECT_TRUE(smallgame::Manager().ShouldActivateEditor());

    // Not even through a stray console line.
    Type("timecycleeditor true");
    ui.Frame();
    EXPECT_FALSE(WindowDrawn());
}

TEST_F(LaunchScenario, NoConsoleVariable)
{
    ASSERT_EQ(GetPureLevel(), 0);
    ASSERT_FALSE(IsMoskLaunch());
    ASSERT_FALSE(IsSdkGuest());
    StartComponent();

    EXPECT_EQ(EditorVariable(), nullptr);
    ui.Frame();
    EXPECT_FALSE(wantGui);
    EXPECT_FALSE(WindowDrawn());

    // The game's request still opens the window, and is consumed.
    smallgame::Manager().SetActivateEditor(true);
    ui.Frame();
    EXPECT_TRUE(wantGui);
    EXPECT_TRUE(WindowDrawn());
    EXPECT_TRUE(State().isOpen);
    EXPECT_FALSE(smallgame::Manager().ShouldActivateEditor());

    ui.Click(kWindow, "#CLOSE");
    ui.Frame();
    EXPECT_FALSE(State().isOpen);
    EXPECT_FALSE(wantGui);
    EXPECT_FALSE(WindowDrawn());
}

TEST_F(LaunchScenario, ConsoleVariableOpensTheEditor)
{
    ASSERT_EQ(GetPureLevel(), 0);
    ASSERT_TRUE(IsMoskLaunch() || IsSdkGuest());
    StartComponent();

    ASSERT_NE(EditorVariable(), nullptr);
    EXPECT_EQ(corert::VariableManager().GetFlags("timecycleeditor") & 0x21, 0x21);
    EXPECT_EQ(EditorVariable()->GetValue(), "false");
    ui.Frame();
    EXPECT_FALSE(WindowDrawn());

    Type("timecycleeditor true");
    EXPECT_TRUE(State().isOpen);
    ui.Frame();
    EXPECT_TRUE(wantGui);
    EXPECT_TRUE(WindowDrawn());

    // The close button closes it, and the variable follows.
    ui.Click(kWindow, "#CLOSE");
    ui.Frame();
    EXPECT_FALSE(WindowDrawn());
    EXPECT_EQ(EditorVariable()->GetValue(), "false");

    Type("timecycleeditor true");
    ui.Frame();
    EXPECT_TRUE(WindowDrawn());
    Type("timecycleeditor false");
    ui.Frame();
    EXPECT_FALSE(WindowDrawn());
    EXPECT_FALSE(wantGui);
}

TEST_F(LaunchScenario, VariableTrueAtStartUp)
{
    ASSERT_TRUE(IsMoskLaunch());
    // As the launcher's "+set" applies before any component loads.
    corert::ApplyLaunchArguments({ "+set", "timecycleeditor", "true" });
    StartComponent();

    EXPECT_TRUE(State().isOpen);
    ui.Frame();
    EXPECT_TRUE(WindowDrawn());
    EXPECT_EQ(EditorVariable()->GetValue(), "true");
}

TEST_F(LaunchScenario, GameStateGatesDrawing)
{
    ASSERT_TRUE(IsMoskLaunch());
    StartComponent();

    // A GUI someone else wants stays wanted.
    bool alreadyWanted = true;
    ConHost::OnShouldDrawGui(&alreadyWanted);
    EXPECT_TRUE(alreadyWanted);

    Type("timecycleeditor true");
    struct Case
    {
        bool ready;
        std::vector<std::string> variables;
        bool drawn;
    };
    const Case cases[] = {
        { true, {}, true },
        { false, {}, false },
        { true, { "gameKilled" }, false },
        { false, { "gameKilled" }, false },
        { true, { "gameKilled2" }, true },
        { true, { "GameKilled" }, true },
        { true, { "gameKilled", "gameKilled2" }, false },
        { true, { "gameKille" }, true },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "ready " << c.ready << ", variables " << testing::PrintToString(c.variables));
        corert::SetGameReady(c.ready);
        for (const std::string& variable : c.variables)
            corert::SetGameInitVariable(variable, true);

        ui.Frame();
        EXPECT_TRUE(wantGui) << "the GUI is asked for whatever the game's state";
        EXPECT_EQ(WindowDrawn(), c.drawn);
        EXPECT_TRUE(State().isOpen);

        for (const std::string& variable : c.variables)
            corert::SetGameInitVariable(variable, false);
    }
    corert::SetGameReady(true);
}

TEST_F(LaunchScenario, KillNetworkDoneClosesAndResets)
{
    ASSERT_TRUE(IsMoskLaunch());
    StartComponent();
    tcModifier* foggy = timecycle::FindModifier("Foggy_Morning");

    Type("timecycleeditor true");
    ui.Frame();
    ui.Click(kWindow, "Foggy_Morning");
    ui.Click(kWindow, "Apply selected");
    ui.Type(kWindow, "##controls_search_name", "fog");
    timecycle::SetInsideInteriorRoom(true);
    ui.Frame();
    ASSERT_EQ(smallgame::Manager().GetInteriorModifierOverride(), smallgame::IndexOf(*foggy));
    TimecycleScriptData& script = *TimecycleManager::GetScriptData();
    script.transitionIndex = smallgame::IndexOf(*foggy);
    script.primaryIndex = 0;

    EXPECT_TRUE(OnKillNetworkDone());

    TimecycleEditorState& state = State();
    EXPECT_FALSE(state.isOpen);
    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_STREQ(state.searchName, "");
    EXPECT_STREQ(state.nameInput, "");
    EXPECT_TRUE(state.filterHashes.empty());
    EXPECT_FALSE(state.applySelected);
    EXPECT_EQ(smallgame::Manager().GetInteriorModifierOverride(), -1);
    EXPECT_EQ(script.primaryIndex, 0) << "what the game applies stays applied";
    EXPECT_EQ(script.transitionIndex, smallgame::IndexOf(*foggy));
    EXPECT_EQ(EditorVariable()->GetValue(), "false");

    ui.Frame();
    EXPECT_FALSE(wantGui);
    EXPECT_FALSE(WindowDrawn());
    EXPECT_EQ(script.primaryIndex, 0);

    // Opened again, it starts from nothing.
    Type("timecycleeditor true");
    ui.Frame();
    EXPECT_TRUE(ui.Exists(kWindow, "sunny_day"));
    EXPECT_TRUE(ui.Exists(kWindow, "Foggy_Morning"));
    EXPECT_FALSE(ui.Find(kWindow, "Apply selected").Checked());
}
}
