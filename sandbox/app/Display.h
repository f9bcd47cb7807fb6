// Where the frames go: a window through SDL2 with Dear ImGui's SDL platform
// and SDL_Renderer backends, or, headless, an SDL surface that a software
// renderer draws into (no window, no GPU). Both draw the backdrop and then
// the GUI, and both can write what they drew to a PNG file. The display also
// owns the interface's font and scale.
#pragma once

#include "InputQueue.h"

#include <SDL.h>
#include <imgui.h>

#include <cfloat>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace sandbox
{
struct DisplayOptions
{
    bool headless = false;
    std::optional<std::pair<int, int>> size;  // none: fit the display (headless: 1600 x 1000)
    std::optional<float> scale;               // none: the display's scale
};

class Display
{
public:
    static constexpr int kWidth = 1600;
    static constexpr int kHeight = 1000;

    // A window unless `headless` is asked for or no window can be opened
    // (no display); `note` then says why the sandbox runs headless. Null
    // when not even the headless surface could be made (`note` says why).
    // Needs the Dear ImGui context to exist.
    static std::unique_ptr<Display> Open(const DisplayOptions& options, std::string& note);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool IsHeadless() const { return m_window == nullptr; }

    // Window only: hands the input of one frame to Dear ImGui (InputQueue:
    // what the frame cannot take waits for the next). F8 presses are given
    // to `onF8` instead; Ctrl+= and Ctrl+- change the scale. With nothing
    // pending it first waits up to `waitMilliseconds` for input (0: not at
    // all, -1: until some arrives). False once the user closed the window;
    // `hadInput` says whether anything arrived or was handed over.
    bool PumpEvents(void (*onF8)(), int waitMilliseconds, bool& hadInput);
    // Window only: the platform half of a Dear ImGui frame (size, time,
    // input), after a scale change the font made anew. The mouse is where
    // the window's events put it, relative to the window.
    void BeginPlatformFrame();

    // Window only: resizes it as a user would; false with `error` headless.
    bool Resize(int width, int height, std::string& error);

    float Scale() const { return m_scale; }
    // The size Dear ImGui draws in, in points.
    ImVec2 Size() const;

    // Draws the backdrop and then `gui` (null: the backdrop alone), and shows
    // it in the window.
    void Show(ImDrawData* gui);
    // Draws as Show does and writes the picture to a PNG file.
    bool Screenshot(ImDrawData* gui, const std::string& path, std::string& error);

private:
    Display() = default;
    // Leaves m_window null, with `note` saying why, when no window opens.
    void OpenWindow(const DisplayOptions& options, std::string& note);
    void Draw(ImDrawData* gui);
    // One input event into Dear ImGui, or to the sandbox's own keys.
    void Feed(const SDL_Event& event, void (*onF8)());
    // Builds the font atlas and the style for m_scale.
    void ApplyScale();

    SDL_Window* m_window = nullptr;
    SDL_Surface* m_surface = nullptr;  // headless target
    SDL_Renderer* m_renderer = nullptr;
    bool m_platformBackend = false;
    bool m_rendererBackend = false;
    bool m_sdlVideo = false;
    float m_scale = 1.0f;
    float m_fontScale = 0.0f;  // the scale the font was built for
    float m_displayScale = 1.0f;

    InputQueue m_input;
    // The mouse as the events handed over so far left it.
    ImVec2 m_mousePosition{ -FLT_MAX, -FLT_MAX };
    bool m_mouseInside = false;
    bool m_mouseDown[3] = {};  // left, right, middle
    bool m_shortcutText = false;  // the text of a shortcut's key may follow
};

// The interface's scale one step up (`steps` 1) or down (-1) through round
// values, quarters: 1, 1.25, 1.5, ...; a scale between them goes to the
// nearest in that direction. Kept within the sandbox's limits.
float SteppedScale(float scale, int steps);

// Writes RGBA pixels (4 bytes each, rows `pitch` bytes apart) as a PNG file.
bool WritePng(const std::string& path, int width, int height, const void* pixels, int pitch, std::string& error);
}
