// The console host's GUI frame: it asks the components whether they want the
// GUI, runs the Dear ImGui frame in which they draw, and draws its console.
#include "ConHost.h"
#include "ConHostControl.h"
#include "ConsoleWindow.h"

#include <ConsoleCommandManager.h>
#include <CoreRTConsole.h>

#include <imgui.h>

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
}

bool ComponentsWantGui()
{
    bool wantGui = false;
    ConHost::OnShouldDrawGui(&wantGui);
    return wantGui;
}

void DrawGui(bool componentsWantGui)
{
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
    Console().open = open;
}

void ToggleConsole()
{
    Console().open = !Console().open;
}

void SetLineRunner(std::function<void(const std::string& line)> runner)
{
    LineRunner() = std::move(runner);
}
}
