#include "Display.h"

#include "Backdrop.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <cstdlib>
#include <vector>

namespace sandbox
{
namespace
{
bool HasDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}
}

std::unique_ptr<Display> Display::Open(bool headless, std::string& note)
{
    std::unique_ptr<Display> display(new Display());

    if (!headless && !HasDisplay())
    {
        note = "no display (DISPLAY and WAYLAND_DISPLAY are unset): running headless";
        headless = true;
    }
    if (!headless)
    {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
            note = std::string("cannot start SDL video (") + SDL_GetError() + "): running headless";
        else
        {
            display->m_sdlVideo = true;
            display->m_window = SDL_CreateWindow("vesk-sandbox: Timecycle Editor", SDL_WINDOWPOS_CENTERED,
                                                 SDL_WINDOWPOS_CENTERED, kWidth, kHeight,
                                                 SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
            if (!display->m_window)
                note = std::string("cannot open a window (") + SDL_GetError() + "): running headless";
        }
    }

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
        display->m_surface = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ABGR8888);
        display->m_renderer = display->m_surface ? SDL_CreateSoftwareRenderer(display->m_surface) : nullptr;
        if (!display->m_renderer)
        {
            note = std::string("cannot create the headless surface (") + SDL_GetError() + ")";
            return nullptr;
        }
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(float(kWidth), float(kHeight));
        io.DeltaTime = 1.0f / 60.0f;
    }

    display->m_rendererBackend = ImGui_ImplSDLRenderer_Init(display->m_renderer);
    // The font texture is needed before the first frame that someone else
    // (the UI driver) runs without the platform half.
    ImGui_ImplSDLRenderer_CreateDeviceObjects();
    return display;
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

bool Display::PumpEvents(void (*onF8)())
{
    SDL_Event event;
    bool open = true;
    while (SDL_PollEvent(&event))
    {
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE &&
             event.window.windowID == SDL_GetWindowID(m_window)))
            open = false;
        else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F8)
        {
            if (!event.key.repeat)
                onF8();
        }
        else
            ImGui_ImplSDL2_ProcessEvent(&event);
    }
    return open;
}

void Display::BeginPlatformFrame()
{
    ImGui_ImplSDLRenderer_NewFrame();
    if (m_platformBackend)
        ImGui_ImplSDL2_NewFrame();
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
