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
            if (std::find(keysChanged.begin(), keysChanged.end(), key) != keysChanged.end() || (down && keyWentDown))
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
