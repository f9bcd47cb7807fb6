// Item hooks: Dear ImGui reports every widget it submits (its id and rectangle
// when the item is added, its label and status flags when the widget
// describes itself). A tool installs a callback on a context to see them; with
// none installed Dear ImGui does not call the hooks at all.
#pragma once

#include "imgui.h"

struct ImGuiWindow;

struct ImGuiItemEvent
{
    enum Kind { Added, Described };

    Kind kind;
    ImGuiID id;
    ImVec2 min, max;        // item rectangle in screen coordinates
    const char* label;      // Described only; valid during the callback
    int statusFlags;        // Described only: ImGuiItemStatusFlags
    ImGuiWindow* window;    // window the item belongs to (the child window inside BeginChild)
    int itemFlags;          // ImGuiItemFlags in force for the item, e.g. ImGuiItemFlags_Disabled
    ImGuiID idScope;        // Added only: top of the window's ID stack, the seed the item's string id was hashed with
};

using ImGuiItemCallback = void (*)(const ImGuiItemEvent& event, void* userData);

// Installs the callback on the current context; null uninstalls it. Uninstall
// before destroying the context.
IMGUI_API void ImGuiSetItemCallback(ImGuiItemCallback callback, void* userData);
// The callback installed on the current context (null for none), so that a
// tool can wrap another's.
IMGUI_API ImGuiItemCallback ImGuiGetItemCallback(void** userData);
