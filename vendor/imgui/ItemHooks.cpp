#include "ImGuiItemHooks.h"
#include "imgui_internal.h"

namespace
{
ImGuiItemCallback g_callback = nullptr;
void* g_userData = nullptr;
}

void ImGuiSetItemCallback(ImGuiItemCallback callback, void* userData)
{
    g_callback = callback;
    g_userData = userData;
    // Dear ImGui checks this flag before calling any hook, so an uninstalled
    // callback costs one branch per item.
    ImGui::GetCurrentContext()->TestEngineHookItems = callback != nullptr;
}

void ImGuiTestEngineHook_ItemAdd(ImGuiContext*, const ImRect& bb, ImGuiID id)
{
    if (g_callback)
        g_callback({ ImGuiItemEvent::Added, id, bb.Min, bb.Max, nullptr, 0 }, g_userData);
}

void ImGuiTestEngineHook_ItemInfo(ImGuiContext* ctx, ImGuiID id, const char* label, ImGuiItemStatusFlags flags)
{
    if (!g_callback)
        return;
    // Widgets describe themselves right after adding themselves, so the last
    // item's rectangle belongs to this id.
    const ImRect rect = ctx->LastItemData.ID == id ? ctx->LastItemData.Rect : ImRect();
    g_callback({ ImGuiItemEvent::Described, id, rect.Min, rect.Max, label, flags }, g_userData);
}

void ImGuiTestEngineHook_Log(ImGuiContext*, const char*, ...)
{
}

const char* ImGuiTestEngine_FindItemDebugLabel(ImGuiContext*, ImGuiID)
{
    return nullptr;
}
