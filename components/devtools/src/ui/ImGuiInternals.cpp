#include "ui/ImGuiInternals.h"

#include <imgui_internal.h>

#include <algorithm>

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

bool ContextMenusMayShow()
{
    const ImGuiContext& g = *GImGui;
    return g.IO.MouseReleased[ImGuiMouseButton_Right] || g.OpenPopupStack.Size > g.BeginPopupStack.Size;
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

bool NoWidgetBusy()
{
    const ImGuiContext& g = *GImGui;
    const bool popupAtThisLevel = g.OpenPopupStack.Size > g.BeginPopupStack.Size;
    return g.ActiveId == 0 && g.ActiveIdPreviousFrame == 0 && g.HoveredIdPreviousFrame == 0 && g.TempInputId == 0 &&
           !g.IO.MouseReleased[ImGuiMouseButton_Right] && !popupAtThisLevel;
}

bool LastItemUnderMouseOrFocused()
{
    const ImGuiContext& g = *GImGui;
    return (g.LastItemData.StatusFlags & ImGuiItemStatusFlags_HoveredRect) || g.NavId == g.LastItemData.ID;
}

bool MouseOrKeyboardOnCurrentWindow()
{
    const ImGuiContext& g = *GImGui;
    return g.HoveredWindow == g.CurrentWindow || g.NavWindow == g.CurrentWindow;
}

ImGuiID LastItemId()
{
    return ImGui::GetItemID();
}

ImGuiID ActiveId()
{
    return ImGui::GetActiveID();
}

bool WasHoveredIdle(ImGuiID widget)
{
    return widget != 0 && GImGui->HoveredIdPreviousFrame == widget && ImGui::GetActiveID() != widget;
}

bool IsTypingInto(ImGuiID widget)
{
    return ImGui::TempInputIsActive(widget);
}

bool WasHoveredIdleOrTypingInto(const char* label)
{
    const ImGuiContext& g = *GImGui;
    if (g.HoveredIdPreviousFrame == 0 && g.TempInputId == 0)
        return false;
    const ImGuiID widget = ImGui::GetID(label);
    return WasHoveredIdle(widget) || IsTypingInto(widget);
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

void OneLineText(const std::string& text)
{
    const ImVec2 start = ImGui::GetCursorScreenPos();
    const ImVec2 size(std::max(ImGui::GetContentRegionAvail().x, 1.0f), ImGui::GetTextLineHeight());
    ImGui::Dummy(size);
    if (text.empty())
        return;
    const char* end = text.c_str() + text.size();
    const bool cut = ImGui::CalcTextSize(text.c_str(), end).x > size.x || text.find('\n') != std::string::npos;
    // Dear ImGui logs the whole text, so a reader of the log gets all of it.
    ImGui::RenderTextEllipsis(ImGui::GetWindowDrawList(), start, ImVec2(start.x + size.x, start.y + size.y),
                              start.x + size.x, start.x + size.x, text.c_str(), end, nullptr);
    if (cut && ImGui::IsItemHovered())
    {
        ImGui::BeginTooltip();
        ImGui::PushTextWrapPos(ImGui::GetFontSize() * 40.0f);
        ImGui::TextUnformatted(text.c_str(), end);
        ImGui::PopTextWrapPos();
        ImGui::EndTooltip();
    }
}

void FitTableColumn(int column, float width, float& applied, bool& byUser)
{
    ImGuiTable* table = GImGui->CurrentTable;
    // In the table's first frame its set-up width is the one it takes.
    if (table->IsInitializing || table->MinColumnWidth <= 0.0f)
    {
        applied = table->Columns[column].WidthRequest;
        return;
    }
    const float request = table->Columns[column].WidthRequest;
    if (applied >= 0.0f && request != applied)
        byUser = true;
    if (byUser)
        return;
    ImGui::TableSetColumnWidth(column, width);
    applied = table->Columns[column].WidthRequest;
}

bool WasClicked(ImGuiID button)
{
    // A button is pressed as it lets go of the mouse over itself: it held it
    // until the last frame, holds nothing now, and is under the mouse.
    const ImGuiContext& g = *GImGui;
    return g.ActiveIdPreviousFrame == button && g.ActiveId == 0 && g.HoveredId == button && g.IO.MouseReleased[0];
}

bool CloseChildPopups()
{
    ImGuiContext& g = *GImGui;
    const int level = g.BeginPopupStack.Size;
    if (g.OpenPopupStack.Size <= level)
        return false;
    ImGui::ClosePopupToLevel(level, true);
    return true;
}

void BringCurrentWindowToFront()
{
    ImGui::BringWindowToDisplayFront(ImGui::GetCurrentWindow());
}

void ScrollLastItemIntoView()
{
    ImGui::ScrollToItem(ImGuiScrollFlags_KeepVisibleEdgeY);
}

OpenScopes CurrentOpenScopes() noexcept
{
    const ImGuiContext* g = ImGui::GetCurrentContext();
    if (!g || !g->WithinFrameScope || !g->CurrentWindow)
        return {};
    return { true,
             g->CurrentWindowStack.Size,
             g->CurrentWindow->IDStack.Size,
             g->GroupStack.Size,
             g->DisabledStackSize,
             g->ColorStack.Size,
             g->ItemFlagsStack.Size,
             g->StyleVarStack.Size,
             g->FocusScopeStack.Size,
             g->FontStack.Size };
}

void CloseScopesOpenedSince(const OpenScopes& before)
{
    ImGuiContext* context = ImGui::GetCurrentContext();
    if (!before.inFrame || !context)
        return;
    ImGuiContext& g = *context;
    // Each window the draw began, innermost first, with what is open in it.
    while (g.CurrentWindowStack.Size > before.windows)
    {
        ImGui::ErrorCheckEndWindowRecover(nullptr);
        if (g.CurrentWindow->Flags & ImGuiWindowFlags_ChildWindow)
            ImGui::EndChild();
        else
            ImGui::End();
    }
    // What it pushed in the window it was called in, and the frame's stacks.
    while (g.GroupStack.Size > before.groups)
        ImGui::EndGroup();
    while (g.CurrentWindow->IDStack.Size > before.ids)
        ImGui::PopID();
    while (g.DisabledStackSize > before.disabled)
        ImGui::EndDisabled();
    if (g.ColorStack.Size > before.colours)
        ImGui::PopStyleColor(g.ColorStack.Size - before.colours);
    while (g.ItemFlagsStack.Size > before.itemFlags)
        ImGui::PopItemFlag();
    if (g.StyleVarStack.Size > before.styleVars)
        ImGui::PopStyleVar(g.StyleVarStack.Size - before.styleVars);
    while (g.FocusScopeStack.Size > before.focusScopes)
        ImGui::PopFocusScope();
    while (g.FontStack.Size > before.fonts)
        ImGui::PopFont();
}
}
