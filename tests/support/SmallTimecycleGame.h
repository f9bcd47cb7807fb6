// A fresh stand-in game timecycle over a small variable table, for tests of
// the tools that work on it. Needs the game module's control header
// (nym-game-control).
#pragma once

#include "TimecycleControl.h"
#include "TimecycleManager.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace smallgame
{
// Ids follow the table's order.
enum VarId : int32_t
{
    kLightDirMult,
    kFogDensity,
    kFogStart,
    kSkyZenithR,
    kWaterFogDensity,
    kGradeSaturation,
    kVariableCount
};

inline constexpr const char* kVariableTable = R"(<?xml version="1.0"?>
<timecycle_variables version="1">
    <variable name="light_dir_mult" default="1.000"/>
    <variable name="fog_density" default="0.500"/>
    <variable name="fog_start" default="20.000"/>
    <variable name="sky_zenith_col_r" default="0.250"/>
    <variable name="water_fog_density" default="0.080"/>
    <variable name="grade_saturation" default="1.000"/>
</timecycle_variables>
)";

inline TimecycleManager& Manager()
{
    return *TheTimecycleManager;
}

// Replaces the game's manager with a fresh one that has the small variable
// table and no modifiers.
inline void ResetWithVariables()
{
    timecycle::ResetManager();

    // The game reads its table from a file only.
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vesk-small-game-" + std::to_string(getpid()) + ".xml");
    std::ofstream(file, std::ios::binary) << kVariableTable;
    const timecycle::LoadReport report = timecycle::LoadVariableTable(file.string());
    std::filesystem::remove(file);

    if (report.variablesLoaded != kVariableCount || !report.messages.empty())
        throw std::runtime_error("the small variable table did not load");
}

// A new modifier with these parameters (varId, value1, value2).
inline tcModifier& AddModifier(const std::string& name, std::initializer_list<tcModData> params = {})
{
    tcModifier* modifier = Manager().CreateTimecycle(name);
    if (!modifier)
        throw std::runtime_error("the game refused to create modifier " + name);
    for (const tcModData& param : params)
    {
        const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(param.varId);
        if (!info || !Manager().AddTimecycleModData(*modifier, TimecycleManager::GetVarInfoName(*info)))
            throw std::runtime_error("the game refused a parameter of modifier " + name);
        tcModData* live = Manager().GetTimecycleModData(*modifier, param.varId);
        live->value1 = param.value1;
        live->value2 = param.value2;
    }
    return *modifier;
}

inline int IndexOf(const tcModifier& modifier)
{
    return Manager().GetTimecycleIndex(modifier);
}
}
