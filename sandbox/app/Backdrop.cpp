#include "Backdrop.h"

#include <TimecycleControl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace sandbox
{
namespace
{
// The value the game renders the named variable with, or `fallback` when the
// variable table has no such variable.
float Value(const char* name, float fallback)
{
    const int count = TimecycleManager::GetConfigVarInfoCount();
    for (int id = 0; id < count; ++id)
    {
        const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(id);
        const char* infoName = info ? TimecycleManager::GetVarInfoName(*info) : nullptr;
        if (infoName && std::strcmp(infoName, name) == 0)
            return timecycle::EffectiveValue(id).value_or(fallback);
    }
    return fallback;
}

// "<prefix>_r", "_g", "_b", scaled by `scale`.
Colour ColourValue(const char* prefix, Colour fallback, float scale = 1.0f)
{
    const std::string base(prefix);
    return { Value((base + "_r").c_str(), fallback.r) * scale, Value((base + "_g").c_str(), fallback.g) * scale,
             Value((base + "_b").c_str(), fallback.b) * scale };
}

Colour Mix(Colour a, Colour b, float t)
{
    return { a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t };
}

Colour Times(Colour a, Colour b)
{
    return { a.r * b.r, a.g * b.g, a.b * b.b };
}

Colour Saturate(Colour c, float saturation)
{
    const float luma = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    return Mix({ luma, luma, luma }, c, saturation);
}

Uint8 ToByte(float value)
{
    if (!std::isfinite(value))
        return 0;
    return Uint8(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

class Painter
{
public:
    Painter(SDL_Renderer* renderer, Colour grade, float saturation)
        : m_renderer(renderer), m_grade(grade), m_saturation(saturation)
    {
    }

    // A rectangle whose colour runs from `top` to `bottom`.
    void VerticalGradient(float y0, float y1, float width, Colour top, float topAlpha, Colour bottom, float bottomAlpha)
    {
        const SDL_Vertex a = Vertex(0.0f, y0, top, topAlpha), b = Vertex(width, y0, top, topAlpha);
        const SDL_Vertex c = Vertex(width, y1, bottom, bottomAlpha), d = Vertex(0.0f, y1, bottom, bottomAlpha);
        const SDL_Vertex vertices[] = { a, b, c, a, c, d };
        SDL_RenderGeometry(m_renderer, nullptr, vertices, 6, nullptr, 0);
    }

    // A disc fading from `alpha` at the centre to `edgeAlpha` at the rim.
    void Disc(float x, float y, float radius, Colour colour, float alpha, float edgeAlpha)
    {
        constexpr int kSegments = 48;
        std::vector<SDL_Vertex> vertices;
        vertices.reserve(kSegments * 3);
        const SDL_Vertex centre = Vertex(x, y, colour, alpha);
        for (int i = 0; i < kSegments; ++i)
        {
            const float a0 = 2.0f * std::numbers::pi_v<float> * float(i) / kSegments;
            const float a1 = 2.0f * std::numbers::pi_v<float> * float(i + 1) / kSegments;
            vertices.push_back(centre);
            vertices.push_back(Vertex(x + radius * std::cos(a0), y + radius * std::sin(a0), colour, edgeAlpha));
            vertices.push_back(Vertex(x + radius * std::cos(a1), y + radius * std::sin(a1), colour, edgeAlpha));
        }
        SDL_RenderGeometry(m_renderer, nullptr, vertices.data(), int(vertices.size()), nullptr, 0);
    }

    // Slanted streaks on a fixed pattern, as many as `amount` asks for.
    void Rain(float width, float height, float amount, Colour colour)
    {
        std::vector<SDL_Vertex> vertices;
        const int streaks = int(amount * 220.0f);
        for (int i = 0; i < streaks; ++i)
        {
            const float x = std::fmod(float(i) * 97.31f, width + 40.0f) - 20.0f;
            const float y = std::fmod(float(i) * 57.17f + float(i % 7) * 131.0f, height);
            const SDL_Vertex top = Vertex(x, y, colour, 0.0f);
            vertices.push_back(top);
            vertices.push_back(Vertex(x - 6.0f, y + 28.0f, colour, 0.45f));
            vertices.push_back(Vertex(x - 4.5f, y + 28.0f, colour, 0.45f));
        }
        SDL_RenderGeometry(m_renderer, nullptr, vertices.data(), int(vertices.size()), nullptr, 0);
    }

private:
    SDL_Vertex Vertex(float x, float y, Colour colour, float alpha) const
    {
        const Colour graded = Times(Saturate(colour, m_saturation), m_grade);
        const SDL_Color rgba{ ToByte(graded.r), ToByte(graded.g), ToByte(graded.b), ToByte(alpha) };
        return SDL_Vertex{ { x, y }, rgba, { 0, 0 } };
    }

    SDL_Renderer* m_renderer;
    Colour m_grade;
    float m_saturation;
};
}

Scene ReadScene()
{
    Scene scene;
    scene.zenith = ColourValue("sky_zenith_col", { 0.18f, 0.35f, 0.7f }, Value("sky_zenith_mult", 1.0f));
    scene.horizon = ColourValue("sky_horizon_col", { 0.75f, 0.8f, 0.9f }, Value("sky_horizon_mult", 1.0f));
    scene.sun = ColourValue("sky_sun_col", { 1.0f, 0.92f, 0.8f });
    scene.sunSize = Value("sky_sun_disc_size", 1.0f);
    scene.sunHeight = Value("sky_sun_height", 0.7f);
    scene.moon = ColourValue("sky_moon_col", { 0.8f, 0.85f, 1.0f });
    scene.moonStrength = Value("sky_moon_iten", 0.0f);
    scene.cloud = ColourValue("cloud_base_col", { 0.85f, 0.87f, 0.9f });
    scene.cloudCover = Value("cloud_coverage", 0.0f);
    scene.fogDensity = Value("fog_density", 0.0f);
    scene.rain = Value("weather_rain_mult", 0.0f);
    scene.farFog = ColourValue("fog_far_col", { 0.7f, 0.75f, 0.8f });
    scene.farFogAlpha = Value("fog_far_a", 0.6f);
    scene.nearFog = ColourValue("fog_near_col", { 0.6f, 0.65f, 0.7f });
    scene.nearFogAlpha = Value("fog_near_a", 0.2f);

    const Colour sunlight = ColourValue("light_dir_col", { 1.0f, 0.95f, 0.85f }, Value("light_dir_mult", 1.0f));
    const Colour ambient =
        ColourValue("light_ambient_down_col", { 0.25f, 0.22f, 0.2f }, Value("light_ambient_down_mult", 0.6f));
    const Colour soil{ 0.42f, 0.36f, 0.26f };
    scene.ground = Times(soil, { ambient.r + 0.5f * sunlight.r, ambient.g + 0.5f * sunlight.g,
                                 ambient.b + 0.5f * sunlight.b });

    const float brightness = std::exp2(Value("exposure_push", 0.0f)) * (1.0f + Value("grade_brightness", 0.0f));
    scene.grade = ColourValue("grade_gain", { 1.0f, 1.0f, 1.0f }, brightness);
    scene.saturation = Value("grade_saturation", 1.0f);
    return scene;
}

void DrawBackdrop(SDL_Renderer* renderer, const Scene& scene, int width, int height)
{
    const float w = float(width), h = float(height);
    const float horizon = h * 0.62f;

    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    Painter paint(renderer, scene.grade, std::clamp(scene.saturation, 0.0f, 2.0f));

    paint.VerticalGradient(0.0f, horizon, w, scene.zenith, 1.0f, scene.horizon, 1.0f);
    // The sun stands as high as the values say, a set sun leaves the moon.
    const float sunRadius = 30.0f * std::clamp(scene.sunSize, 0.25f, 4.0f);
    const float sunY = horizon - std::clamp(scene.sunHeight, -1.0f, 1.0f) * (horizon - h * 0.08f);
    const float cover = std::clamp(scene.cloudCover, 0.0f, 1.0f);
    const float sunThroughClouds = 1.0f - 0.75f * cover;
    if (sunY < horizon + sunRadius)
    {
        paint.Disc(w * 0.8f, sunY, sunRadius * 3.0f, scene.sun, 0.35f * sunThroughClouds, 0.0f);
        paint.Disc(w * 0.8f, sunY, sunRadius, scene.sun, sunThroughClouds, sunThroughClouds);
    }
    else if (scene.moonStrength > 0.0f)
        paint.Disc(w * 0.78f, h * 0.14f, 22.0f, scene.moon, std::clamp(scene.moonStrength * 0.8f, 0.0f, 1.0f), 0.6f);
    paint.VerticalGradient(0.0f, horizon * 0.75f, w, scene.cloud, cover * 0.85f, scene.cloud, cover * 0.25f);
    paint.VerticalGradient(horizon, h, w, scene.ground, 1.0f, Mix(scene.ground, {}, 0.45f), 1.0f);

    const float farFog = std::clamp(scene.farFogAlpha, 0.0f, 1.0f);
    paint.VerticalGradient(horizon - h * 0.14f, horizon, w, scene.farFog, 0.0f, scene.farFog, farFog);
    paint.VerticalGradient(horizon, horizon + h * 0.18f, w, scene.farFog, farFog, scene.farFog, 0.0f);
    const float nearFog = std::clamp(scene.nearFogAlpha, 0.0f, 1.0f);
    paint.VerticalGradient(h * 0.78f, h, w, scene.nearFog, 0.0f, scene.nearFog, nearFog);
    // Dense fog hides everything behind it.
    const float veil = std::clamp(1.0f - std::exp(-scene.fogDensity * 60.0f), 0.0f, 0.92f);
    paint.VerticalGradient(0.0f, h, w, scene.farFog, veil * 0.8f, scene.nearFog, veil);
    if (scene.rain > 0.0f)
        paint.Rain(w, h, std::clamp(scene.rain, 0.0f, 2.0f), Mix(scene.farFog, { 1.0f, 1.0f, 1.0f }, 0.5f));
}
}
