// What a host does with the component in tests that load it as the game
// does: the console host's frame, and one cycle of start, open, use, stop.
// Link ui-driver, conhost-v2 and CoreRT.
#pragma once

#include "Component.h"
#include "ConHost.h"
#include "ConsoleCommandManager.h"
#include "ConsoleVariableManager.h"
#include "CoreRTConsole.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace hostcycle
{
constexpr const char* kWindow = "Timecycle Editor";

// The console host's frame: it asks whether the GUI is wanted and, when it
// is, raises the drawing event; returns whether it was wanted.
inline bool RaiseFrame()
{
    bool wantGui = false;
    ConHost::OnShouldDrawGui(&wantGui);
    if (wantGui)
        ConHost::OnDrawGui();
    return wantGui;
}

// One value step: the modifier selected by a click on its row, then
// `value` typed into Value 1 of its `varId` row.
inline void MakeValueStep(uidriver::UiDriver& ui, const std::string& name, uint32_t nameHash, int varId,
                          const char* value)
{
    ui.Click(kWindow, name);
    char label[64];
    std::snprintf(label, sizeof label, "##%x-%d-1", nameHash, varId);
    ui.EnterValue(kWindow, label, value);
    ui.Frame();
}

// How many editors the last frame drew: each draws one search field.
inline long DrawnEditors(const uidriver::UiDriver& ui)
{
    return std::count_if(ui.Items().begin(), ui.Items().end(),
                         [](const uidriver::UiItem& item) { return item.label == "##controls_search_name"; });
}

// Starts the component, opens the editor from the console, selects
// `modifier`, checks that one editor draws and that the stop takes the
// variable and the handlers away, and releases it.
inline void StartUseStopRelease(Component* component, uidriver::UiDriver& ui, bool& wantGui,
                                const std::string& modifier)
{
    ASSERT_NE(component, nullptr);
    component->AddRef();
    ASSERT_TRUE(component->Start());
    ASSERT_NE(corert::VariableManager().FindEntry("timecycleeditor"), nullptr);
    corert::CommandManager().Invoke("timecycleeditor true");
    ui.Frame();
    ui.Click(kWindow, modifier);
    ASSERT_TRUE(wantGui);
    EXPECT_EQ(DrawnEditors(ui), 1);

    ASSERT_TRUE(component->Stop());
    EXPECT_EQ(corert::VariableManager().FindEntry("timecycleeditor"), nullptr) << "unregistered at the stop";
    ui.Frame();
    EXPECT_FALSE(wantGui) << "nothing of the editor is called after the stop";
    component->Release();
}
}
