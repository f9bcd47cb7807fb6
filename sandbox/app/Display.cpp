#include "Display.h"

#include "Backdrop.h"
#include "SandboxOptions.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace sandbox
{
namespace
{
// The interface's text height at scale 1, in pixels: Dear ImGui's own size.
constexpr float kFontPixels = 13.0f;

bool HasDisplay()
{
    // SDL_VIDEODRIVER may name a driver that needs no display server (dummy).
    for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER" })
        if (const char* value = std::getenv(variable); value && *value)
            return true;
    return false;
}

// The display's scale from its DPI, in halves: 1 on an ordinary screen.
float DisplayScale(SDL_Window* window)
{
    float dpi = 0.0f;
    if (SDL_GetDisplayDPI(SDL_GetWindowDisplayIndex(window), nullptr, &dpi, nullptr) != 0 || !(dpi > 0.0f))
        return 1.0f;
    return std::clamp(std::round(dpi / 96.0f * 2.0f) / 2.0f, 1.0f, 3.0f);
}

// Ctrl+= and Ctrl+- step the interface's scale, Ctrl+0 goes back to the
// display's: the new scale, or none for any other event.
std::optional<float> ScaleShortcut(const SDL_Event& event, float scale, float displayScale)
{
    if (event.type != SDL_KEYDOWN || !(event.key.keysym.mod & KMOD_CTRL))
        return std::nullopt;
    switch (event.key.keysym.sym)
    {
    case SDLK_EQUALS:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
        return SteppedScale(scale, 1);
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        return SteppedScale(scale, -1);
    case SDLK_0:
    case SDLK_KP_0:
        return displayScale;
    default:
        return std::nullopt;
    }
}

bool FileExists(const char* path)
{
    return std::ifstream(path).good();
}

// Dear ImGui's index of an SDL mouse button; -1 for the others.
int ButtonIndex(Uint8 button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return -1;
    }
}
}

float SteppedScale(float scale, int steps)
{
    constexpr float kStepsPerUnit = 4.0f;
    // A scale a hair off a step (read from text) counts as on it.
    constexpr float kTolerance = 1e-3f;
    const float position = scale * kStepsPerUnit;
    const float next = steps > 0 ? std::floor(position + kTolerance) + 1.0f : std::ceil(position - kTolerance) - 1.0f;
    return std::clamp(next / kStepsPerUnit, kMinimumScale, kMaximumScale);
}

void Display::OpenWindow(const DisplayOptions& options, std::string& note)
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    {
        note = std::string("cannot start SDL video (") + SDL_GetError() + "): running headless";
        return;
    }
    m_sdlVideo = true;

    // Without --size the window takes what the display offers, leaving room
    // for the window manager's frame, up to the sandbox's usual size.
    SDL_Rect usable{ 0, 0, kWidth, kHeight };
    SDL_GetDisplayUsableBounds(0, &usable);
    constexpr int kFrameAllowance = 40;
    int width = options.size ? options.size->first : std::min(kWidth, usable.w);
    int height = options.size ? options.size->second : std::min(kHeight, usable.h - kFrameAllowance);
    m_window = SDL_CreateWindow("vesk-sandbox: Timecycle Editor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                std::max(width, 1), std::max(height, 1),
                                SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!m_window)
    {
        note = std::string("cannot open a window (") + SDL_GetError() + "): running headless";
        return;
    }
    int top = 0, left = 0, bottom = 0, right = 0;
    if (!options.size && SDL_GetWindowBordersSize(m_window, &top, &left, &bottom, &right) == 0)
    {
        width = std::min(width, usable.w - left - right);
        height = std::min(height, usable.h - top - bottom);
        SDL_SetWindowSize(m_window, width, height);
        SDL_SetWindowPosition(m_window, usable.x + left + (usable.w - left - right - width) / 2,
                              usable.y + top + (usable.h - top - bottom - height) / 2);
    }
    m_displayScale = DisplayScale(m_window);
}

std::unique_ptr<Display> Display::Open(const DisplayOptions& options, std::string& note)
{
    std::unique_ptr<Display> display(new Display());

    bool headless = options.headless;
    if (!headless && !HasDisplay())
    {
        note = "no display (DISPLAY and WAYLAND_DISPLAY are unset): running headless";
        headless = true;
    }
    if (!headless)
        display->OpenWindow(options, note);

    if (display->m_window)
    {
        display->m_renderer =
            SDL_CreateRenderer(display->m_window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (!display->m_renderer)
            display->m_renderer = SDL_CreateRenderer(display->m_window, -1, SDL_RENDERER_SOFTWARE);
        if (!display->m_renderer)
        {
            note = std::string("cannot create a renderer for the window (") + SDL_GetError() + ")";
            return nullptr;
        }
        display->m_platformBackend = ImGui_ImplSDL2_InitForSDLRenderer(display->m_window);
    }
    else
    {
        // Same frames, drawn in software into memory.
        const auto [width, height] = options.size.value_or(std::pair{ kWidth, kHeight });
        display->m_surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ABGR8888);
        display->m_renderer = display->m_surface ? SDL_CreateSoftwareRenderer(display->m_surface) : nullptr;
        if (!display->m_renderer)
        {
            note = std::string("cannot create the headless surface (") + SDL_GetError() + ")";
            return nullptr;
        }
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(float(width), float(height));
        io.DeltaTime = 1.0f / 60.0f;
    }

    display->m_scale = options.scale.value_or(display->m_displayScale);
    display->m_rendererBackend = ImGui_ImplSDLRenderer_Init(display->m_renderer);
    // The font texture is needed before the first frame that someone else
    // (the UI driver) runs without the platform half.
    display->ApplyScale();
    return display;
}

void Display::ApplyScale()
{
    ImGuiIO& io = ImGui::GetIO();
    // On a display with more pixels than points the font is rasterised at
    // the pixel size and drawn back at the point size, so it stays sharp.
    float pixelsPerPoint = 1.0f;
    if (m_window)
    {
        int points = 0, pixels = 0, ignored = 0;
        SDL_GetWindowSize(m_window, &points, &ignored);
        SDL_GetRendererOutputSize(m_renderer, &pixels, &ignored);
        if (points > 0 && pixels > 0)
            pixelsPerPoint = float(pixels) / float(points);
    }

    io.Fonts->Clear();
    ImFontConfig config;
    config.OversampleH = 1;
    config.PixelSnapH = true;
    const float size = std::round(kFontPixels * m_scale * pixelsPerPoint);
    if (!FileExists(VESK_UI_FONT) || !io.Fonts->AddFontFromFileTTF(VESK_UI_FONT, size, &config))
    {
        config.SizePixels = size;
        io.Fonts->AddFontDefault(&config);
    }
    io.FontGlobalScale = 1.0f / pixelsPerPoint;

    ImGuiStyle style;
    ImGui::StyleColorsDark(&style);
    style.ScaleAllSizes(m_scale);
    ImGui::GetStyle() = style;

    if (m_rendererBackend)
    {
        ImGui_ImplSDLRenderer_DestroyFontsTexture();
        ImGui_ImplSDLRenderer_CreateFontsTexture();
    }
    m_fontScale = m_scale;
}

Display::~Display()
{
    if (m_rendererBackend)
        ImGui_ImplSDLRenderer_Shutdown();
    if (m_platformBackend)
        ImGui_ImplSDL2_Shutdown();
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    if (m_surface)
        SDL_FreeSurface(m_surface);
    if (m_window)
        SDL_DestroyWindow(m_window);
    if (m_sdlVideo)
        SDL_Quit();
}

bool Display::PumpEvents(void (*onF8)(), int waitMilliseconds, bool& hadInput)
{
    SDL_Event event;
    bool open = true;
    hadInput = false;
    bool pending = SDL_PollEvent(&event) == 1;
    if (!pending && waitMilliseconds != 0 && m_input.Empty())
        pending = (waitMilliseconds < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, waitMilliseconds)) == 1;
    for (; pending; pending = SDL_PollEvent(&event) == 1)
    {
        hadInput = true;
        if (InputQueue::IsInput(event))
            m_input.Push(event);
        else if (event.type == SDL_QUIT ||
                 (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE &&
                  event.window.windowID == SDL_GetWindowID(m_window)))
            open = false;
        else
            ImGui_ImplSDL2_ProcessEvent(&event);
    }
    for (const SDL_Event& input : m_input.TakeFrame())
    {
        hadInput = true;
        Feed(input, onF8);
    }
    return open;
}

void Display::Feed(const SDL_Event& event, void (*onF8)())
{
    ImGuiIO& io = ImGui::GetIO();
    switch (event.type)
    {
    case SDL_MOUSEMOTION:
        m_mousePosition = ImVec2(float(event.motion.x), float(event.motion.y));
        m_mouseInside = true;
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        m_mousePosition = ImVec2(float(event.button.x), float(event.button.y));
        if (const int button = ButtonIndex(event.button.button); button >= 0)
            m_mouseDown[button] = event.type == SDL_MOUSEBUTTONDOWN;
        return;
    case SDL_WINDOWEVENT:
        m_mouseInside = event.window.event == SDL_WINDOWEVENT_ENTER;
        return;
    case SDL_TEXTINPUT:
        // The window system also sends the text of a shortcut's key ("-" of
        // Ctrl+-); it is not typed into the focused field.
        if (!m_shortcutText)
            ImGui_ImplSDL2_ProcessEvent(&event);
        return;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (event.type == SDL_KEYDOWN)
            m_shortcutText = false;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F8)
        {
            if (!event.key.repeat)
                onF8();
        }
        else if (const std::optional<float> scale = ScaleShortcut(event, m_scale, m_displayScale))
        {
            m_scale = *scale;
            m_shortcutText = true;
        }
        else
        {
            ImGui_ImplSDL2_ProcessEvent(&event);
            // The modifiers as they were when the key moved, not as they are
            // now that later events have arrived.
            const Uint16 modifiers = event.key.keysym.mod;
            io.KeyShift = (modifiers & KMOD_SHIFT) != 0;
            io.KeyCtrl = (modifiers & KMOD_CTRL) != 0;
            io.KeyAlt = (modifiers & KMOD_ALT) != 0;
            io.KeySuper = (modifiers & KMOD_GUI) != 0;
        }
        return;
    default:
        ImGui_ImplSDL2_ProcessEvent(&event);
    }
}

void Display::BeginPlatformFrame()
{
    if (m_scale != m_fontScale)
        ApplyScale();
    ImGui_ImplSDLRenderer_NewFrame();
    if (!m_platformBackend)
        return;
    ImGui_ImplSDL2_NewFrame();
    // The backend reads the mouse from SDL's global state, which input sent
    // through XTest (as remote-desktop tools send it) leaves stale; the
    // window's own events say where the pointer is and what is held.
    ImGuiIO& io = ImGui::GetIO();
    const bool held = m_mouseDown[0] || m_mouseDown[1] || m_mouseDown[2];
    io.MousePos = m_mouseInside || held ? m_mousePosition : ImVec2(-FLT_MAX, -FLT_MAX);
    for (int button = 0; button < 3; ++button)
        io.MouseDown[button] = m_mouseDown[button];
}

ImVec2 Display::Size() const
{
    if (!m_window)
        return ImVec2(float(m_surface->w), float(m_surface->h));
    int width = 0, height = 0;
    SDL_GetWindowSize(m_window, &width, &height);
    return ImVec2(float(width), float(height));
}

bool Display::Resize(int width, int height, std::string& error)
{
    if (!m_window)
    {
        error = "headless, the picture keeps its size (--size sets it)";
        return false;
    }
    SDL_SetWindowSize(m_window, width, height);
    return true;
}

void Display::Draw(ImDrawData* gui)
{
    int width = kWidth, height = kHeight;
    SDL_GetRendererOutputSize(m_renderer, &width, &height);
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    DrawBackdrop(m_renderer, ReadScene(), width, height);
    if (gui)
        ImGui_ImplSDLRenderer_RenderDrawData(gui);
}

void Display::Show(ImDrawData* gui)
{
    Draw(gui);
    SDL_RenderPresent(m_renderer);
}

bool Display::Screenshot(ImDrawData* gui, const std::string& path, std::string& error)
{
    Draw(gui);
    int width = kWidth, height = kHeight;
    SDL_GetRendererOutputSize(m_renderer, &width, &height);
    std::vector<Uint8> pixels(size_t(width) * size_t(height) * 4);
    const bool read =
        SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_ABGR8888, pixels.data(), width * 4) == 0;
    SDL_RenderPresent(m_renderer);
    if (!read)
    {
        error = std::string("cannot read the picture back: ") + SDL_GetError();
        return false;
    }
    return WritePng(path, width, height, pixels.data(), width * 4, error);
}
}
