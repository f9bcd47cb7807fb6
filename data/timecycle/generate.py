#!/usr/bin/env python3
"""Writes the sandbox's timecycle data beside this script:

  variables.xml      the variable table: one <variable name=".." default=".."/> per
                     variable, in variable-id order
  modifiers/*.xml    themed modifier files in the timecycle_modifier_data format;
                     each modifier's values fit its name (a warm sunrise has a
                     low sun in an orange sky, a night is dark, a foggy one has
                     dense fog, a rainy one a grey sky), see "Looks" below

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
    + scalar("sky_sun_disc_size", 1.0, 0.1, 8.0) + scalar("sky_sun_height", 0.7, -1.0, 1.0)
    + mult("sky_sun_hdr", 8.0, 40.0)
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
LIMITS = {name: (low, high) for name, _, low, high in VARIABLES}
DEFAULTS = {name: default for name, default, _, _ in VARIABLES}


# --- Looks -----------------------------------------------------------------
# A look is what a modifier's name promises, as values of the variables that
# show it: {variable name: value}. A time of day gives the sky, the sun, the
# light and the fog; weather, season and mood words then change it; the
# screen-space themes grade the picture. Colours are (r, g, b) tuples until
# the look is flattened into variables.

def mix(a, b, t):
    if isinstance(a, tuple):
        return tuple(x + (y - x) * t for x, y in zip(a, b))
    return a + (b - a) * t


def scale(rgb, factor):
    return tuple(c * factor for c in rgb)


def tint(rgb, by):
    return tuple(min(1.0, c * f) for c, f in zip(rgb, by))


def grey(rgb, brightness=1.0):
    luma = 0.3 * rgb[0] + 0.59 * rgb[1] + 0.11 * rgb[2]
    return (luma * 0.94 * brightness, luma * 0.97 * brightness, luma * brightness)


# (sun height, zenith, horizon, sun, direct light, its strength, ambient, its
# strength, fog colour, exposure push, moon strength)
TIMES = {
    "dawn": (-0.02, (0.16, 0.18, 0.36), (0.70, 0.50, 0.50), (1.0, 0.55, 0.35), (0.95, 0.60, 0.45), 0.35,
             (0.35, 0.35, 0.50), 0.35, (0.55, 0.50, 0.55), -0.4, 0.4),
    "sunrise": (0.06, (0.40, 0.38, 0.56), (1.0, 0.58, 0.30), (1.0, 0.62, 0.28), (1.0, 0.68, 0.40), 0.9,
                (0.60, 0.50, 0.50), 0.5, (0.90, 0.65, 0.45), -0.1, 0.1),
    "morning": (0.30, (0.22, 0.42, 0.80), (0.72, 0.80, 0.90), (1.0, 0.90, 0.75), (1.0, 0.90, 0.78), 2.0,
                (0.50, 0.60, 0.75), 0.8, (0.75, 0.80, 0.88), 0.0, 0.0),
    "noon": (0.90, (0.12, 0.36, 0.88), (0.62, 0.78, 0.96), (1.0, 0.98, 0.92), (1.0, 0.97, 0.92), 3.0,
             (0.55, 0.65, 0.85), 1.0, (0.72, 0.80, 0.92), 0.1, 0.0),
    "afternoon": (0.60, (0.16, 0.38, 0.82), (0.70, 0.78, 0.88), (1.0, 0.93, 0.80), (1.0, 0.92, 0.80), 2.5,
                  (0.55, 0.60, 0.75), 0.9, (0.75, 0.78, 0.85), 0.05, 0.0),
    "golden_hour": (0.15, (0.30, 0.40, 0.65), (1.0, 0.72, 0.40), (1.0, 0.75, 0.35), (1.0, 0.75, 0.45), 1.6,
                    (0.65, 0.55, 0.45), 0.6, (0.95, 0.75, 0.50), 0.0, 0.0),
    "sunset": (0.04, (0.35, 0.28, 0.50), (1.0, 0.45, 0.22), (1.0, 0.50, 0.20), (1.0, 0.55, 0.30), 0.9,
               (0.60, 0.45, 0.50), 0.45, (0.85, 0.50, 0.40), -0.1, 0.1),
    "dusk": (-0.05, (0.14, 0.14, 0.34), (0.55, 0.35, 0.45), (0.90, 0.40, 0.30), (0.70, 0.45, 0.45), 0.3,
             (0.35, 0.32, 0.50), 0.3, (0.40, 0.35, 0.45), -0.5, 0.4),
    "evening": (-0.15, (0.07, 0.08, 0.22), (0.25, 0.22, 0.35), (0.80, 0.40, 0.30), (0.50, 0.45, 0.60), 0.15,
                (0.25, 0.25, 0.40), 0.2, (0.22, 0.22, 0.30), -0.8, 0.7),
    "night": (-0.50, (0.02, 0.03, 0.09), (0.07, 0.08, 0.16), (0.60, 0.60, 0.70), (0.55, 0.62, 0.85), 0.08,
              (0.12, 0.14, 0.25), 0.12, (0.08, 0.09, 0.14), -1.0, 1.0),
    "midnight": (-0.80, (0.01, 0.015, 0.05), (0.04, 0.05, 0.10), (0.60, 0.60, 0.70), (0.50, 0.58, 0.80), 0.05,
                 (0.08, 0.10, 0.18), 0.08, (0.05, 0.06, 0.10), -1.2, 1.2),
    "small_hours": (-0.60, (0.02, 0.02, 0.06), (0.06, 0.06, 0.12), (0.60, 0.60, 0.70), (0.50, 0.55, 0.75), 0.06,
                    (0.10, 0.10, 0.18), 0.10, (0.07, 0.07, 0.11), -1.1, 0.8),
}


def time_look(time):
    sun_height, zenith, horizon, sun, light, light_mult, ambient, ambient_mult, fog, exposure, moon = TIMES[time]
    night = max(0.0, min(1.0, -sun_height * 2.0))
    return {
        "sky_sun_height": sun_height, "sky_zenith_col": zenith, "sky_horizon_col": horizon,
        "sky_zenith_mult": 1.0, "sky_horizon_mult": 1.0,
        "sky_sun_col": sun, "sky_sun_disc_col": sun, "sky_sun_disc_size": 1.0 + (max(0.0, 0.3 - sun_height) * 3.0 if sun_height > -0.1 else 0.0),
        "light_dir_col": light, "light_dir_mult": light_mult,
        "light_ambient_up_col": ambient, "light_ambient_up_mult": ambient_mult,
        "light_ambient_down_col": scale(ambient, 0.8), "light_ambient_down_mult": ambient_mult * 0.8,
        "fog_far_col": fog, "fog_near_col": scale(fog, 0.9), "fog_far_a": 0.45, "fog_near_a": 0.12,
        "fog_density": 0.002, "cloud_coverage": 0.3, "cloud_base_col": mix(horizon, (1.0, 1.0, 1.0), 0.5),
        "exposure_push": exposure, "light_moon_mult": moon * 0.3, "sky_moon_iten": moon,
        "sky_stars_iten": night * 3.0, "light_emissive_night_mult": 1.0 + night * 6.0,
        "light_street_mult": 0.2 + night * 2.5,
    }


def with_sky(look, change):
    """Applies `change(colour)` to every sky, sun, light and fog colour."""
    for key in ("sky_zenith_col", "sky_horizon_col", "sky_sun_col", "light_dir_col", "fog_far_col",
                "fog_near_col", "light_ambient_up_col", "light_ambient_down_col", "cloud_base_col"):
        if key in look:
            look[key] = change(look[key])


def overcast(look, k, darken):
    with_sky(look, lambda c: mix(c, grey(c, darken), k))
    look["light_dir_mult"] *= 1.0 - 0.7 * k
    look["cloud_coverage"] = mix(look["cloud_coverage"], 0.95, k)
    look["cloud_base_col"] = mix(look["cloud_base_col"], grey(look["sky_horizon_col"], 0.8), k)


def fog(look, k, density=0.03):
    colour = mix(grey(look["sky_horizon_col"]), look["fog_far_col"], 0.5)
    look["fog_far_col"] = colour
    look["fog_near_col"] = colour
    look["fog_density"] = mix(look["fog_density"], density, k)
    look["fog_far_a"] = mix(look["fog_far_a"], 0.97, k)
    look["fog_near_a"] = mix(look["fog_near_a"], 0.75, k)
    look["sky_horizon_col"] = mix(look["sky_horizon_col"], colour, k)
    look["sky_zenith_col"] = mix(look["sky_zenith_col"], colour, k * 0.6)
    look["light_dir_mult"] *= 1.0 - 0.5 * k


def haze(look, k, colour=None):
    colour = colour or mix(look["sky_horizon_col"], (0.85, 0.80, 0.70), 0.5)
    look["fog_far_col"] = mix(look["fog_far_col"], colour, k)
    look["fog_far_a"] = mix(look["fog_far_a"], 0.85, k)
    look["fog_density"] = mix(look["fog_density"], 0.008, k)
    look["fog_haze_inten"] = 0.3 + 1.2 * k
    look["sky_horizon_col"] = mix(look["sky_horizon_col"], colour, k * 0.6)


def shift(look, by):
    with_sky(look, lambda c: tint(c, by))


def rain(look, k):
    overcast(look, min(1.0, 0.8 * k + 0.2), 0.75)
    look["exposure_push"] -= 0.3 * k
    look["weather_rain_mult"] = 1.2 * k
    look["weather_wet_surface_mult"] = min(4.0, 1.5 * k)
    look["weather_puddle_coverage"] = min(1.0, 0.6 * k)
    look["fog_density"] = mix(look["fog_density"], 0.008, k)
    look["fog_far_a"] = mix(look["fog_far_a"], 0.75, k)


def storm(look, k):
    overcast(look, 1.0, 0.5)
    rain(look, 1.6 * k)
    look["exposure_push"] -= 0.4 * k
    look["weather_lightning_mult"] = 1.5 * k
    look["weather_wind_mult"] = 1.0 + 2.0 * k


def snow(look, k, dense=False):
    overcast(look, 0.7 * k, 1.15)
    shift(look, (0.95, 1.0, 1.08))
    look["weather_snow_mult"] = 1.5 * k
    look["weather_snow_coverage"] = min(1.0, 0.8 * k)
    look["light_ambient_down_col"] = mix(look["light_ambient_down_col"], (0.85, 0.9, 1.0), k)
    if dense:
        fog(look, k, 0.035)
        look["fog_far_col"] = look["fog_near_col"] = (0.85, 0.88, 0.95)


WARM = (1.12, 1.0, 0.82)
COLD = (0.88, 0.97, 1.12)


def warm(look, k=1.0):
    shift(look, mix((1.0, 1.0, 1.0), WARM, k))
    look["grade_temperature"] = 6500.0 - 1500.0 * k


def cold(look, k=1.0):
    shift(look, mix((1.0, 1.0, 1.0), COLD, k))
    look["grade_temperature"] = 6500.0 + 2500.0 * k


def smog(look, k):
    haze(look, k, (0.62, 0.56, 0.45))
    look["fog_density"] = mix(look["fog_density"], 0.012, k)
    look["sky_zenith_col"] = mix(look["sky_zenith_col"], (0.55, 0.5, 0.42), 0.4 * k)


def clear(look, k):
    look["cloud_coverage"] = mix(look["cloud_coverage"], 0.05, k)
    look["fog_density"] = mix(look["fog_density"], 0.001, k)
    look["fog_far_a"] = mix(look["fog_far_a"], 0.3, k)
    look["fog_near_a"] = mix(look["fog_near_a"], 0.05, k)


def clouds(look, k):
    overcast(look, 0.45 * k, 0.95)
    look["cloud_coverage"] = mix(look["cloud_coverage"], 0.7, k)


def bright(look, k):
    clear(look, k)
    look["light_dir_mult"] *= 1.0 + 0.3 * k
    look["exposure_push"] += 0.3 * k


# Words about the weather, the season or the air, with the change they make.
WEATHER_WORDS = {
    "clear": clear, "extrasunny": bright, "bright": bright, "dry": lambda l, k: (clear(l, k), warm(l, 0.3 * k)),
    "clouds": clouds, "cloudy": clouds, "clearing": lambda l, k: clouds(l, 0.5 * k),
    "overcast": lambda l, k: overcast(l, k, 0.85), "neutral": lambda l, k: None,
    "rain": rain, "rainy": rain, "thunder": storm, "stormy": storm, "storm": storm, "storm_front": storm,
    "foggy": fog, "haze": haze, "hazy": haze, "humid": lambda l, k: haze(l, 0.6 * k),
    "smog": smog, "smoky": smog, "polluted": smog,
    "snow": snow, "snowlight": lambda l, k: snow(l, 0.5 * k), "blizzard": lambda l, k: snow(l, k, True),
    "cold": cold, "winter": lambda l, k: (cold(l, k), clouds(l, 0.4 * k)), "xmas": lambda l, k: (snow(l, 0.6 * k), cold(l, k)),
    "warm": warm, "summer": lambda l, k: (warm(l, 0.7 * k), clear(l, k)),
    "autumn": lambda l, k: (warm(l, 0.5 * k), haze(l, 0.4 * k)), "spring": lambda l, k: shift(l, (0.98, 1.05, 0.98)),
    "halloween": lambda l, k: (shift(l, (1.1, 0.75, 1.05)), haze(l, 0.5 * k, (0.5, 0.35, 0.25))),
    "windy": lambda l, k: (clouds(l, 0.5 * k), l.__setitem__("weather_wind_mult", 3.0 * k)),
    "calm": lambda l, k: (clear(l, 0.5 * k), l.__setitem__("weather_wind_mult", 0.2)),
    "after": lambda l, k: (clouds(l, 0.6 * k), l.__setitem__("weather_wet_surface_mult", 1.0)),
}
# Variants that say how much: the word's change is scaled by it.
STRENGTH_WORDS = {"light": 0.5, "heavy": 1.5, "weak": 0.4, "strong": 1.3, "faint": 0.4, "in": 0.5, "out": 0.4,
                  "fade": 0.3, "onset": 0.6, "recovery": 0.4, "peak": 1.4, "pulse": 0.9, "loop": 0.8, "soft": 0.6,
                  "hard": 1.3, "faded": 0.6, "punchy": 1.3}
# Variants that name a time of day.
TIME_WORDS = {"dawn": "dawn", "dusk": "dusk", "night": "night", "early": "morning", "late": "evening",
              "sunrise": "sunrise", "sunset": "sunset", "golden_hour": "golden_hour", "midnight": "midnight"}


def outdoor_look(time, words, strength=1.0):
    look = time_look(time)
    for word in words:
        if word in WEATHER_WORDS:
            WEATHER_WORDS[word](look, strength)
    return look


# --- Grades: screen-space looks ---------------------------------------------
# (gain, saturation, contrast, brightness, extra variables)
GRADES = {
    "noir": ((1.0, 1.0, 1.0), 0.0, 1.5, -0.05, {"lens_vignette_inten": 0.7}),
    "vintage": ((1.08, 0.98, 0.82), 0.7, 0.9, 0.0, {"lens_grain_inten": 0.3}),
    "sepia": ((1.1, 0.88, 0.62), 0.3, 1.0, 0.0, {"grade_sepia": 0.9}),
    "vibrant": ((1.0, 1.0, 1.0), 1.6, 1.1, 0.05, {}),
    "bleach_bypass": ((1.0, 1.0, 1.0), 0.4, 1.4, 0.05, {}),
    "cross_process": ((0.92, 1.06, 0.82), 1.2, 1.2, 0.0, {}),
    "teal_orange": ((1.06, 0.97, 0.9), 1.25, 1.15, 0.0, {"grade_shadows_col": (0.3, 0.5, 0.55)}),
    "technicolor": ((1.05, 1.0, 1.0), 1.5, 1.2, 0.0, {}),
    "infrared": ((1.15, 0.85, 0.85), 0.5, 1.2, 0.05, {}),
    "lomo": ((1.0, 1.02, 0.9), 1.35, 1.3, 0.0, {"lens_vignette_inten": 0.85}),
    "polaroid": ((1.06, 1.0, 0.88), 0.8, 0.85, 0.08, {}),
    "cinema": ((1.0, 0.98, 0.95), 1.05, 1.15, -0.03, {"lens_vignette_inten": 0.4}),
    "documentary": ((1.0, 1.0, 1.0), 0.9, 1.0, 0.0, {}),
    "security_cam": ((0.85, 1.0, 0.85), 0.25, 1.2, -0.05, {"lens_grain_inten": 0.6, "lens_scanline_inten": 0.5}),
    "news_footage": ((1.0, 1.0, 0.97), 0.9, 1.05, 0.0, {"lens_grain_inten": 0.25}),
    "dream": ((1.04, 0.98, 1.1), 0.8, 0.8, 0.15, {"bloom_intensity": 1.5}),
    # screen effects
    "drunk": ((1.08, 1.0, 0.9), 1.2, 0.9, 0.0, {"postfx_double_vision": 1.0, "postfx_motion_blur_mult": 2.5}),
    "drugged": ((1.1, 0.85, 1.15), 1.7, 1.1, 0.05, {"grade_hue_shift": 40.0}),
    "damage": ((1.25, 0.7, 0.7), 0.8, 1.1, -0.05, {"postfx_damage_overlay": 1.5, "lens_vignette_inten": 0.8}),
    "death": ((0.9, 0.9, 0.95), 0.0, 1.2, -0.35, {"lens_vignette_inten": 0.9}),
    "underwater": ((0.6, 0.95, 1.05), 0.8, 0.9, -0.1, {"postfx_underwater_distortion": 1.5}),
    "night_vision": ((0.5, 1.4, 0.55), 0.2, 1.3, 0.3, {"postfx_night_vision_mult": 1.0, "lens_grain_inten": 0.5}),
    "thermal": ((1.3, 0.8, 0.7), 1.6, 1.5, 0.0, {"postfx_thermal_mult": 1.0}),
    "heat_haze": ((1.08, 1.0, 0.88), 1.0, 1.0, 0.05, {"postfx_heat_haze_mult": 2.0}),
    "dizzy": ((1.0, 1.0, 1.0), 0.8, 0.9, 0.0, {"postfx_radial_blur": 1.5}),
    "concussion": ((1.0, 1.0, 1.0), 0.5, 0.8, 0.15, {"postfx_blur_overlay": 2.0}),
    "flashbang": ((1.0, 1.0, 1.0), 0.2, 0.6, 0.8, {"bloom_intensity": 3.5}),
    "adrenaline": ((1.15, 0.95, 0.9), 1.3, 1.3, 0.0, {"postfx_radial_blur": 0.6}),
    "exhausted": ((0.95, 0.95, 0.95), 0.45, 0.9, -0.2, {"lens_vignette_inten": 0.6}),
    "poisoned": ((0.8, 1.2, 0.7), 1.1, 1.0, -0.05, {"postfx_double_vision": 0.8}),
    "stealth": ((0.85, 0.92, 1.12), 0.5, 1.1, -0.15, {}),
    "slowmo": ((0.92, 0.97, 1.08), 0.6, 1.05, 0.0, {"postfx_motion_blur_mult": 3.0}),
    "rampage": ((1.3, 0.85, 0.8), 1.5, 1.3, 0.0, {}),
    "hallucination": ((1.1, 0.9, 1.2), 1.8, 1.1, 0.05, {"grade_hue_shift": 90.0}),
    "sniper_scope": ((1.0, 1.0, 1.0), 0.9, 1.1, 0.0, {"lens_vignette_inten": 1.0, "lens_vignette_radius": 0.35}),
    # moods of interiors, cutscenes and missions
    "dim": ((1.0, 0.95, 0.88), 0.9, 1.0, -0.3, {}),
    "emergency": ((1.3, 0.7, 0.65), 1.1, 1.2, -0.1, {}),
    "broken_lights": ((0.9, 0.9, 0.95), 0.6, 1.2, -0.45, {}),
    "neon": ((1.05, 0.75, 1.15), 1.5, 1.15, 0.0, {"bloom_intensity": 1.8}),
    "alarm": ((1.3, 0.75, 0.7), 1.1, 1.2, 0.0, {}),
    "sirens": ((1.1, 0.8, 1.2), 1.2, 1.15, 0.0, {}),
    "blackout": ((0.8, 0.85, 1.0), 0.5, 1.1, -0.5, {}),
    "aftermath": ((0.95, 0.95, 0.92), 0.5, 0.95, -0.1, {}),
    "funeral": ((0.9, 0.95, 1.05), 0.35, 1.0, -0.15, {}),
    "wedding": ((1.06, 1.0, 0.92), 1.05, 0.9, 0.12, {"bloom_intensity": 1.0}),
    "interrogation": ((0.92, 1.05, 0.85), 0.6, 1.35, -0.15, {}),
    "flashback": ((1.08, 0.95, 0.75), 0.4, 0.9, 0.05, {"grade_sepia": 0.5}),
    "heist_plan": ((0.9, 0.98, 1.08), 0.85, 1.1, 0.0, {}),
    "bank_job": ((0.9, 1.02, 1.02), 0.9, 1.15, 0.0, {}),
    "chase_end": ((1.08, 0.98, 0.9), 1.2, 1.25, 0.0, {}),
    "finale": ((1.1, 0.97, 0.88), 1.15, 1.3, 0.0, {}),
    "intro": ((1.0, 1.0, 1.0), 1.0, 1.05, 0.0, {}),
}
# Adjustments the filters' variants make: (gain factor, saturation factor,
# contrast factor, brightness change).
FILTER_VARIANTS = {
    "cool": ((0.92, 0.98, 1.1), 1.0, 1.0, 0.0), "warm": ((1.1, 1.0, 0.88), 1.0, 1.0, 0.0),
    "grainy": ((1.0, 1.0, 1.0), 0.95, 1.05, 0.0), "clean": ((1.0, 1.0, 1.0), 1.0, 1.0, 0.02),
    "dark": ((1.0, 1.0, 1.0), 1.0, 1.1, -0.25), "light": ((1.0, 1.0, 1.0), 1.0, 0.95, 0.2),
    "matte": ((1.0, 1.0, 1.0), 0.85, 0.8, 0.03), "glossy": ((1.0, 1.0, 1.0), 1.1, 1.15, 0.02),
    "retro": ((1.06, 1.0, 0.88), 0.8, 0.95, 0.0), "modern": ((1.0, 1.0, 1.02), 1.05, 1.05, 0.0),
    "red": ((1.2, 0.85, 0.85), 1.1, 1.0, 0.0), "blue": ((0.85, 0.92, 1.2), 1.1, 1.0, 0.0),
    "amber": ((1.15, 1.0, 0.7), 1.0, 1.0, 0.0), "green": ((0.85, 1.15, 0.85), 1.0, 1.0, 0.0),
    "tint": ((1.05, 0.95, 1.05), 1.0, 1.0, 0.0), "blur": ((1.0, 1.0, 1.0), 0.95, 0.9, 0.0),
}


def grade_look(name, strength=1.0, variant=None):
    gain, saturation, contrast, brightness, extra = GRADES[name]
    look = {"grade_gain": mix((1.0, 1.0, 1.0), gain, strength),
            "grade_saturation": mix(1.0, saturation, strength),
            "grade_contrast": mix(1.0, contrast, strength),
            "grade_brightness": brightness * strength}
    for key, value in extra.items():
        look[key] = mix(DEFAULTS[key] if not isinstance(value, tuple) else (0.5, 0.5, 0.5), value, strength)
    if variant in FILTER_VARIANTS:
        apply_filter_variant(look, variant)
    return look


def apply_filter_variant(look, variant):
    gain, saturation, contrast, brightness = FILTER_VARIANTS[variant]
    look["grade_gain"] = tint(look.get("grade_gain", (1.0, 1.0, 1.0)), gain)
    look["grade_saturation"] = look.get("grade_saturation", 1.0) * saturation
    look["grade_contrast"] = look.get("grade_contrast", 1.0) * contrast
    look["grade_brightness"] = look.get("grade_brightness", 0.0) + brightness


# --- Looks of each theme's names ------------------------------------------

def strength_of(variant):
    return STRENGTH_WORDS.get(variant, 1.0)


def weather_theme(word, variant):
    time = TIME_WORDS.get(variant, "afternoon")
    return outdoor_look(time, [word, variant], strength_of(variant))


def time_of_day_theme(word, variant):
    return outdoor_look(word, [variant])


REGION_WORDS = {
    "downtown": ["smog"], "docks": ["haze"], "airport": ["clear"], "desert": ["dry", "warm", "haze"],
    "mountains": ["clear", "cold"], "beach": ["extrasunny"], "forest": ["humid", "spring"],
    "farmland": ["warm"], "industrial": ["smog"], "suburbs": ["neutral"], "harbour": ["haze", "cold"],
    "canyon": ["dry", "warm"], "island": ["extrasunny", "humid"], "lake": ["calm"], "quarry": ["smog"],
    "military_base": ["neutral"], "trailer_park": ["dry"], "vineyard": ["warm", "autumn"],
    "ski_resort": ["snowlight", "cold"], "oil_field": ["smog", "warm"],
}
REGION_VARIANTS = {"north": ["cold"], "south": ["warm"], "coast": ["haze"], "valley": ["humid"],
                   "ridge": ["clear"], "outskirts": ["dry"]}


def regions_theme(word, variant):
    time = {"east": "morning", "west": "golden_hour"}.get(variant, "afternoon")
    look = outdoor_look(time, REGION_WORDS[word])
    for change in REGION_VARIANTS.get(variant, []):
        WEATHER_WORDS[change](look, 0.5)
    if word == "forest":
        look["light_ambient_down_col"] = (0.3, 0.45, 0.25)
    return look


WATER_WORDS = {  # water fog colour, density
    "ocean": ((0.05, 0.25, 0.4), 0.06), "harbour": ((0.12, 0.22, 0.22), 0.25), "lake": ((0.1, 0.28, 0.3), 0.1),
    "river": ((0.2, 0.3, 0.25), 0.2), "pool": ((0.15, 0.55, 0.65), 0.02), "canal": ((0.2, 0.26, 0.18), 0.35),
    "swamp": ((0.22, 0.25, 0.1), 0.6), "reservoir": ((0.08, 0.22, 0.3), 0.08),
    "fountain": ((0.2, 0.45, 0.55), 0.03), "flooded_street": ((0.3, 0.28, 0.2), 0.5),
    "waterfall": ((0.25, 0.45, 0.5), 0.1), "sea_cave": ((0.03, 0.12, 0.2), 0.3),
}
WATER_VARIANTS = {
    "calm": {"water_wave_height_mult": 0.2}, "choppy": {"water_wave_height_mult": 2.5, "water_foam_mult": 2.0},
    "murky": {"water_fog_density": 0.75, "water_fog_col": (0.25, 0.27, 0.15)},
    "clear": {"water_fog_density": 0.01}, "deep": {"water_fog_col": (0.02, 0.08, 0.2)},
    "shallow": {"water_fog_density": 0.03}, "polluted": {"water_fog_col": (0.3, 0.3, 0.2), "water_foam_mult": 2.5},
    "tropical": {"water_fog_col": (0.1, 0.6, 0.6), "water_fog_density": 0.02},
    "arctic": {"water_fog_col": (0.15, 0.3, 0.4)},
}


def water_theme(word, variant):
    time = {"night": "night", "sunlit": "noon"}.get(variant, "afternoon")
    words = {"storm": ["storm"], "foggy": ["foggy"], "arctic": ["cold", "clear"], "tropical": ["warm", "clear"],
             "sunlit": ["extrasunny"], "polluted": ["smog"], "murky": ["overcast"]}.get(variant, [])
    look = outdoor_look(time, words)
    colour, density = WATER_WORDS[word]
    look["water_fog_col"] = colour
    look["water_fog_density"] = density
    look.update(WATER_VARIANTS.get(variant, {}))
    return look


INTERIOR_LIGHTS = {  # artificial light colour and strength
    "garage": ((0.9, 0.95, 1.0), 0.8), "office": ((0.95, 0.97, 1.0), 1.2), "nightclub": ((0.8, 0.3, 1.0), 1.0),
    "bar": ((1.0, 0.7, 0.4), 0.7), "tunnel": ((1.0, 0.75, 0.35), 0.9), "subway": ((0.85, 1.0, 0.85), 1.0),
    "warehouse": ((0.95, 0.9, 0.8), 0.6), "hospital": ((0.9, 1.0, 1.0), 1.5), "police_station": ((0.9, 0.95, 1.0), 1.2),
    "apartment": ((1.0, 0.85, 0.65), 0.8), "mall": ((1.0, 0.97, 0.9), 1.6), "church": ((1.0, 0.8, 0.55), 0.6),
    "bank_vault": ((0.9, 0.95, 1.0), 1.0), "casino": ((1.0, 0.8, 0.5), 1.4), "hangar": ((0.9, 0.95, 1.0), 1.1),
    "lab": ((0.85, 0.95, 1.0), 1.6), "mine": ((1.0, 0.75, 0.45), 0.4), "sewer": ((0.7, 0.8, 0.55), 0.3),
    "motel": ((1.0, 0.8, 0.55), 0.6), "diner": ((1.0, 0.9, 0.75), 1.1), "gym": ((0.95, 1.0, 1.0), 1.3),
    "morgue": ((0.8, 0.95, 1.0), 1.0), "prison": ((0.9, 1.0, 0.9), 0.9), "server_room": ((0.6, 0.8, 1.0), 0.7),
}


def interiors_theme(word, variant):
    light, strength = INTERIOR_LIGHTS[word]
    look = {"light_artificial_int_up_col": light, "light_artificial_int_down_col": scale(light, 0.7),
            "light_interior_fill_col": light, "light_interior_fill_mult": 0.4 * strength,
            "light_artificial_int_up_mult": strength, "light_artificial_int_down_mult": strength * 0.7}
    mood = {"dim": "dim", "emergency": "emergency", "broken_lights": "broken_lights", "neon": "neon",
            "basement": "dim", "backroom": "dim"}.get(variant)
    if mood:
        look.update(grade_look(mood))
    if variant == "bright" or variant == "lobby":
        look["light_artificial_int_up_mult"] = strength * 1.6
        look["exposure_push"] = 0.4
    if word in ("nightclub", "casino") and not mood:
        look.update(grade_look("neon", 0.6))
    return look


CUTSCENE_TIMES = {"sunrise_drive": ("sunrise", ["warm"]), "rooftop": ("golden_hour", []),
                  "boat_meet": ("dusk", ["foggy"]), "hangar_deal": ("night", []), "chase_end": ("afternoon", ["hazy"])}
SHOT_DOF = {"closeup": (0.5, 4.0), "wide": (300.0, 1.0), "establish": (800.0, 0.5), "insert": (0.3, 6.0),
            "rack_focus": (5.0, 5.0), "pov": (10.0, 2.0), "two_shot": (3.0, 3.0)}


def cutscenes_theme(word, variant):
    look = {}
    if word in CUTSCENE_TIMES:
        time, words = CUTSCENE_TIMES[word]
        look = outdoor_look(time, words)
    if word in GRADES:
        look.update(grade_look(word))
    focus, blur = SHOT_DOF.get(variant, (10.0, 1.0))
    look["dof_focus_dist"] = focus
    look["dof_blur_mult"] = blur
    return look


def screen_effects_theme(word, variant):
    look = grade_look(word, strength_of(variant), variant)
    if word == "underwater":
        look["fog_far_col"] = look["fog_near_col"] = (0.05, 0.3, 0.35)
        look["fog_density"] = 0.03 * strength_of(variant)
        look["fog_far_a"] = 0.9
    return look


def camera_filters_theme(word, variant):
    return grade_look(word, strength_of(variant), variant)


RIG_COLOURS = {"cold": (0.75, 0.85, 1.0), "warm": (1.0, 0.8, 0.55), "red": (1.0, 0.2, 0.15), "blue": (0.2, 0.4, 1.0),
               "amber": (1.0, 0.65, 0.15), "green": (0.3, 1.0, 0.35), "white": (1.0, 1.0, 1.0)}
RIG_WORDS = {"firelight": (1.0, 0.55, 0.25), "candlelight": (1.0, 0.7, 0.4), "lantern": (1.0, 0.75, 0.45),
             "stadium": (0.95, 0.97, 1.0), "crime_scene": (0.8, 0.85, 1.0), "roadworks": (1.0, 0.7, 0.3)}


def lighting_rigs_theme(word, variant):
    look = outdoor_look("night", [])
    colour = RIG_COLOURS.get(variant, RIG_WORDS.get(word, (1.0, 0.95, 0.85)))
    strength = 1.5 * strength_of(variant)
    look["light_ambient_down_col"] = colour
    look["light_ambient_down_mult"] = strength
    look["light_artificial_ext_up_col"] = colour
    look["light_artificial_ext_up_mult"] = strength
    look["light_artificial_ext_down_col"] = scale(colour, 0.8)
    look["light_artificial_ext_down_mult"] = strength * 0.8
    look["fog_volume_light_intensity"] = 1.0 + strength
    return look


MISSION_VARIANTS = {
    "act1": ("morning", []), "act2": ("afternoon", []), "act3": ("dusk", []), "finale": ("night", []),
    "prep": ("noon", []), "briefing": ("noon", []), "aftermath": ("dawn", ["hazy"]),
    "alarm": ("night", []), "blackout": ("midnight", []), "sirens": ("night", []),
    "smoke": ("afternoon", ["smoky"]), "fire": ("evening", ["smoky"]),
}


def missions_theme(word, variant):
    time, words = MISSION_VARIANTS[variant]
    look = outdoor_look(time, words)
    if variant in GRADES:
        look.update(grade_look(variant))
    if variant == "fire":
        look["fog_far_col"] = look["fog_near_col"] = (0.85, 0.4, 0.15)
        look["fog_far_a"] = 0.8
        look["sky_horizon_col"] = (0.9, 0.4, 0.15)
    return look


LOOKS = {"weather": weather_theme, "time_of_day": time_of_day_theme, "regions": regions_theme,
         "water": water_theme, "interiors": interiors_theme, "cutscenes": cutscenes_theme,
         "screen_effects": screen_effects_theme, "camera_filters": camera_filters_theme,
         "lighting_rigs": lighting_rigs_theme, "missions": missions_theme}


def flatten(look):
    """The look as variable values, clamped to each variable's range."""
    values = {}
    for key, value in look.items():
        if isinstance(value, tuple):
            for channel, component in zip("rgb", value):
                values[f"{key}_{channel}"] = component
        else:
            values[key] = value
    for name, value in values.items():
        assert name in LIMITS, f"look names unknown variable {name}"
        low, high = LIMITS[name]
        values[name] = min(max(value, low), high)
    return values


# --- Parameters -----------------------------------------------------------

VARIABLE_ORDER = {v[0]: i for i, v in enumerate(VARIABLES)}


def near_default(rng, name):
    default = DEFAULTS[name]
    low, high = LIMITS[name]
    spread = (high - low) * 0.08
    return min(max(default + rng.uniform(-spread, spread), low), high)


def param_count(rng, at_least):
    # Mostly small modifiers, a tail of large ones up to the limit; never
    # fewer than the look needs.
    roll = rng.random()
    if roll < 0.15:
        count = rng.randint(1, 3)
    elif roll < 0.75:
        count = rng.randint(4, 20)
    elif roll < 0.95:
        count = rng.randint(21, 45)
    else:
        count = rng.randint(46, MAX_PARAMS)
    return min(MAX_PARAMS, max(count, at_least))


def make_params(rng, look, favoured_prefixes):
    """The look's variables first, then others of the theme near their defaults.
    Indoor values (value2) mostly equal the outdoor ones."""
    values = flatten(look)
    assert len(values) <= MAX_PARAMS, f"a look of {len(values)} variables"
    favoured = [v[0] for v in VARIABLES if any(v[0].startswith(p) for p in favoured_prefixes)]
    others = [v[0] for v in VARIABLES if v[0] not in favoured]
    count = param_count(rng, len(values))
    chosen = dict(values)
    while len(chosen) < count:
        name = rng.choice(favoured if rng.random() < 0.8 else others)
        if name not in chosen:
            chosen[name] = near_default(rng, name)
    params = []
    for name in sorted(chosen, key=VARIABLE_ORDER.__getitem__):
        value1 = chosen[name]
        value2 = value1 if rng.random() < 0.7 else mix(value1, DEFAULTS[name], rng.uniform(0.2, 0.6))
        params.append((name, value1, value2))
    return params


def make_modifiers(rng, theme):
    file_name, prefix, words, variants, favoured = theme
    look_of = LOOKS[file_name]
    modifiers = []
    for word in words:
        for variant in variants:
            modifiers.append((f"{prefix}_{word}_{variant}", rng.choice(USER_FLAG_CHOICES),
                              make_params(rng, look_of(word, variant), favoured)))
    # A few numbered takes of the first words, as artists leave them behind:
    # the word's look with the first variant.
    for take in range(1, 9):
        word = words[take % len(words)]
        modifiers.append((f"{prefix}_{word}_take{take:02d}", rng.choice(USER_FLAG_CHOICES),
                          make_params(rng, look_of(word, variants[0]), favoured)))
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
