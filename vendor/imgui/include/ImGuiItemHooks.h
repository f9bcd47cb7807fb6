// Item hooks: Dear ImGui reports every widget it submits (its id and rectangle
// when the item is added, its label and status flags when the widget
// describes itself). A tool installs a callback to see them; with none
// installed Dear ImGui does not call the hooks at all.
#pragma once

#include "imgui.h"

struct ImGuiItemEvent
{
    enum Kind { Added, Described };

    Kind kind;
    ImGuiID id;
    ImVec2 min, max;        // item rectangle in screen coordinates
    const char* label;      // Described only; valid during the callback
    int statusFlags;        // Described only: ImGuiItemStatusFlags
};

using ImGuiItemCallback = void (*)(const ImGuiItemEvent& event, void* userData);

// Installs the callback for the current context; null uninstalls it.
IMGUI_API void ImGuiSetItemCallback(ImGuiItemCallback callback, void* userData);
