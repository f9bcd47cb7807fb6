#include "ImGuiItemHooks.h"
#include "imgui_internal.h"

namespace
{
// Kept in the context's test-engine slot, so that each context reports to its
// own tool.
struct ItemHook
{
    ImGuiItemCallback callback;
    void* userData;
};

const ItemHook* HookOf(ImGuiContext* ctx)
{
    return static_cast<const ItemHook*>(ctx->TestEngine);
}

// Widgets that run ButtonBehavior without ItemAdd report an id that is not the
// last item's; the flags in force are then the current ones.
int ItemFlagsOf(ImGuiContext* ctx, ImGuiID id)
{
    return ctx->LastItemData.ID == id ? ctx->LastItemData.InFlags : ctx->CurrentItemFlags;
}
}

void ImGuiSetItemCallback(ImGuiItemCallback callback, void* userData)
{
    IM_ASSERT(ImGui::GetCurrentContext() != nullptr && "create a context before installing item hooks");
    ImGuiContext& g = *ImGui::GetCurrentContext();
    delete HookOf(&g);
    g.TestEngine = callback ? new ItemHook{ callback, userData } : nullptr;
    // Dear ImGui checks this flag before calling any hook, so an uninstalled
    // callback costs one branch per item.
    g.TestEngineHookItems = callback != nullptr;
}

ImGuiItemCallback ImGuiGetItemCallback(void** userData)
{
    const ItemHook* hook = HookOf(ImGui::GetCurrentContext());
    *userData = hook ? hook->userData : nullptr;
    return hook ? hook->callback : nullptr;
}

void ImGuiTestEngineHook_ItemAdd(ImGuiContext* ctx, const ImRect& bb, ImGuiID id)
{
    const ItemHook* hook = HookOf(ctx);
    if (!hook)
        return;
    ImGuiWindow* window = ctx->CurrentWindow;
    hook->callback({ ImGuiItemEvent::Added, id, bb.Min, bb.Max, nullptr, 0, window, ItemFlagsOf(ctx, id),
                     window->IDStack.back() },
                   hook->userData);
}

void ImGuiTestEngineHook_ItemInfo(ImGuiContext* ctx, ImGuiID id, const char* label, ImGuiItemStatusFlags flags)
{
    const ItemHook* hook = HookOf(ctx);
    if (!hook)
        return;
    // Widgets describe themselves right after adding themselves, so the last
    // item's rectangle belongs to this id.
    const ImRect rect = ctx->LastItemData.ID == id ? ctx->LastItemData.Rect : ImRect();
    hook->callback({ ImGuiItemEvent::Described, id, rect.Min, rect.Max, label, flags, ctx->CurrentWindow,
                     ItemFlagsOf(ctx, id), 0 },
                   hook->userData);
}

void ImGuiTestEngineHook_Log(ImGuiContext*, const char*, ...)
{
}

const char* ImGuiTestEngine_FindItemDebugLabel(ImGuiContext*, ImGuiID)
{
    return nullptr;
}
