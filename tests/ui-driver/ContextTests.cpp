#include "PanelFixture.h"

#include <stdexcept>

namespace
{
const char* HostClipboard(void*)
{
    return "host clipboard";
}
}

TEST(UiDriverContext, DrivesTheCurrentContextAndGivesItBack)
{
    ImGuiContext* host = ImGui::CreateContext();
    ImGui::SetCurrentContext(host);
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::GetIO().GetClipboardTextFn = &HostClipboard;
    {
        TestPanel panel;
        UiDriver ui([&] { panel.Draw(); }, uidriver::UiContext::Current);
        EXPECT_EQ(ui.Context(), host);
        ui.Click("Test Panel", "Create");
        EXPECT_EQ(panel.created, 1);
        EXPECT_GE(ImGui::GetIO().DisplaySize.x, 1600.0f);
        EXPECT_GE(ImGui::GetIO().DisplaySize.y, 1000.0f);
    }
    EXPECT_EQ(ImGui::GetCurrentContext(), host);
    EXPECT_EQ(ImGui::GetIO().GetClipboardTextFn, &HostClipboard);
    EXPECT_FALSE(host->TestEngineHookItems);
    ImGui::DestroyContext(host);
}

TEST(UiDriverContext, CurrentWithoutAContextIsRefused)
{
    ImGui::SetCurrentContext(nullptr);
    EXPECT_THROW(UiDriver([] {}, uidriver::UiContext::Current), UiDriverError);
}

TEST(UiDriverContext, StartingAFrameFromTheDrawFunctionIsRefused)
{
    UiDriver* driver = nullptr;
    UiDriver ui([&] { driver->Frame(); });
    driver = &ui;
    EXPECT_THROW(ui.Frame(), UiDriverError);
}

TEST(UiDriverContext, AThrowingDrawFunctionLeavesTheNextFrameClean)
{
    bool fail = true;
    int clicks = 0;
    UiDriver ui([&] {
        ImGui::Begin("Fragile");
        ImGui::BeginChild("inside");
        if (fail)
            throw std::runtime_error("draw failed");
        if (ImGui::Button("Go"))
            ++clicks;
        ImGui::EndChild();
        ImGui::End();
    });
    EXPECT_THROW(ui.Frame(), std::runtime_error);
    fail = false;
    ui.Click("Fragile", "Go");
    EXPECT_EQ(clicks, 1);
}
