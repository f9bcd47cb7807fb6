// The committed timecycle data looks like its names: each modifier, applied
// as the primary one, gives the backdrop the picture its name promises.
#include <Backdrop.h>
#include <TimecycleControl.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using sandbox::Colour;
using sandbox::Scene;

float Luma(Colour c)
{
    return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
}

Colour Graded(Colour c, const Scene& scene)
{
    return { c.r * scene.grade.r, c.g * scene.grade.g, c.b * scene.grade.b };
}

Colour Sky(const Scene& scene)
{
    return Graded({ (scene.zenith.r + scene.horizon.r) / 2, (scene.zenith.g + scene.horizon.g) / 2,
                    (scene.zenith.b + scene.horizon.b) / 2 },
                  scene);
}

float Warmth(const Scene& scene)
{
    const Colour sky = Sky(scene);
    return sky.r - sky.b;
}

float Light(const Scene& scene)
{
    return Luma(Sky(scene)) + Luma(Graded(scene.ground, scene));
}

float SkyColourfulness(const Scene& scene)
{
    const Colour sky = Sky(scene);
    const float high = std::max({ sky.r, sky.g, sky.b }), low = std::min({ sky.r, sky.g, sky.b });
    return high > 0.0f ? (high - low) / high * scene.saturation : 0.0f;
}

float Fog(const Scene& scene)
{
    return scene.fogDensity;
}

float SunHeight(const Scene& scene)
{
    return scene.sunHeight;
}

float Rain(const Scene& scene)
{
    return scene.rain;
}

struct LookCase
{
    const char* what;
    const char* more;  // the modifier with more of it
    const char* less;
    float (*measure)(const Scene&);
};

class DataLooks : public testing::Test
{
protected:
    void SetUp() override
    {
        timecycle::ResetManager();
        ASSERT_GT(timecycle::LoadDataFolder(VESK_TIMECYCLE_DATA).modifiersLoaded, 0);
    }
    void TearDown() override { timecycle::ResetManager(); }

    static Scene SceneOf(const std::string& name)
    {
        tcModifier* modifier = timecycle::FindModifier(name);
        if (!modifier)
            throw std::runtime_error("no modifier " + name);
        TimecycleScriptData* script = TimecycleManager::GetScriptData();
        *script = { TheTimecycleManager->GetTimecycleIndex(*modifier), 1.0f, -1, 0.0f, 0.0f };
        return sandbox::ReadScene();
    }
};

TEST_F(DataLooks, NamesAndLooksAgree)
{
    const LookCase cases[] = {
        { "warmer sky", "tod_sunrise_warm", "tod_noon_clear", Warmth },
        { "warmer sky", "tod_sunset_clear", "tod_noon_clear", Warmth },
        { "warmer sky", "tod_golden_hour_clear", "tod_morning_clear", Warmth },
        { "warmer sky", "w_clear_warm", "w_clear_cold", Warmth },
        { "higher sun", "tod_noon_clear", "tod_sunrise_warm", SunHeight },
        { "higher sun", "tod_afternoon_clear", "tod_night_clear", SunHeight },
        { "more light", "tod_noon_clear", "tod_night_clear", Light },
        { "more light", "tod_morning_clear", "tod_midnight_clear", Light },
        { "more light", "w_clear_light", "w_clear_night", Light },
        { "more light", "tod_noon_clear", "tod_night_foggy", Light },
        { "more light", "mis_heist_prep", "mis_heist_blackout", Light },
        { "more light", "fx_flashbang_peak", "fx_death_peak", Light },
        { "denser fog", "tod_night_foggy", "tod_night_clear", Fog },
        { "denser fog", "tod_noon_foggy", "tod_noon_clear", Fog },
        { "denser fog", "w_foggy_heavy", "w_clear_light", Fog },
        { "denser fog", "w_blizzard_heavy", "w_snow_light", Fog },
        { "more colourful sky", "tod_noon_clear", "tod_noon_rainy", SkyColourfulness },
        { "more colourful sky", "w_clear_calm", "w_overcast_calm", SkyColourfulness },
        { "more colourful sky", "cam_vibrant_punchy", "cam_noir_hard", SkyColourfulness },
        { "more rain", "tod_noon_rainy", "tod_noon_clear", Rain },
        { "more rain", "w_thunder_heavy", "w_rain_light", Rain },
    };
    for (const LookCase& look : cases)
    {
        const float more = look.measure(SceneOf(look.more));
        const float less = look.measure(SceneOf(look.less));
        EXPECT_GT(more, less) << look.what << ": " << look.more << " (" << more << ") against " << look.less << " ("
                              << less << ")";
    }
}

// A night is dark outright, not only darker than a day; a day is not.
TEST_F(DataLooks, NightsAreDarkAndDaysBright)
{
    for (const char* night : { "tod_night_clear", "tod_midnight_cloudy", "tod_small_hours_warm", "w_clear_night" })
        EXPECT_LT(Luma(Sky(SceneOf(night))), 0.1f) << night;
    for (const char* day : { "tod_noon_clear", "tod_morning_warm", "w_extrasunny_bright", "reg_beach_centre" })
        EXPECT_GT(Luma(Sky(SceneOf(day))), 0.35f) << day;
}
}
