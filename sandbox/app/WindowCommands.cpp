// window_size WxH, ui_windows: the window's size as a user sets it, and
// where the GUI's windows stand in it.
#include "CommandSupport.h"
#include "Display.h"
#include "Sandbox.h"

#include <imgui.h>
#include <imgui_internal.h>

namespace sandbox
{
void AddWindowCommands(Sandbox& sandbox)
{
    sandbox.AddCommand("window_size", 1, [&sandbox](ConsoleExecutionContext& context) {
        const std::string& text = context.arguments[0];
        const size_t x = text.find('x');
        const std::optional<int> width = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(0, x));
        const std::optional<int> height = x == std::string::npos ? std::nullopt : ParseInteger(text.substr(x + 1));
        if (!width || !height || *width < 1 || *height < 1)
            return Fail(context, "window_size: give WIDTHxHEIGHT in pixels, e.g. 800x600, not \"" + text + "\"");
        std::string error;
        if (!sandbox.Screen().Resize(*width, *height, error))
            return Fail(context, "window_size: " + error);
        // The window system answers with events; the next frames take them.
        sandbox.Frames(2);
        return true;
    });

    sandbox.AddCommand("ui_windows", 0, [&sandbox](ConsoleExecutionContext&) {
        const ImVec2 display = ImGui::GetIO().DisplaySize;
        Say("display %.0f x %.0f, scale %g\n", display.x, display.y, sandbox.Screen().Scale());
        for (ImGuiWindow* window : ImGui::GetCurrentContext()->Windows)
        {
            if (!window->Active || (window->Flags & (ImGuiWindowFlags_ChildWindow | ImGuiWindowFlags_Tooltip)))
                continue;
            const char* scrollBars = window->ScrollbarX ? (window->ScrollbarY ? "both" : "horizontal")
                                                        : (window->ScrollbarY ? "vertical" : "none");
            Say("\"%s\" at (%.0f, %.0f) size %.0f x %.0f, scroll bars: %s\n", window->Name, window->Pos.x,
                window->Pos.y, window->Size.x, window->Size.y, scrollBars);
        }
        return true;
    });
}
}
