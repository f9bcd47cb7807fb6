// The simulated game's picture behind the GUI: a sky, a sun, fog and the
// ground, coloured by the values the game renders with at this moment
// (timecycle::EffectiveValue), so that applying a modifier or dragging one of
// its values shows on the next drawing.
#pragma once

#include <SDL.h>

namespace sandbox
{
struct Colour
{
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

// What the backdrop shows, read from a handful of timecycle variables.
struct Scene
{
    Colour zenith;      // sky at the top
    Colour horizon;     // sky at the horizon
    Colour sun;
    float sunSize = 1.0f;
    float sunHeight = 0.7f;  // 1 high in the sky, 0 on the horizon, below 0 set
    Colour moon;
    float moonStrength = 0.0f;
    Colour cloud;
    float cloudCover = 0.0f;
    float fogDensity = 0.0f;  // veils the whole picture
    Colour farFog;
    float farFogAlpha = 0.0f;
    Colour nearFog;
    float nearFogAlpha = 0.0f;
    Colour ground;      // lit by the sun and the ambient light from below
    Colour grade;       // overall tint and brightness, multiplied into everything
    float saturation = 1.0f;
    float rain = 0.0f;
};

// The scene as the game's current timecycle state gives it; variables the
// table does not have keep a plain default.
Scene ReadScene();

void DrawBackdrop(SDL_Renderer* renderer, const Scene& scene, int width, int height);
}
