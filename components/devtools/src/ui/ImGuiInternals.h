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
// Whether any context menu at this level may show this frame: the right
// button was let go, or a popup is open here. Asked once for a list's many
// items; without it, none of them needs to ask ContextMenuMayShow.
bool ContextMenusMayShow();
// Whether the last item has nothing to react to this frame: not hovered by
// the mouse or focused by the keyboard, not held, taken or let go, no context
// menu to show. Most items of a table are, and skip their checks.
bool LastItemIdle();
// Whether no widget is held, was let go, typed into or was under the mouse
// in the last frame, and no context menu may show: then, until one is taken
// this frame, an item has something to react to only while it lies under
// the mouse or has the keyboard focus. Asked once for a table's many items.
bool NoWidgetBusy();
// Whether the last item lies under the mouse or has the keyboard focus.
bool LastItemUnderMouseOrFocused();
// Whether the mouse is over the current window or the keyboard focus in it:
// otherwise none of its items is hovered or focused this frame.
bool MouseOrKeyboardOnCurrentWindow();
// Ends the current window's columns.
void EndColumns();
// The last item's id.
ImGuiID LastItemId();
// The widget that holds the mouse or keyboard now, 0 for none.
ImGuiID ActiveId();
// Whether the widget was under the mouse in the last frame without being
// held, known before it is drawn.
bool WasHoveredIdle(ImGuiID widget);
// Whether the widget is a drag turned into a text field by a double click
// or Ctrl+click.
bool IsTypingInto(ImGuiID widget);
// Either of the two for the widget `label` is about to make; its id is
// worked out only while some widget is hovered or typed into.
bool WasHoveredIdleOrTypingInto(const char* label);
// The text field of a drag typed into: what it shows now and what it showed
// when typing began. None unless the field that Dear ImGui keeps is the
// widget's, as it still is in the frame its typing ends.
struct TypedTexts
{
    std::string now;
    std::string initial;
};
std::optional<TypedTexts> TypedTextsOf(ImGuiID widget);
// One line of text at the cursor in the width left: cut with "..." when it
// does not fit, whole in the tooltip then. Its height never depends on the
// text, so nothing below it moves when the text changes.
void OneLineText(const std::string& text);
// Gives the current table's fixed column `column` the width `width`, unless
// the user has resized it: `applied` is the width it was given last (-1 at
// first), and `byUser` becomes true once the user changed it.
void FitTableColumn(int column, float width, float& applied, bool& byUser);
// Whether the button drawn this frame was clicked (let go over itself after
// being held), for a button another widget draws as part of itself.
bool WasClicked(ImGuiID button);
// Inside a popup: closes the popups opened from it (a colour editor's
// picker); false when there were none.
bool CloseChildPopups();
// Draws the current window above every other one.
void BringCurrentWindowToFront();
// Scrolls the current window just enough to show the last item.
void ScrollLastItemIntoView();

// The depth of every Dear ImGui scope open at one moment of a frame, so that
// a draw cut short by an exception closes exactly what it opened.
struct OpenScopes
{
    bool inFrame = false;
    int windows = 0;
    int ids = 0;
    int groups = 0;
    int disabled = 0;
    int colours = 0;
    int itemFlags = 0;
    int styleVars = 0;
    int focusScopes = 0;
    int fonts = 0;
};
OpenScopes CurrentOpenScopes() noexcept;
// Ends the windows, child windows, popups, tables, tree nodes and pushes
// opened after `before` was taken, leaving the frame as it was then.
void CloseScopesOpenedSince(const OpenScopes& before);
}
