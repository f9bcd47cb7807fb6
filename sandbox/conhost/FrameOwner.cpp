// The console host's GUI frame: it asks the components whether they want the
// GUI, runs the Dear ImGui frame in which they draw, and draws its console.
#include "ConHost.h"
#include "ConHostControl.h"
#include "ConsoleWindow.h"

#include <ConsoleCommandManager.h>
#include <CoreRTConsole.h>

#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace conhost
{
namespace
{
std::function<void(const std::string&)>& LineRunner()
{
    static std::function<void(const std::string&)> runner = [](const std::string& line) {
        corert::CommandManager().Invoke(line);
    };
    return runner;
}

// A window the display shrank under: the size it had, and the size it was
// given to fit.
struct ShrunkWindow
{
    ImVec2 own;
    ImVec2 given;
};

// The display less the console docked along its bottom becomes the main
// viewport's work area, the part of the display Dear ImGui tells windows to
// stay in: the editor sizes itself to it.
void LeaveRoomForConsole()
{
    ImGuiViewportP* viewport = static_cast<ImGuiViewportP*>(ImGui::GetMainViewport());
    viewport->WorkOffsetMax.y = std::min(viewport->WorkOffsetMax.y, -Console().DockedHeight());
    viewport->UpdateWorkRect();
}

// Windows the user moved or sized (or that the display shrank under) are put
// back inside the work area, so that no title bar is out of reach and the
// console covers none of them; one the work area shrank under grows back to
// its own size when there is room again, unless the user sized it
// meanwhile. The console docks itself.
void KeepWindowsInsideWorkArea()
{
    static std::unordered_map<ImGuiID, ShrunkWindow> shrunk;
    const ImGuiViewport* viewport = ImGui::GetMainViewport();
    const ImVec2 area = viewport->WorkSize;
    const ImVec2 origin = viewport->WorkPos;
    if (area.x <= 0.0f || area.y <= 0.0f)
        return;
    for (ImGuiWindow* window : ImGui::GetCurrentContext()->Windows)
    {
        constexpr ImGuiWindowFlags kNotTopLevel =
            ImGuiWindowFlags_ChildWindow | ImGuiWindowFlags_Tooltip | ImGuiWindowFlags_Popup;
        if ((window->Flags & kNotTopLevel) || std::string_view(window->Name) == ConsoleWindow::kTitle)
            continue;
        ImVec2 own = window->SizeFull;
        if (const auto found = shrunk.find(window->ID); found != shrunk.end())
        {
            const ImVec2 given = found->second.given;
            if (given.x == own.x && given.y == own.y)
                own = found->second.own;
            shrunk.erase(found);
        }
        const ImVec2 size(std::min(own.x, area.x), std::min(own.y, area.y));
        if (size.x != own.x || size.y != own.y)
            shrunk[window->ID] = { own, size };
        if (size.x != window->SizeFull.x || size.y != window->SizeFull.y)
            ImGui::SetWindowSize(window, size);
        const ImVec2 position(
            std::clamp(window->Pos.x, origin.x, origin.x + std::max(0.0f, area.x - size.x)),
            std::clamp(window->Pos.y, origin.y, origin.y + std::max(0.0f, area.y - size.y)));
        if (position.x != window->Pos.x || position.y != window->Pos.y)
            ImGui::SetWindowPos(window, position);
    }
}
}

bool ComponentsWantGui()
{
    bool wantGui = false;
    ConHost::OnShouldDrawGui(&wantGui);
    return wantGui;
}

void DrawGui(bool componentsWantGui)
{
    LeaveRoomForConsole();
    KeepWindowsInsideWorkArea();
    if (componentsWantGui)
        ConHost::OnDrawGui();
    Console().Draw();
}

bool RunFrame()
{
    const bool componentsWantGui = ComponentsWantGui();
    if (!componentsWantGui && !Console().open)
        return false;

    ImGui::NewFrame();
    DrawGui(componentsWantGui);
    ImGui::Render();
    return true;
}

void RunTypedLines()
{
    for (const std::string& line : Console().TakeTypedLines())
        LineRunner()(line);
}

bool IsConsoleOpen()
{
    return Console().open;
}

void SetConsoleOpen(bool open)
{
    if (open && !Console().open)
        Console().TakeKeyboard();
    Console().open = open;
}

void ToggleConsole()
{
    SetConsoleOpen(!Console().open);
}

void SetArgumentCompleter(ArgumentCompleter completer)
{
    Console().argumentCompleter = std::move(completer);
}

void SetLineRunner(std::function<void(const std::string& line)> runner)
{
    LineRunner() = std::move(runner);
}
}
