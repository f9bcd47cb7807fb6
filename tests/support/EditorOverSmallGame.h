// The Timecycle Editor drawn in real Dear ImGui frames over a fresh stand-in
// game: the small variable table, five modifiers, an open editor state and a
// UI driver whose frames draw DrawTimecycleEditor. Link devtools-core,
// ui-driver, nym-game-control and CoreRT.
#pragma once

#include "editing/EditorState.h"
#include "game/LiveTimecycle.h"
#include "SmallTimecycleGame.h"
#include "ui/EditorPanes.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using namespace tceditor;

class EditorOverSmallGame : public testing::Test
{
protected:
    static constexpr const char* kWindow = "Timecycle Editor";

    void SetUp() override
    {
        smallgame::ResetWithVariables();
        using namespace smallgame;
        sunny = &AddModifier("sunny_day", { { kLightDirMult, 2.0f, 1.5f }, { kSkyZenithR, 0.4f, 0.3f } });
        foggy = &AddModifier("Foggy_Morning", { { kFogDensity, 0.9f, 0.2f }, { kFogStart, 5.0f, 15.0f } });
        underwater = &AddModifier("underwater", { { kWaterFogDensity, 0.3f, 0.3f } });
        cityFog = &AddModifier("city_fog_night", { { kFogStart, 8.0f, 8.0f }, { kGradeSaturation, 0.6f, 0.9f } });
        vault = &AddModifier("vault_dark", { { kLightDirMult, 0.2f, 0.1f } });
        state.isOpen = true;
    }

    void TearDown() override { timecycle::ResetManager(); }

    static TimecycleManager& Manager() { return smallgame::Manager(); }
    static TimecycleScriptData& Script() { return *TimecycleManager::GetScriptData(); }
    static int IndexOf(const tcModifier* modifier) { return smallgame::IndexOf(*modifier); }

    // Every modifier of the fixture, in the game's order.
    std::vector<std::string> AllNames() const
    {
        return { "sunny_day", "Foggy_Morning", "underwater", "city_fog_night", "vault_dark" };
    }

    // The rows the browser list showed in the last frame, top to bottom.
    std::vector<std::string> ListedRows() const
    {
        std::vector<std::string> rows;
        for (const uidriver::UiItem& item : ui.Items())
        {
            // Rows are leaf tree nodes, which always report themselves open.
            if (item.TopWindowName() == std::string_view(kWindow) &&
                std::string_view(item.WindowName()).find("/list_") != std::string_view::npos && item.Opened())
                rows.push_back(item.label);
        }
        return rows;
    }

    // Whether the window displayed this line of text in the last frame (see
    // UiDriver::Texts for how widgets appear in it).
    bool Shows(std::string_view line) const
    {
        const std::vector<std::string> texts = ui.Texts(kWindow);
        return std::find(texts.begin(), texts.end(), line) != texts.end();
    }

    // Whether some line the window displayed contains this text.
    bool ShowsPart(std::string_view text) const
    {
        const std::vector<std::string> texts = ui.Texts(kWindow);
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    // Whether the last frame drew the editor window at all.
    bool WindowDrawn() const
    {
        return std::any_of(ui.Items().begin(), ui.Items().end(), [](const uidriver::UiItem& item) {
            return item.TopWindowName() == std::string_view(kWindow);
        });
    }

    // Moves the mouse off every window for a frame, so that only selected
    // rows stay highlighted.
    void MouseAway() { ui.MoveMouse(ImVec2(1590.0f, 990.0f)); }

    tcModifier* sunny = nullptr;
    tcModifier* foggy = nullptr;
    tcModifier* underwater = nullptr;
    tcModifier* cityFog = nullptr;
    tcModifier* vault = nullptr;

    TimecycleEditorState state{ LiveGame() };
    uidriver::UiDriver ui{ [this] { DrawTimecycleEditor(state); } };
};
