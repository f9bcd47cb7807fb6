// The few things the editor needs from Dear ImGui's internal API
// (imgui_internal.h), behind one door: a version of Dear ImGui that changes
// them changes this file only.
#pragma once

#include <imgui.h>

#include <optional>
#include <string>

namespace tceditor::internals
{
// A vertical splitter at the cursor, `leftWidth` from the window's left edge,
// that moves width between the two panes; neither gets narrower than
// `minWidth`.
void Splitter(const char* id, float& leftWidth, float& rightWidth, float thickness, float minWidth);
// A tree node known by `id` that shows `label` as it is: no formatting, so
// no cost per byte of the name and no cut at Dear ImGui's text buffer.
bool TreeNode(const void* id, ImGuiTreeNodeFlags flags, const std::string& label);
// Whether the last item's context menu may show this frame: the right button
// was let go, or the menu is open. Only then is BeginPopupContextItem worth
// its popup lookups.
bool ContextMenuMayShow();
// Whether the last item has nothing to react to this frame: not hovered by
// the mouse or focused by the keyboard, not held, taken or let go, no context
// menu to show. Most items of a table are, and skip their checks.
bool LastItemIdle();
// Ends the current window's columns.
void EndColumns();
// The last item's id.
ImGuiID LastItemId();
// The widget that holds the mouse or keyboard now, 0 for none.
ImGuiID ActiveId();
// Whether the widget is a drag turned into a text field by a double click
// or Ctrl+click.
bool IsTypingInto(ImGuiID widget);
// The text field of a drag typed into: what it shows now and what it showed
// when typing began. None unless the field that Dear ImGui keeps is the
// widget's, as it still is in the frame its typing ends.
struct TypedTexts
{
    std::string now;
    std::string initial;
};
std::optional<TypedTexts> TypedTextsOf(ImGuiID widget);
// Draws the current window above every other one.
void BringCurrentWindowToFront();
// Scrolls the current window just enough to show the last item.
void ScrollLastItemIntoView();
}
