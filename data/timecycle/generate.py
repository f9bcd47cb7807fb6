#!/usr/bin/env python3
"""Writes the sandbox's timecycle data beside this script:

  variables.xml      the variable table: one <variable name=".." default=".."/> per
                     variable, in variable-id order
  modifiers/*.xml    themed modifier files in the timecycle_modifier_data format

The output depends only on this script (fixed seed, fixed order), so running it
again rewrites the same bytes. Stale modifier files are removed first.
"""

import random
from pathlib import Path

HERE = Path(__file__).resolve().parent
SEED = 0x7C0DE
MAX_PARAMS = 60


# --- Variables -------------------------------------------------------------
# Each variable: (name, default, low, high). low and high bound the values the
# generator picks for modifiers; only name and default go into the table.

def colour(prefix, r, g, b):
    return [(f"{prefix}_{c}", v, 0.0, 1.0) for c, v in zip("rgb", (r, g, b))]


def scalar(name, default, low, high):
    return [(name, default, low, high)]


def mult(name, default=1.0, high=4.0):
    return [(name, default, 0.0, high)]


LIGHT = (
    colour("light_dir_col", 1.0, 0.95, 0.85) + mult("light_dir_mult", 1.0, 8.0)
    + colour("light_ambient_up_col", 0.45, 0.55, 0.7) + mult("light_ambient_up_mult")
    + colour("light_ambient_down_col", 0.25, 0.22, 0.2) + mult("light_ambient_down_mult", 0.6)
    + mult("light_natural_amb_up_mult") + mult("light_natural_amb_down_mult")
    + colour("light_artificial_int_up_col", 1.0, 0.85, 0.65) + mult("light_artificial_int_up_mult")
    + colour("light_artificial_int_down_col", 0.6, 0.5, 0.4) + mult("light_artificial_int_down_mult")
    + colour("light_artificial_ext_up_col", 0.9, 0.8, 0.7) + mult("light_artificial_ext_up_mult")
    + colour("light_artificial_ext_down_col", 0.5, 0.45, 0.4) + mult("light_artificial_ext_down_mult")
    + colour("light_ray_col", 1.0, 0.9, 0.75) + mult("light_ray_mult")
    + scalar("light_ray_dist", 800.0, 50.0, 4000.0) + scalar("light_ray_height_falloff", 0.02, 0.0, 0.2)
    + mult("light_ray_underwater_mult", 0.5)
    + colour("light_shaft_col", 1.0, 0.95, 0.8) + scalar("light_shaft_density", 0.3, 0.0, 1.0)
    + scalar("light_shaft_length", 40.0, 0.0, 300.0) + scalar("light_shaft_fade_start", 10.0, 0.0, 200.0)
    + scalar("light_shadow_softness", 0.5, 0.0, 1.0) + mult("light_shadow_dist_mult")
    + scalar("light_shadow_depth_bias", 0.002, 0.0, 0.02) + scalar("light_shadow_fade_start", 120.0, 10.0, 800.0)
    + scalar("light_shadow_cascade_split", 0.75, 0.1, 1.0)
    + colour("light_ped_col", 1.0, 0.97, 0.92) + mult("light_ped_mult")
    + colour("light_ped_rim_col", 0.8, 0.85, 1.0) + mult("light_ped_rim_mult", 0.5)
    + mult("light_vehicle_headlight_mult") + scalar("light_vehicle_headlight_dist", 35.0, 5.0, 120.0)
    + mult("light_vehicle_taillight_mult") + colour("light_vehicle_interior_col", 0.7, 0.8, 1.0)
    + mult("light_vehicle_interior_mult", 0.3)
    + mult("light_street_mult") + scalar("light_street_falloff", 2.0, 0.5, 8.0)
    + mult("light_neon_mult") + scalar("light_neon_saturation", 1.0, 0.0, 2.0)
    + mult("light_window_emissive_mult") + mult("light_emissive_night_mult", 1.0, 10.0)
    + scalar("light_ao_strength", 1.0, 0.0, 2.0) + scalar("light_ao_radius", 0.5, 0.05, 3.0)
    + mult("light_ssao_intensity") + scalar("light_ssao_bias", 0.05, 0.0, 0.5)
    + mult("light_specular_mult") + mult("light_gi_bounce_mult", 0.5)
    + colour("light_interior_fill_col", 0.9, 0.85, 0.8) + mult("light_interior_fill_mult", 0.4)
    + colour("light_moon_col", 0.55, 0.65, 0.9) + mult("light_moon_mult", 0.15, 2.0)
)

SKY = (
    colour("sky_zenith_col", 0.18, 0.35, 0.7) + mult("sky_zenith_mult")
    + colour("sky_zenith_transition_col", 0.35, 0.55, 0.85)
    + scalar("sky_zenith_transition_position", 0.6, 0.0, 1.0)
    + scalar("sky_zenith_transition_east_blend", 0.5, 0.0, 1.0)
    + scalar("sky_zenith_transition_west_blend", 0.5, 0.0, 1.0)
    + scalar("sky_zenith_blend_start", 0.2, 0.0, 1.0)
    + colour("sky_azimuth_east_col", 0.55, 0.65, 0.85) + mult("sky_azimuth_east_mult")
    + colour("sky_azimuth_west_col", 0.65, 0.6, 0.6) + mult("sky_azimuth_west_mult")
    + colour("sky_azimuth_transition_col", 0.6, 0.62, 0.75)
    + scalar("sky_azimuth_transition_position", 0.5, 0.0, 1.0)
    + colour("sky_horizon_col", 0.75, 0.8, 0.9) + mult("sky_horizon_mult")
    + scalar("sky_horizon_height", 0.05, -0.2, 0.4)
    + colour("sky_sun_col", 1.0, 0.92, 0.8) + colour("sky_sun_disc_col", 1.0, 0.97, 0.9)
    + scalar("sky_sun_disc_size", 1.0, 0.1, 8.0) + mult("sky_sun_hdr", 8.0, 40.0)
    + scalar("sky_sun_mie_phase", 0.76, 0.0, 0.99) + scalar("sky_sun_mie_scatter", 0.3, 0.0, 2.0)
    + mult("sky_sun_mie_intensity_mult") + scalar("sky_sun_influence_radius", 20.0, 1.0, 90.0)
    + mult("sky_sun_scatter_inten")
    + colour("sky_moon_col", 0.8, 0.85, 1.0) + scalar("sky_moon_disc_size", 1.0, 0.1, 6.0)
    + mult("sky_moon_iten", 1.0, 6.0) + mult("sky_moon_scatter_inten", 0.3)
    + scalar("sky_moon_influence_radius", 12.0, 1.0, 60.0)
    + mult("sky_stars_iten", 1.0, 6.0) + scalar("sky_stars_twinkle", 0.3, 0.0, 1.0)
    + mult("sky_milky_way_iten", 0.5)
    + mult("sky_hdr", 1.0, 20.0) + colour("sky_plane_col", 0.4, 0.45, 0.55) + mult("sky_plane_inten", 0.5)
    + colour("sky_aurora_col", 0.3, 0.9, 0.55) + mult("sky_aurora_iten", 0.0)
    + scalar("sky_scatter_rayleigh", 1.0, 0.1, 4.0) + scalar("sky_scatter_mie", 1.0, 0.1, 4.0)
    + scalar("sky_ozone", 0.35, 0.0, 1.0)
)

FOG = (
    scalar("fog_start", 20.0, 0.0, 500.0)
    + colour("fog_near_col", 0.6, 0.65, 0.7) + scalar("fog_near_a", 0.2, 0.0, 1.0)
    + colour("fog_sun_col", 0.95, 0.85, 0.7) + scalar("fog_sun_a", 0.3, 0.0, 1.0)
    + colour("fog_far_col", 0.7, 0.75, 0.8) + scalar("fog_far_a", 0.6, 0.0, 1.0)
    + scalar("fog_density", 0.002, 0.0, 0.05) + scalar("fog_height_falloff", 0.01, 0.0, 0.2)
    + scalar("fog_base_height", 0.0, -50.0, 300.0) + scalar("fog_max_opacity", 1.0, 0.0, 1.0)
    + scalar("fog_horizon_tint_scale", 1.0, 0.0, 3.0) + mult("fog_hdr")
    + colour("fog_haze_col", 0.8, 0.78, 0.72) + scalar("fog_haze_inten", 0.3, 0.0, 2.0)
    + scalar("fog_haze_start", 400.0, 0.0, 3000.0)
    + scalar("fog_shadow_amount", 0.5, 0.0, 1.0) + scalar("fog_shadow_falloff", 0.5, 0.0, 4.0)
    + scalar("fog_volume_light_range", 40.0, 0.0, 200.0) + scalar("fog_volume_light_fade", 0.5, 0.0, 1.0)
    + mult("fog_volume_light_intensity") + scalar("fog_ground_mist_height", 2.0, 0.0, 30.0)
    + scalar("fog_ground_mist_density", 0.0, 0.0, 1.0)
)

CLOUD = (
    colour("cloud_base_col", 0.85, 0.87, 0.9) + mult("cloud_base_strength")
    + colour("cloud_shadow_col", 0.35, 0.38, 0.45) + scalar("cloud_shadow_strength", 0.6, 0.0, 1.0)
    + colour("cloud_mid_col", 0.65, 0.68, 0.75) + colour("cloud_edge_col", 1.0, 0.95, 0.85)
    + mult("cloud_edge_strength") + mult("cloud_overall_strength")
    + colour("cloud_overall_col", 0.9, 0.9, 0.92)
    + mult("cloud_density_mult") + scalar("cloud_coverage", 0.35, 0.0, 1.0)
    + scalar("cloud_speed", 1.0, 0.0, 10.0) + scalar("cloud_detail_scale", 1.0, 0.1, 4.0)
    + scalar("cloud_dither_strength", 0.2, 0.0, 1.0) + scalar("cloud_height", 1200.0, 200.0, 6000.0)
    + scalar("cloud_thickness", 600.0, 50.0, 3000.0) + mult("cloud_sun_scatter")
    + mult("cloud_ambient_mult") + scalar("cloud_layer2_alpha", 0.4, 0.0, 1.0)
    + scalar("cloud_layer2_speed", 0.5, 0.0, 5.0) + scalar("cloud_cirrus_alpha", 0.3, 0.0, 1.0)
)

WATER = (
    colour("water_fog_col", 0.1, 0.25, 0.3) + scalar("water_fog_density", 0.08, 0.0, 1.0)
    + mult("water_fog_light_mult") + mult("water_reflection_mult")
    + scalar("water_reflection_lod", 1.0, 0.0, 4.0) + scalar("water_reflection_far_clip", 1500.0, 100.0, 8000.0)
    + mult("water_specular_mult") + mult("water_foam_mult") + colour("water_foam_col", 0.9, 0.95, 1.0)
    + mult("water_caustics_mult") + scalar("water_ripple_scale", 1.0, 0.1, 5.0)
    + mult("water_wave_height_mult") + scalar("water_wave_speed", 1.0, 0.0, 5.0)
    + mult("water_sun_glint_mult") + colour("water_depth_tint_col", 0.05, 0.2, 0.25)
    + scalar("water_depth_fade", 6.0, 0.5, 40.0)
    + colour("water_underwater_tint_col", 0.1, 0.35, 0.4) + scalar("water_underwater_blur", 0.3, 0.0, 1.0)
    + mult("water_puddle_mult") + mult("water_wetness_mult") + mult("water_rain_ripple_mult")
)

WEATHER = (
    mult("weather_rain_mult", 0.0) + colour("weather_rain_col", 0.7, 0.75, 0.8)
    + mult("weather_snow_mult", 0.0) + mult("weather_wind_mult")
    + mult("weather_lightning_mult", 0.0) + mult("weather_wet_surface_mult", 0.0)
    + mult("weather_dust_mult", 0.0) + mult("weather_spray_mult", 0.0)
    + scalar("weather_puddle_coverage", 0.0, 0.0, 1.0) + scalar("weather_snow_coverage", 0.0, 0.0, 1.0)
)

BLOOM_AND_LENS = (
    scalar("bloom_threshold_min", 0.6, 0.0, 4.0) + scalar("bloom_threshold_max", 2.0, 0.0, 8.0)
    + mult("bloom_intensity", 0.4) + scalar("bloom_radius", 1.0, 0.1, 4.0)
    + colour("bloom_tint", 1.0, 1.0, 1.0) + mult("bloom_dirt_mult", 0.2) + mult("bloom_sky_mult", 0.5)
    + scalar("bloom_highlight_clamp", 16.0, 1.0, 64.0)
    + mult("lens_flare_mult") + colour("lens_flare_col", 1.0, 0.95, 0.85)
    + mult("lens_ghost_mult", 0.3) + mult("lens_streak_mult", 0.0) + mult("lens_dirt_mult", 0.0)
    + scalar("lens_distortion", 0.0, -0.5, 0.5) + scalar("lens_chromatic_aberration", 0.0, 0.0, 0.05)
    + scalar("lens_vignette_inten", 0.3, 0.0, 1.0) + scalar("lens_vignette_radius", 0.75, 0.1, 1.5)
    + scalar("lens_vignette_smooth", 0.4, 0.0, 1.0) + colour("lens_vignette_col", 0.0, 0.0, 0.0)
    + scalar("lens_grain_inten", 0.0, 0.0, 1.0) + scalar("lens_grain_size", 1.0, 0.5, 4.0)
    + scalar("lens_scanline_inten", 0.0, 0.0, 1.0)
)

EXPOSURE = (
    scalar("exposure_min", -2.0, -8.0, 0.0) + scalar("exposure_max", 3.0, 0.0, 10.0)
    + scalar("exposure_key", 0.18, 0.01, 1.0) + scalar("exposure_push", 0.0, -4.0, 4.0)
    + scalar("exposure_adapt_speed_up", 1.5, 0.05, 10.0) + scalar("exposure_adapt_speed_down", 0.8, 0.05, 10.0)
    + scalar("exposure_adapt_min_step", 0.01, 0.0, 0.2) + scalar("exposure_adapt_max_step", 0.5, 0.0, 4.0)
    + scalar("exposure_metering_center_weight", 0.5, 0.0, 1.0)
    + scalar("exposure_night_bias", -0.5, -4.0, 4.0) + scalar("exposure_interior_bias", 0.3, -4.0, 4.0)
    + scalar("exposure_tonemap_shoulder", 0.22, 0.0, 1.0) + scalar("exposure_tonemap_linear_strength", 0.3, 0.0, 1.0)
    + scalar("exposure_tonemap_linear_angle", 0.1, 0.0, 1.0) + scalar("exposure_tonemap_toe_strength", 0.2, 0.0, 1.0)
    + scalar("exposure_tonemap_toe_numer", 0.01, 0.0, 0.2) + scalar("exposure_tonemap_toe_denom", 0.3, 0.01, 1.0)
    + scalar("exposure_white_point", 11.2, 1.0, 40.0)
)

DOF = (
    scalar("dof_near_start", 0.0, 0.0, 10.0) + scalar("dof_near_end", 0.5, 0.0, 20.0)
    + scalar("dof_far_start", 150.0, 1.0, 2000.0) + scalar("dof_far_end", 900.0, 10.0, 8000.0)
    + mult("dof_blur_mult") + scalar("dof_blur_radius", 2.0, 0.0, 12.0)
    + scalar("dof_focus_dist", 10.0, 0.1, 500.0) + scalar("dof_aperture", 5.6, 1.2, 22.0)
    + scalar("dof_bokeh_brightness_min", 0.8, 0.0, 4.0) + scalar("dof_bokeh_brightness_max", 3.0, 0.0, 16.0)
    + scalar("dof_bokeh_fade_start", 0.1, 0.0, 1.0) + scalar("dof_bokeh_fade_end", 0.9, 0.0, 1.0)
    + scalar("dof_bokeh_shape", 6.0, 3.0, 12.0)
    + mult("dof_ss_near", 0.0) + mult("dof_ss_far", 0.0) + mult("dof_cutscene_mult")
)

GRADE = (
    colour("grade_lift", 0.0, 0.0, 0.0) + colour("grade_gamma", 1.0, 1.0, 1.0)
    + colour("grade_gain", 1.0, 1.0, 1.0) + colour("grade_offset", 0.0, 0.0, 0.0)
    + scalar("grade_saturation", 1.0, 0.0, 2.0) + scalar("grade_contrast", 1.0, 0.0, 2.0)
    + scalar("grade_brightness", 0.0, -1.0, 1.0) + scalar("grade_hue_shift", 0.0, -180.0, 180.0)
    + scalar("grade_temperature", 6500.0, 1500.0, 15000.0) + scalar("grade_tint", 0.0, -1.0, 1.0)
    + colour("grade_shadows_col", 0.5, 0.5, 0.5) + colour("grade_midtones_col", 0.5, 0.5, 0.5)
    + colour("grade_highlights_col", 0.5, 0.5, 0.5)
    + scalar("grade_shadow_threshold", 0.25, 0.0, 1.0) + scalar("grade_highlight_threshold", 0.75, 0.0, 1.0)
    + scalar("grade_desaturate_dark", 0.0, 0.0, 1.0)
    + colour("grade_colour_correct", 1.0, 1.0, 1.0) + colour("grade_colour_shift", 0.0, 0.0, 0.0)
    + scalar("grade_lut_blend", 0.0, 0.0, 1.0) + scalar("grade_lut_index", 0.0, 0.0, 31.0)
    + scalar("grade_noise", 0.0, 0.0, 1.0) + scalar("grade_sepia", 0.0, 0.0, 1.0)
    + scalar("grade_posterize", 0.0, 0.0, 1.0) + scalar("grade_split_tone_balance", 0.0, -1.0, 1.0)
)

POSTFX = (
    mult("postfx_motion_blur_mult") + scalar("postfx_sharpen", 0.2, 0.0, 2.0)
    + mult("postfx_night_vision_mult", 0.0) + colour("postfx_night_vision_col", 0.2, 1.0, 0.3)
    + mult("postfx_heat_haze_mult", 0.0) + scalar("postfx_heat_haze_start", 30.0, 0.0, 400.0)
    + scalar("postfx_heat_haze_height", 20.0, 0.0, 200.0)
    + mult("postfx_underwater_distortion", 0.0) + mult("postfx_damage_overlay", 0.0)
    + colour("postfx_damage_col", 0.6, 0.0, 0.0) + mult("postfx_blur_overlay", 0.0)
    + scalar("postfx_screen_shake", 0.0, 0.0, 1.0) + mult("postfx_double_vision", 0.0)
    + mult("postfx_radial_blur", 0.0) + mult("postfx_thermal_mult", 0.0)
    + mult("reflection_ssr_mult") + mult("reflection_cubemap_mult") + mult("reflection_mirror_mult")
    + mult("particle_light_mult") + mult("particle_shadow_mult", 0.5) + mult("particle_fog_mult")
    + mult("particle_emissive_mult")
)

VARIABLE_GROUPS = [LIGHT, SKY, FOG, CLOUD, WATER, WEATHER, BLOOM_AND_LENS, EXPOSURE, DOF, GRADE, POSTFX]
VARIABLES = [v for group in VARIABLE_GROUPS for v in group]


# --- Modifiers -------------------------------------------------------------
# Each theme: file name, name prefix, words, variants, and the variable-name
# prefixes its modifiers mostly touch.

THEMES = [
    ("weather", "w", ["clear", "extrasunny", "clouds", "overcast", "rain", "thunder", "smog", "foggy",
                      "snow", "blizzard", "snowlight", "halloween", "xmas", "neutral", "clearing"],
     ["light", "heavy", "dawn", "dusk", "night", "storm_front", "after", "early", "late", "calm", "windy", "cold",
      "warm", "haze", "bright"],
     ["fog_", "cloud_", "sky_", "light_dir", "light_ambient", "weather_", "water_"]),
    ("interiors", "int", ["garage", "office", "nightclub", "bar", "tunnel", "subway", "warehouse", "hospital",
                          "police_station", "apartment", "mall", "church", "bank_vault", "casino", "hangar",
                          "lab", "mine", "sewer", "motel", "diner", "gym", "morgue", "prison", "server_room"],
     ["dim", "bright", "neon", "emergency", "broken_lights", "lobby", "basement", "corridor", "backroom"],
     ["light_artificial_int", "light_interior", "exposure_", "grade_", "fog_volume", "light_ao", "bloom_"]),
    ("cutscenes", "cs", ["intro", "heist_plan", "bank_job", "chase_end", "funeral", "wedding", "interrogation",
                         "rooftop", "finale", "flashback", "sunrise_drive", "boat_meet", "hangar_deal"],
     ["shot_a", "shot_b", "shot_c", "closeup", "wide", "establish", "insert", "pov", "reverse", "crane",
      "handheld", "dolly", "overhead", "tracking", "rack_focus", "two_shot"],
     ["dof_", "grade_", "lens_", "light_ped", "exposure_", "bloom_"]),
    ("screen_effects", "fx", ["drunk", "drugged", "damage", "death", "underwater", "night_vision", "thermal",
                              "heat_haze", "dizzy", "concussion", "flashbang", "adrenaline", "exhausted",
                              "poisoned", "stealth", "slowmo", "rampage", "hallucination", "sniper_scope"],
     ["in", "out", "loop", "strong", "weak", "pulse", "fade", "peak", "recovery", "onset", "blur", "tint"],
     ["postfx_", "grade_", "lens_", "bloom_", "dof_", "exposure_"]),
    ("regions", "reg", ["downtown", "docks", "airport", "desert", "mountains", "beach", "forest", "farmland",
                        "industrial", "suburbs", "harbour", "canyon", "island", "lake", "quarry", "military_base",
                        "trailer_park", "vineyard", "ski_resort", "oil_field"],
     ["north", "south", "east", "west", "centre", "edge", "valley", "ridge", "coast", "outskirts"],
     ["fog_", "sky_", "light_dir", "light_ambient", "cloud_", "exposure_", "grade_"]),
    ("time_of_day", "tod", ["dawn", "sunrise", "morning", "noon", "afternoon", "golden_hour", "sunset", "dusk",
                            "evening", "night", "midnight", "small_hours"],
     ["clear", "cloudy", "rainy", "foggy", "stormy", "hazy", "cold", "warm", "winter", "summer", "autumn",
      "spring", "humid", "dry", "smoky", "polluted"],
     ["sky_", "light_dir", "light_ambient", "light_moon", "fog_", "cloud_", "exposure_", "light_emissive"]),
    ("camera_filters", "cam", ["noir", "vintage", "sepia", "vibrant", "bleach_bypass", "cross_process",
                               "teal_orange", "technicolor", "infrared", "lomo", "polaroid", "cinema",
                               "documentary", "security_cam", "news_footage", "dream"],
     ["soft", "hard", "faded", "punchy", "cool", "warm", "grainy", "clean", "dark", "light", "matte", "glossy",
      "retro", "modern"],
     ["grade_", "lens_", "bloom_", "exposure_"]),
    ("lighting_rigs", "rig", ["spotlight", "floodlight", "stadium", "stage", "film_set", "crime_scene",
                              "roadworks", "checkpoint", "helipad", "searchlight", "firelight", "candlelight",
                              "lantern", "billboard"],
     ["cold", "warm", "flicker", "strong", "faint", "red", "blue", "amber", "green", "white", "rim", "fill",
      "key", "back"],
     ["light_", "fog_volume", "bloom_", "particle_", "reflection_"]),
    ("water", "wat", ["ocean", "harbour", "lake", "river", "pool", "canal", "swamp", "reservoir", "fountain",
                      "flooded_street", "waterfall", "sea_cave"],
     ["calm", "choppy", "murky", "clear", "deep", "shallow", "polluted", "night", "storm", "tropical",
      "arctic", "sunlit", "foggy"],
     ["water_", "fog_", "light_ray", "reflection_", "sky_sun"]),
    ("missions", "mis", ["heist", "chase", "ambush", "rescue", "escort", "sabotage", "infiltration", "race",
                         "assassination", "smuggling", "surveillance", "getaway", "shootout", "standoff"],
     ["act1", "act2", "act3", "finale", "prep", "aftermath", "briefing", "alarm", "blackout", "sirens",
      "smoke", "fire"],
     ["grade_", "postfx_", "light_", "fog_", "exposure_", "lens_"]),
]

USER_FLAG_CHOICES = [0] * 12 + [1, 2, 3, 4, 8, 16, 5, 64, 256, 0x80000000, 4294967295]


def pick_value(rng, default, low, high):
    # Half the time near the default, half anywhere in the variable's range.
    if rng.random() < 0.5:
        spread = (high - low) * 0.15
        value = default + rng.uniform(-spread, spread)
        return min(max(value, low), high)
    return rng.uniform(low, high)


def param_count(rng):
    # Mostly small modifiers, a tail of large ones up to the limit.
    roll = rng.random()
    if roll < 0.15:
        return rng.randint(1, 3)
    if roll < 0.75:
        return rng.randint(4, 20)
    if roll < 0.95:
        return rng.randint(21, 45)
    return rng.randint(46, MAX_PARAMS)


def make_params(rng, favoured_prefixes):
    favoured = [v for v in VARIABLES if any(v[0].startswith(p) for p in favoured_prefixes)]
    others = [v for v in VARIABLES if v not in favoured]
    count = param_count(rng)
    chosen = []
    used = set()
    while len(chosen) < count:
        pool = favoured if rng.random() < 0.8 else others
        name, default, low, high = rng.choice(pool)
        if name in used:
            continue
        used.add(name)
        value1 = pick_value(rng, default, low, high)
        value2 = value1 if rng.random() < 0.7 else pick_value(rng, default, low, high)
        chosen.append((name, value1, value2))
    return chosen


def make_modifiers(rng, theme):
    _, prefix, words, variants, favoured = theme
    modifiers = []
    for word in words:
        for variant in variants:
            modifiers.append((f"{prefix}_{word}_{variant}", rng.choice(USER_FLAG_CHOICES),
                              make_params(rng, favoured)))
    # A few numbered takes of the first words, as artists leave them behind.
    for take in range(1, 9):
        word = words[take % len(words)]
        modifiers.append((f"{prefix}_{word}_take{take:02d}", rng.choice(USER_FLAG_CHOICES),
                          make_params(rng, favoured)))
    return modifiers


# --- Writing ---------------------------------------------------------------

def fmt3(value):
    return f"{value:.3f}"


def write_variables(path):
    lines = ['<?xml version="1.0"?>', '<timecycle_variables version="1">']
    for name, default, _, _ in VARIABLES:
        lines.append(f'    <variable name="{name}" default="{fmt3(default)}"/>')
    lines.append("</timecycle_variables>")
    path.write_text("\n".join(lines) + "\n", encoding="utf-8", newline="\n")


def write_modifiers(path, modifiers):
    lines = ['<?xml version="1.0"?>', '<timecycle_modifier_data version="1.000000">']
    for name, user_flags, params in modifiers:
        lines.append(f'    <modifier name="{name}" description="" numMods="{len(params)}" userFlags="{user_flags}">')
        for var, value1, value2 in params:
            lines.append(f"        <{var}>{fmt3(value1)} {fmt3(value2)}</{var}>")
        lines.append("    </modifier>")
    lines.append("</timecycle_modifier_data>")
    path.write_text("\n".join(lines) + "\n", encoding="utf-8", newline="\n")


def main():
    names = [v[0] for v in VARIABLES]
    assert len(names) == len(set(names)), "duplicate variable name"
    rng = random.Random(SEED)

    write_variables(HERE / "variables.xml")

    folder = HERE / "modifiers"
    folder.mkdir(exist_ok=True)
    for stale in folder.glob("*.xml"):
        stale.unlink()

    total = 0
    seen = set()
    for theme in THEMES:
        modifiers = make_modifiers(rng, theme)
        for name, _, _ in modifiers:
            assert name not in seen, f"duplicate modifier name {name}"
            seen.add(name)
        write_modifiers(folder / f"{theme[0]}.xml", modifiers)
        total += len(modifiers)

    print(f"{len(VARIABLES)} variables, {total} modifiers in {len(THEMES)} files")


if __name__ == "__main__":
    main()
