#include "ImGuiInternals.h"

#include <imgui_internal.h>

namespace tceditor::internals
{
void Splitter(const char* id, float& leftWidth, float& rightWidth, float thickness, float minWidth)
{
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    const ImVec2 min(window->DC.CursorPos.x + leftWidth, window->DC.CursorPos.y);
    const ImVec2 size = ImGui::CalcItemSize(ImVec2(thickness, -1.0f), 0.0f, 0.0f);
    const ImRect bounds(min, ImVec2(min.x + size.x, min.y + size.y));
    ImGui::SplitterBehavior(bounds, window->GetID(id), ImGuiAxis_X, &leftWidth, &rightWidth, minWidth, minWidth,
                            0.0f, 0.0f);
}

bool TreeNode(const void* id, ImGuiTreeNodeFlags flags, const std::string& label)
{
    ImGuiWindow* window = ImGui::GetCurrentWindow();
    if (window->SkipItems)
        return false;
    return ImGui::TreeNodeBehavior(window->GetID(id), flags, label.c_str(), label.c_str() + label.size());
}

bool ContextMenuMayShow()
{
    const ImGuiContext& g = *GImGui;
    // Mostly no popup is open at this level: that is told without a lookup.
    const bool popupAtThisLevel = g.OpenPopupStack.Size > g.BeginPopupStack.Size;
    return g.IO.MouseReleased[ImGuiMouseButton_Right] ||
           (popupAtThisLevel && ImGui::IsPopupOpen(g.LastItemData.ID, ImGuiPopupFlags_None));
}

void EndColumns()
{
    ImGui::EndColumns();
}

bool LastItemIdle()
{
    const ImGuiContext& g = *GImGui;
    const ImGuiLastItemData& item = g.LastItemData;
    return !(item.StatusFlags & (ImGuiItemStatusFlags_HoveredRect | ImGuiItemStatusFlags_Deactivated)) &&
           g.ActiveId != item.ID && g.ActiveIdPreviousFrame != item.ID && g.NavId != item.ID && !ContextMenuMayShow();
}

ImGuiID LastItemId()
{
    return ImGui::GetItemID();
}

ImGuiID ActiveId()
{
    return ImGui::GetActiveID();
}

bool IsTypingInto(ImGuiID widget)
{
    return ImGui::TempInputIsActive(widget);
}

std::optional<TypedTexts> TypedTextsOf(ImGuiID widget)
{
    const ImGuiInputTextState& field = GImGui->InputTextState;
    if (field.ID != widget || field.TextW.Size == 0 || field.InitialTextA.Size == 0)
        return std::nullopt;
    // The wide text is the field's own: an Escape puts the initial text back
    // there, not into the UTF-8 copy.
    std::string now(field.TextW.Size * 4 + 1, '\0');
    now.resize(ImTextStrToUtf8(now.data(), static_cast<int>(now.size()), field.TextW.Data, nullptr));
    return TypedTexts{ std::move(now), field.InitialTextA.Data };
}

void BringCurrentWindowToFront()
{
    ImGui::BringWindowToDisplayFront(ImGui::GetCurrentWindow());
}

void ScrollLastItemIntoView()
{
    ImGui::ScrollToItem(ImGuiScrollFlags_KeepVisibleEdgeY);
}
}
