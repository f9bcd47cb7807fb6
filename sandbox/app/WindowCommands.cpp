// window_size WxH, ui_windows, ui_columns: the window's size as a user sets
// it, where the GUI's windows stand in it, and how wide the columns of the
// UI window's tables are against what they hold.
#include "CommandSupport.h"
#include "Display.h"
#include "Sandbox.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>

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

    // Each column's room for its cells and the widest cell it drew in the
    // last frame: a column cuts its texts where "content" exceeds "room".
    sandbox.AddCommand("ui_columns", 0, [&sandbox](ConsoleExecutionContext&) {
        ImGuiContext& g = *ImGui::GetCurrentContext();
        for (int i = 0; i < g.Tables.GetMapSize(); ++i)
        {
            ImGuiTable* table = g.Tables.TryGetMapData(i);
            if (!table || table->LastFrameActive < g.FrameCount - 1 || !table->OuterWindow ||
                sandbox.uiWindow != table->OuterWindow->RootWindow->Name)
                continue;
            for (int n = 0; n < table->ColumnsCount; ++n)
            {
                const ImGuiTableColumn& column = table->Columns[n];
                const float content = std::max(column.ContentMaxXFrozen, column.ContentMaxXUnfrozen) - column.WorkMinX;
                Say("column \"%s\" room %.0f content %.0f\n", ImGui::TableGetColumnName(table, n),
                    column.WorkMaxX - column.WorkMinX, content);
            }
        }
        return true;
    });
}
}
