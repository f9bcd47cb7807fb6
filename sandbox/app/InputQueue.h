// The window's input, handed to Dear ImGui frame by frame. Dear ImGui 1.86
// reads keys and mouse buttons as states once a frame, so a key pressed and
// released within one frame would be nothing at all (a quick tap of Return
// after typing). Events wait here, in order, until a frame can take them.
#pragma once

#include <SDL.h>

#include <deque>
#include <vector>

namespace sandbox
{
class InputQueue
{
public:
    // Keys, text, the mouse, and the pointer entering or leaving the window;
    // everything else is handled as it arrives.
    static bool IsInput(const SDL_Event& event);

    void Push(const SDL_Event& event) { m_events.push_back(event); }
    bool Empty() const { return m_events.empty(); }

    // The events the next frame takes, in order: as many as it can without
    // a key or button changing twice, more than one key going down, a
    // modifier key changing after a key went down (the frame's modifiers are
    // those the key was pressed with), or the mouse moving after a button
    // changed (a click lands where it was made, and a drag moves from the
    // next frame on).
    std::vector<SDL_Event> TakeFrame();

private:
    std::deque<SDL_Event> m_events;
};
}
