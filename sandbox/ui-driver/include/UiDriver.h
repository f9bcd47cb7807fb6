// Drives real Dear ImGui frames without a renderer, the way a user would: it
// finds widgets by label among the items the last frame submitted, moves the
// mouse there, clicks, drags, types and presses keys through ImGuiIO, and
// reads back the clipboard and the texts a frame displayed.
//
//     UiDriver ui([&] { DrawSomething(); });
//     ui.Click("Timecycle Editor", "Create");
//     ui.SetText("Timecycle Editor", "##detail_name", "my_mod");
//     ui.Key("ctrl+a");
//     ui.Key("ctrl+c");
//     EXPECT_EQ(ui.Clipboard(), "my_mod");
//
// Widgets are named by the window they are in (the top-level window's name;
// items of its child windows and of the popups it opened, such as context
// menus, count) and by their label: the visible text
// before "##", the whole label, its "##" part, or for widgets that never
// describe themselves (a splitter) the string their id was made from. When
// several widgets match, pass the index of the one meant, counted in drawing
// order. A widget that cannot be found or reached throws UiDriverError, whose
// message names what was looked for and lists what the frame had.
#pragma once

#include "imgui.h"
#include "imgui_internal.h"
#include "ImGuiItemHooks.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace uidriver
{
class UiDriverError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One item the last frame submitted.
struct UiItem
{
    ImGuiID id = 0;
    ImRect rect;                      // screen coordinates
    ImRect clipRect;                  // what its window showed of the screen when it was drawn
    std::string label;                // as passed to the widget; empty when it never described itself
    ImGuiItemStatusFlags status = 0;  // with _Checked from check boxes and menu items, _Opened from tree nodes and menus
    ImGuiItemFlags itemFlags = 0;
    bool highlighted = false;         // drew a header-coloured background: a selected row, or one under the mouse
    ImGuiWindow* window = nullptr;    // the innermost window: a child window inside BeginChild
    ImGuiID idScope = 0;              // seed its string id was hashed with

    std::string_view VisibleLabel() const;  // the label up to "##"
    const char* WindowName() const;          // e.g. "Timecycle Editor/list_1A2B3C4D"
    const char* TopWindowName() const;       // e.g. "Timecycle Editor", also for its context menus
    bool Disabled() const { return (itemFlags & ImGuiItemFlags_Disabled) != 0; }
    bool Checked() const { return (status & ImGuiItemStatusFlags_Checked) != 0; }
    bool Opened() const { return (status & ImGuiItemStatusFlags_Opened) != 0; }
    // Its centre row lies inside the visible part of its window.
    bool InView() const;
};

// Whether the driver makes its own context or drives the current one (one a
// host created, with its own windows and settings).
enum class UiContext
{
    Own,
    Current,
};

class UiDriver
{
public:
    using DrawFunction = std::function<void()>;
    static constexpr int kUnique = -1;  // the label must name exactly one widget

    // `draw` submits the windows of one frame. The display is at least
    // 1600x1000 and every frame lasts 1/60 s.
    explicit UiDriver(DrawFunction draw, UiContext context = UiContext::Own);
    ~UiDriver();
    UiDriver(const UiDriver&) = delete;
    UiDriver& operator=(const UiDriver&) = delete;

    // Runs frames with the current mouse and keyboard state.
    void Frame(int count = 1);
    int FrameCount() const { return m_frameCount; }
    ImGuiContext* Context() const { return m_context; }

    // Looking. Find scrolls down lists for a row not drawn yet; Exists only
    // looks at the last frame.
    UiItem Find(std::string_view window, std::string_view label, int index = kUnique);
    bool Exists(std::string_view window, std::string_view label) const;
    const std::vector<UiItem>& Items() const { return m_items; }

    // Acting on a widget: each first scrolls it into view, and ends with a
    // frame that shows the result.
    void Hover(std::string_view window, std::string_view label, int index = kUnique);
    void Click(std::string_view window, std::string_view label, int index = kUnique);
    void DoubleClick(std::string_view window, std::string_view label, int index = kUnique);
    // A click with Ctrl and/or Shift held through it, as a list that selects
    // several rows takes it.
    struct HeldKeys
    {
        bool ctrl = false;
        bool shift = false;
    };
    void Click(std::string_view window, std::string_view label, HeldKeys keys, int index = kUnique);
    // Presses the left button on the widget and holds it down across the
    // frames that follow (a button held, as "Compare" is), until Release or
    // the next click or drag. Keys may be pressed meanwhile.
    void Press(std::string_view window, std::string_view label, int index = kUnique);
    // Lets go of the button Press holds.
    void Release();
    // While Press holds the button: gives Dear ImGui the held button and
    // its place again, for frames whose platform backend has just set the
    // mouse from the real device.
    void KeepHeld() const;
    // A click with the right button, as opens a context menu.
    void RightClick(std::string_view window, std::string_view label, int index = kUnique);
    // Press on the widget, move by `offset` over several frames, release.
    void Drag(std::string_view window, std::string_view label, ImVec2 offset, int index = kUnique);
    // Clicks into a text field and types at the end of what it holds.
    void Type(std::string_view window, std::string_view label, std::string_view text, int index = kUnique);
    // Clicks into a text field, selects everything and types over it.
    void SetText(std::string_view window, std::string_view label, std::string_view text, int index = kUnique);
    // Ctrl+clicks a drag or slider, which then takes a typed value, types
    // over it and presses Enter.
    void EnterValue(std::string_view window, std::string_view label, std::string_view text, int index = kUnique);

    // Drops a colour (red, green, blue) on the colour editor with that label
    // (ImGui::ColorEdit3/4), as dragging a colour swatch onto it does: the
    // editor takes all three channels in one frame. The editor is known by
    // its label, in whose id scope its parts are drawn.
    void DropColour(std::string_view window, std::string_view label, const float (&rgb)[3], int index = kUnique);

    // Presses and releases a key or chord on whatever has the keyboard:
    // "enter", "escape", "tab", "up", "down", "left", "right", "pageup",
    // "pagedown", "home", "end", "insert", "delete", "backspace", "space",
    // "keypadenter", "a", "c", "v", "x", "y", "z", with "ctrl+", "shift+",
    // "alt+", "super+" in front ("ctrl+a").
    void Key(std::string_view chord);
    // Moves the mouse to a point, e.g. away from every window, for one frame.
    void MoveMouse(ImVec2 position);

    // What widgets copied (Ctrl+C in a text field) and what Ctrl+V pastes.
    const std::string& Clipboard() const { return m_clipboard; }
    void SetClipboard(std::string text) { m_clipboard = std::move(text); }

    // The lines of text the last frame displayed, as Dear ImGui's logging
    // writes them: "Created 1", "[ Create ]" for a button, "[x] Enabled" for a
    // check box, "{ my_mod }" for a text field, "> name" for a tree node; text
    // scrolled out of view included. By top-level window, a tooltip or popup
    // counting to the window it was opened from.
    // Dear ImGui stops logging at the End of every top-level window and the
    // driver starts it again at the next widget, so text that a window draws
    // after a tooltip or popup it opened, before its next widget, is missed.
    // While logging, Dear ImGui clips nothing: a list clipper hands out every
    // row.
    std::vector<std::string> Texts() const;
    std::vector<std::string> Texts(std::string_view window) const;
    // Without text capture (it is on by default) frames keep no texts and a
    // list clipper hands out only the rows in view, as in the game.
    void CaptureTexts(bool on) { m_captureTexts = on; }

private:
    struct TextBlock
    {
        std::string window;
        std::string text;
    };
    // Progress of a search through a window's scrolled lists for a row not
    // drawn yet.
    struct ListSearch
    {
        bool started = false;
        std::vector<ImGuiWindow*> windows;  // still to page through, innermost first
        bool goingUp = false;
    };

    static void OnItem(const ImGuiItemEvent& event, void* self);
    static void OnSetClipboard(void* self, const char* text);
    static const char* OnGetClipboard(void* self);
    void Record(const ImGuiItemEvent& event);
    void CaptureText(ImGuiWindow* window);

    UiItem Locate(std::string_view window, std::string_view label, int index, bool intoView);
    std::vector<const UiItem*> Matches(std::string_view window, std::string_view label) const;
    const UiItem* Latest(const UiItem& item) const;
    bool ScrollFurther(std::string_view window, ListSearch& search);
    bool ScrollTowards(const UiItem& item);
    void Wheel(ImGuiWindow* window, float distance);
    UiItem MoveOnto(const UiItem& item);
    void WaitOutDoubleClick();
    void PressAndRelease(int button = 0);
    void ActivateTextField(std::string_view window, std::string_view label, int index);
    void TypeCharacters(std::string_view text);

    DrawFunction m_draw;
    ImGuiContext* m_context = nullptr;
    bool m_ownsContext = false;
    bool m_inFrame = false;
    int m_frameCount = 0;

    std::vector<UiItem> m_items;
    std::vector<int> m_itemVertexStart;  // per item: its window's vertex count when it was added
    std::unordered_map<ImGuiID, size_t> m_lastItemWithId;  // index in m_items of the latest item of each id

    std::optional<ImVec2> m_heldAt;  // where Press holds the button down

    bool m_captureTexts = true;
    bool m_capturingText = false;
    std::string m_blockWindow;
    std::vector<TextBlock> m_textBlocks;
    std::string m_clipboard;

    // The host's clipboard handlers, given back when the driver goes.
    const char* (*m_hostGetClipboard)(void*) = nullptr;
    void (*m_hostSetClipboard)(void*, const char*) = nullptr;
    void* m_hostClipboardData = nullptr;
};
}
