#include "InputQueue.h"

#include <algorithm>

namespace sandbox
{
bool InputQueue::IsInput(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_TEXTINPUT:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
        return true;
    case SDL_WINDOWEVENT:
        return event.window.event == SDL_WINDOWEVENT_ENTER || event.window.event == SDL_WINDOWEVENT_LEAVE;
    default:
        return false;
    }
}

namespace
{
bool IsModifierKey(SDL_Scancode key)
{
    switch (key)
    {
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
    case SDL_SCANCODE_LGUI:
    case SDL_SCANCODE_RGUI:
        return true;
    default:
        return false;
    }
}
}

std::vector<SDL_Event> InputQueue::TakeFrame()
{
    std::vector<SDL_Event> taken;
    std::vector<SDL_Scancode> keysChanged;
    bool keyWentDown = false;
    bool buttonChanged = false;
    for (; !m_events.empty(); m_events.pop_front())
    {
        const SDL_Event& event = m_events.front();
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
        {
            const SDL_Scancode key = event.key.keysym.scancode;
            const bool down = event.type == SDL_KEYDOWN;
            // A frame has one set of modifiers: one that changes after a key
            // went down waits for the next frame, so the key keeps the chord
            // it was pressed with (Ctrl released before Z within a frame).
            if (std::find(keysChanged.begin(), keysChanged.end(), key) != keysChanged.end() || (down && keyWentDown) ||
                (keyWentDown && IsModifierKey(key)))
                break;
            keysChanged.push_back(key);
            keyWentDown = keyWentDown || down;
        }
        else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP || event.type == SDL_MOUSEMOTION)
        {
            if (buttonChanged)
                break;
            buttonChanged = event.type != SDL_MOUSEMOTION;
        }
        taken.push_back(event);
    }
    return taken;
}
}
