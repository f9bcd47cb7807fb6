// A fresh game timecycle over a small variable table, and a scratch folder
// for data files.
#pragma once

#include "SmallTimecycleGame.h"
#include "TimecycleControl.h"
#include "TimecycleManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TimecycleTest : public testing::Test
{
protected:
    // Ids follow this order.
    static constexpr const char* kVariables = R"(<?xml version="1.0"?>
<timecycle_variables version="1">
    <variable name="light_dir_mult" default="1.000"/>
    <variable name="fog_density" default="0.500"/>
    <variable name="fog_start" default="20.000"/>
    <variable name="sky_zenith_col_r" default="0.250"/>
    <variable name="grade_saturation" default="1.000"/>
    <variable name="water_fog_density" default="0.080"/>
    <variable name="first_var" default="0.000"/>
    <variable name="second_var" default="0.000"/>
</timecycle_variables>
)";
    enum VarId
    {
        kLightDirMult,
        kFogDensity,
        kFogStart,
        kSkyZenithR,
        kGradeSaturation,
        kWaterFogDensity,
        kFirstVar,
        kSecondVar,
        kVariableCount
    };

    void SetUp() override
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path()
            / (std::string("vesk-game-") + test->test_suite_name() + "-" + test->name() + "-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(m_folder / "modifiers");

        timecycle::ResetManager();
        const timecycle::LoadReport report = timecycle::LoadVariableTable(WriteFile("variables.xml", kVariables));
        ASSERT_TRUE(report.messages.empty());
        ASSERT_EQ(report.variablesLoaded, kVariableCount);
    }

    void TearDown() override
    {
        timecycle::ResetManager();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    std::string WriteFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << text;
        return PathOf(name);
    }

    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static TimecycleManager& Manager() { return *TheTimecycleManager; }

    // A modifier with the given parameters (value1, value2 per variable).
    static tcModifier& MakeModifier(const std::string& name, std::initializer_list<tcModData> params)
    {
        return smallgame::AddModifier(name, params);
    }

    std::filesystem::path m_folder;
};
