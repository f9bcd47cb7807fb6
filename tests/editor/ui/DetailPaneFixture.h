// The Timecycle Editor window over a fresh stand-in game with a small
// variable table, driven by a UI driver with its own Dear ImGui context.
#pragma once

#include "editing/EditorState.h"
#include "game/LiveTimecycle.h"
#include "SmallTimecycleGame.h"
#include "TimecycleControl.h"
#include "TimecycleManager.h"
#include "ui/EditorPanes.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace tceditor;

class DetailPaneTest : public testing::Test
{
public:
    // Ids follow this order. The defaults cover the three drag rules: zero,
    // positive and negative.
    enum VarId
    {
        kZeroVar,
        kFogDensity,
        kFogStart,
        kSkyTint,
        kWaterFogDensity,
        kFirstVar,
        kSecondVar,
        kLongVar,
        kVariableCount
    };

protected:
    static constexpr const char* kWindow = "Timecycle Editor";
    static std::string LongVarName() { return "very_long_" + std::string(190, 'x'); }

    void SetUp() override
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   (std::string("vesk-detail-") + test->test_suite_name() + "-" + test->name() + "-" +
                    std::to_string(std::random_device()()));
        std::filesystem::create_directories(m_folder);
        static const std::string longName = LongVarName();
        const smallgame::Variable variables[kVariableCount] = {
            { "zero_var", 0.0f },  { "fog_density", 0.5f }, { "fog_start", 2.0f },   { "sky_tint", -2.0f },
            { "water_fog_density", 0.08f }, { "first_var", 0.0f }, { "second_var", 0.0f }, { longName.c_str(), 1.0f },
        };
        smallgame::LoadVariables(variables, m_folder / "variables.xml");
        state.isOpen = true;
    }

    void TearDown() override
    {
        timecycle::ResetManager();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    static TimecycleManager& Manager() { return *TheTimecycleManager; }

    // A modifier with the given parameters (value1, value2 per variable).
    static tcModifier& MakeModifier(const std::string& name, std::initializer_list<tcModData> params = {})
    {
        return smallgame::AddModifier(name, params);
    }

    // Selects the way a click in the browser does, and draws a frame.
    void Select(tcModifier& modifier)
    {
        state.SelectFromBrowser(modifier);
        ui.Frame();
    }

    // A parameter row's widget labels.
    static std::string RowLabel(const tcModifier& modifier, int varId, const char* suffix)
    {
        char label[64];
        std::snprintf(label, sizeof label, "##%x-%d-%s", modifier.nameHash, varId, suffix);
        return label;
    }
    static std::string Value1(const tcModifier& m, int varId) { return RowLabel(m, varId, "1"); }
    static std::string Value2(const tcModifier& m, int varId) { return RowLabel(m, varId, "2"); }
    static std::string Check(const tcModifier& m, int varId) { return RowLabel(m, varId, "check"); }
    static std::string DeleteRow(const tcModifier& m, int varId) { return "Delete" + RowLabel(m, varId, "del"); }

    bool RowDrawn(const tcModifier& modifier, int varId) const { return ui.Exists(kWindow, DeleteRow(modifier, varId)); }

    // Press on one frame, release on the next, and no frame after: the
    // release frame is the one in which the widget acts.
    void PressAndRelease(const std::string& label, int index = uidriver::UiDriver::kUnique)
    {
        ui.Hover(kWindow, label, index);
        ImGuiIO& io = ImGui::GetIO();
        io.MouseDown[0] = true;
        ui.Frame();
        io.MouseDown[0] = false;
        ui.Frame();
    }

    // Ctrl+clicks a drag, which then takes a typed value until Enter.
    void BeginTypedValue(const std::string& label)
    {
        ui.Hover(kWindow, label);
        ImGuiIO& io = ImGui::GetIO();
        io.KeyCtrl = true;
        io.MouseDown[0] = true;
        ui.Frame();
        io.MouseDown[0] = false;
        ui.Frame();
        io.KeyCtrl = false;
    }

    // The labelled widgets the last frame drew in the detail pane.
    std::vector<std::string> DetailWidgets() const
    {
        std::vector<std::string> labels;
        for (const uidriver::UiItem& item : ui.Items())
            if (!item.label.empty() && std::string_view(item.WindowName()).find("/detail_") != std::string_view::npos)
                labels.push_back(item.label);
        return labels;
    }

    // The lines the last frame displayed from the detail pane's "Name" row
    // to the end of the window.
    std::vector<std::string> DetailTexts() const
    {
        const std::vector<std::string> lines = ui.Texts(kWindow);
        auto first = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& line) { return line.starts_with("Name {"); });
        return std::vector<std::string>(first, lines.end());
    }

    // The status line's text, or empty when the pane shows none. The mouse
    // leaves the buttons first: text drawn after a tooltip is not seen.
    std::string Status()
    {
        ui.MoveMouse(ImVec2(1590.0f, 990.0f));
        for (const std::string& line : DetailTexts())
            if (line.starts_with("Status "))
                return line.substr(7);
        return {};
    }

    // The suggestions the popup under the "Variable" field listed in the
    // last frame.
    std::vector<std::string> Suggestions() const
    {
        std::vector<std::string> labels;
        for (const uidriver::UiItem& item : ui.Items())
            if (std::string_view(item.TopWindowName()) == "##popup" && !item.label.empty())
                labels.push_back(item.label);
        return labels;
    }

    static bool PopupDrawn()
    {
        const ImGuiWindow* popup = ImGui::FindWindowByName("##popup");
        return popup && popup->Active;
    }

    std::filesystem::path m_folder;
    TimecycleEditorState state{ LiveGame() };
    uidriver::UiDriver ui{ [this] { DrawTimecycleEditor(state); } };
};
