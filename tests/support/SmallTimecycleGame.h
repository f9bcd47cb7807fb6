// A fresh stand-in game timecycle over a small variable table, for tests of
// the tools that work on it. Needs the game module's control header
// (nym-game-control). The table is given as a list of variables, so the
// same table serves an in-memory game (InMemoryTimecycle.h), and other
// tables load the same way (LoadVariables).
#pragma once

#include "TimecycleControl.h"
#include "TimecycleManager.h"
#include "TimecycleVariable.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <span>
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

using Variable = TimecycleVariable;

inline constexpr Variable kVariables[kVariableCount] = {
    { "light_dir_mult", 1.0f },   { "fog_density", 0.5f },        { "fog_start", 20.0f },
    { "sky_zenith_col_r", 0.25f }, { "water_fog_density", 0.08f }, { "grade_saturation", 1.0f },
};

inline TimecycleManager& Manager()
{
    return *TheTimecycleManager;
}

// Replaces the game's manager with a fresh one that has these variables,
// ids in their order, and no modifiers. The game reads its table from a file
// only: it is written as `file` (a temporary one when empty) and, when
// temporary, removed again.
inline void LoadVariables(std::span<const Variable> variables, std::filesystem::path file = {})
{
    timecycle::ResetManager();

    const bool temporary = file.empty();
    if (temporary)
        file = std::filesystem::temp_directory_path() / ("vesk-small-game-" + std::to_string(getpid()) + ".xml");
    {
        std::ofstream out(file, std::ios::binary);
        out << "<?xml version=\"1.0\"?>\n<timecycle_variables version=\"1\">\n";
        for (const Variable& variable : variables)
            out << "    <variable name=\"" << variable.name << "\" default=\"" << variable.defaultValue << "\"/>\n";
        out << "</timecycle_variables>\n";
    }
    const timecycle::LoadReport report = timecycle::LoadVariableTable(file.string());
    if (temporary)
        std::filesystem::remove(file);

    if (report.variablesLoaded != static_cast<int>(variables.size()) || !report.messages.empty())
        throw std::runtime_error("the variable table did not load");
}

// The small table of kVariables.
inline void ResetWithVariables()
{
    LoadVariables(kVariables);
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
