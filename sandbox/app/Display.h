// Where the frames go: a window through SDL2 with Dear ImGui's SDL platform
// and SDL_Renderer backends, or, headless, an SDL surface that a software
// renderer draws into (no window, no GPU). Both draw the backdrop and then
// the GUI, and both can write what they drew to a PNG file.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

struct ImDrawData;

namespace sandbox
{
class Display
{
public:
    static constexpr int kWidth = 1600;
    static constexpr int kHeight = 1000;

    // A window unless `headless` is asked for or no window can be opened
    // (no display); `note` then says why the sandbox runs headless. Null
    // when not even the headless surface could be made (`note` says why).
    // Needs the Dear ImGui context to exist.
    static std::unique_ptr<Display> Open(bool headless, std::string& note);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool IsHeadless() const { return m_window == nullptr; }

    // Window only: hands pending input to Dear ImGui. F8 presses are given
    // to `onF8` instead. False once the user closed the window.
    bool PumpEvents(void (*onF8)());
    // Window only: the platform half of a Dear ImGui frame (size, time, input).
    void BeginPlatformFrame();

    // Draws the backdrop and then `gui` (null: the backdrop alone), and shows
    // it in the window.
    void Show(ImDrawData* gui);
    // Draws as Show does and writes the picture to a PNG file.
    bool Screenshot(ImDrawData* gui, const std::string& path, std::string& error);

private:
    Display() = default;
    void Draw(ImDrawData* gui);

    SDL_Window* m_window = nullptr;
    SDL_Surface* m_surface = nullptr;  // headless target
    SDL_Renderer* m_renderer = nullptr;
    bool m_platformBackend = false;
    bool m_rendererBackend = false;
    bool m_sdlVideo = false;
};

// Writes RGBA pixels (4 bytes each, rows `pitch` bytes apart) as a PNG file.
bool WritePng(const std::string& path, int width, int height, const void* pixels, int pitch, std::string& error);
}
