// Acting like a user: mouse moves, clicks and drags on widgets, typing into
// text fields and key chords, all through ImGuiIO one frame at a time.
#include "UiDriver.h"

#include "KeyChord.h"

namespace uidriver
{
namespace
{
constexpr int kDragSteps = 8;
}

void UiDriver::MoveMouse(ImVec2 position)
{
    ImGui::GetIO().MousePos = position;
    Frame();
}

void UiDriver::Hover(std::string_view window, std::string_view label, int index)
{
    MoveOnto(Locate(window, label, index, true));
}

// A press soon after the last one, near it, would count as a double-click;
// a user's next single click comes later.
void UiDriver::WaitOutDoubleClick()
{
    ImGuiContext& g = *GImGui;
    const ImGuiIO& io = g.IO;
    const float near = io.MouseDoubleClickMaxDist * io.MouseDoubleClickMaxDist;
    while (g.Time - io.MouseClickedTime[0] < io.MouseDoubleClickTime && ImLengthSqr(io.MousePos - io.MouseClickedPos[0]) < near)
        Frame();
}

// Press on one frame, release on the next; a button Press held is let go.
void UiDriver::PressAndRelease(int button)
{
    m_heldAt.reset();
    ImGuiIO& io = ImGui::GetIO();
    io.MouseDown[button] = true;
    Frame();
    io.MouseDown[button] = false;
    Frame();
}

void UiDriver::Click(std::string_view window, std::string_view label, int index)
{
    MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    PressAndRelease();
    Frame();
}

void UiDriver::Click(std::string_view window, std::string_view label, HeldKeys keys, int index)
{
    MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    ImGuiIO& io = ImGui::GetIO();
    io.KeyCtrl = keys.ctrl;
    io.KeyShift = keys.shift;
    PressAndRelease();
    io.KeyCtrl = io.KeyShift = false;
    Frame();
}

void UiDriver::Press(std::string_view window, std::string_view label, int index)
{
    if (m_heldAt)
        throw UiDriverError("the mouse button is held already; release it first");
    MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    m_heldAt = ImGui::GetIO().MousePos;
    KeepHeld();
    // The press, then a frame in which the widget is held.
    Frame(2);
}

void UiDriver::KeepHeld() const
{
    if (!m_heldAt)
        return;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = *m_heldAt;
    io.MouseDown[0] = true;
}

void UiDriver::Release()
{
    if (!m_heldAt)
        throw UiDriverError("no mouse button is held");
    m_heldAt.reset();
    ImGuiIO& io = ImGui::GetIO();
    io.MouseDown[0] = false;
    Frame(2);
}

void UiDriver::DoubleClick(std::string_view window, std::string_view label, int index)
{
    MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    PressAndRelease();
    PressAndRelease();
    Frame();
}

void UiDriver::RightClick(std::string_view window, std::string_view label, int index)
{
    MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    PressAndRelease(1);
    Frame();
}

void UiDriver::Drag(std::string_view window, std::string_view label, ImVec2 offset, int index)
{
    MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    m_heldAt.reset();
    ImGuiIO& io = ImGui::GetIO();
    const ImVec2 start = io.MousePos;
    io.MouseDown[0] = true;
    Frame();
    for (int step = 1; step <= kDragSteps; ++step)
    {
        io.MousePos = ImFloor(start + offset * (float(step) / kDragSteps));
        Frame();
    }
    io.MouseDown[0] = false;
    Frame();
    Frame();
}

void UiDriver::ActivateTextField(std::string_view window, std::string_view label, int index)
{
    const UiItem field = MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    PressAndRelease();
    if (GImGui->ActiveId != field.id)
        throw UiDriverError("widget \"" + std::string(label) + "\" in window \"" + std::string(window) +
                            "\" did not take the keyboard after a click: not a text field, or disabled");
}

void UiDriver::TypeCharacters(std::string_view text)
{
    if (!text.empty())
    {
        ImGui::GetIO().AddInputCharactersUTF8(std::string(text).c_str());
        Frame();
    }
    Frame();
}

void UiDriver::Type(std::string_view window, std::string_view label, std::string_view text, int index)
{
    ActivateTextField(window, label, index);
    Key("ctrl+end");
    TypeCharacters(text);
}

void UiDriver::SetText(std::string_view window, std::string_view label, std::string_view text, int index)
{
    ActivateTextField(window, label, index);
    Key("ctrl+a");
    if (text.empty())
        Key("delete");
    TypeCharacters(text);
}

void UiDriver::EnterValue(std::string_view window, std::string_view label, std::string_view text, int index)
{
    const UiItem widget = MoveOnto(Locate(window, label, index, true));
    WaitOutDoubleClick();
    ImGuiIO& io = ImGui::GetIO();
    io.KeyCtrl = true;
    PressAndRelease();
    io.KeyCtrl = false;
    if (GImGui->ActiveId != widget.id)
        throw UiDriverError("widget \"" + std::string(label) + "\" in window \"" + std::string(window) +
                            "\" did not take a typed value after a ctrl+click: not a drag or slider, or disabled");
    Key("ctrl+a");
    TypeCharacters(text);
    Key("enter");
}

void UiDriver::Key(std::string_view chord)
{
    const KeyChord parsed = ParseKeyChord(chord);
    ImGuiIO& io = ImGui::GetIO();
    bool& down = io.KeysDown[io.KeyMap[parsed.key]];
    io.KeyCtrl = parsed.ctrl;
    io.KeyShift = parsed.shift;
    io.KeyAlt = parsed.alt;
    io.KeySuper = parsed.super;
    down = true;
    Frame();
    down = false;
    io.KeyCtrl = io.KeyShift = io.KeyAlt = io.KeySuper = false;
    Frame();
}
}
