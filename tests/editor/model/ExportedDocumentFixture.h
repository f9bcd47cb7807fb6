// Documents the editor exports for modifiers with awkward names and values,
// written to files for the game's loader and for a strict XML reader.
#pragma once

#include "AwkwardModifiers.h"

#include "base/XmlText.h"
#include "editing/EditorState.h"
#include "editing/ModifierDocumentOfGame.h"
#include "game/LiveTimecycle.h"
#include "SmallTimecycleGame.h"
#include "ui/EditorPanes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>
#include <vector>

using namespace tceditor;

// Finite values on three variables, not finite ones on the other three.
inline std::vector<tcModData> AwkwardParameters()
{
    using namespace smallgame;
    const auto& finite = awkward::FiniteValues();
    const auto& nonFinite = awkward::NonFiniteValues();
    return { { kLightDirMult, finite[0].value1, finite[0].value2 },
             { kFogDensity, nonFinite[0].value1, nonFinite[0].value2 },
             { kFogStart, finite[3].value1, finite[3].value2 },
             { kSkyZenithR, nonFinite[1].value1, nonFinite[1].value2 },
             { kWaterFogDensity, finite[2].value1, finite[2].value2 },
             { kGradeSaturation, nonFinite[2].value1, nonFinite[2].value2 } };
}

// The finite parameters as a document carries them: to three decimals in
// the export, exactly in every other document.
inline std::vector<tcModData> FiniteOnes(const std::vector<tcModData>& params, ValueText values = ValueText::ThreeDecimals)
{
    std::vector<tcModData> finite;
    for (tcModData param : params)
        if (std::isfinite(param.value1) && std::isfinite(param.value2))
        {
            if (values == ValueText::ThreeDecimals)
                param = { param.varId, awkward::AsWritten(param.value1), awkward::AsWritten(param.value2) };
            finite.push_back(param);
        }
    return finite;
}

inline std::vector<tcModData> Parameters(const tcModifier& modifier)
{
    return std::vector<tcModData>(modifier.modData, modifier.modData + modifier.numMods);
}

// The name the game's loader gives a modifier: it knows no escapes.
inline std::string NameInTheGame(const std::string& name)
{
    return NameNeedsEscape(name) ? EscapeName(name) : name;
}

inline bool operator==(const tcModData& a, const tcModData& b)
{
    return a.varId == b.varId && a.value1 == b.value1 && a.value2 == b.value2;
}

inline std::ostream& operator<<(std::ostream& out, const tcModData& param)
{
    return out << "{" << param.varId << ", " << param.value1 << ", " << param.value2 << "}";
}

class ExportedDocumentTest : public testing::Test
{
protected:
    static constexpr uint32_t kUserFlags = 0x80000001u;

    void SetUp() override
    {
        smallgame::ResetWithVariables();
        m_folder = std::filesystem::temp_directory_path() / ("vesk-exported-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(m_folder);
    }

    void TearDown() override
    {
        timecycle::ResetManager();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // "Generate XML" of a new game modifier with that name and the awkward
    // parameters.
    static std::string ExportNew(const std::string& name)
    {
        tcModifier& modifier = smallgame::AddModifier(name);
        for (const tcModData& param : AwkwardParameters())
        {
            EXPECT_TRUE(smallgame::Manager().AddTimecycleModData(
                modifier, TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(param.varId))));
            *smallgame::Manager().GetTimecycleModData(modifier, param.varId) = param;
        }
        modifier.userFlags = kUserFlags;

        TimecycleEditorState editor{ LiveGame() };
        editor.Select(modifier);
        GenerateModifierXml(editor);
        return editor.xmlOutput.c_str();
    }

    // One document with every awkward modifier and the awkward names again in
    // its leading comment, as a session's changes are copied.
    static std::string ManyModifiersDocument()
    {
        std::vector<DocumentModifier> modifiers;
        DocumentNameList removed{ "Removed -- all of them:", {} };
        for (const awkward::NamedCase& named : awkward::Names())
        {
            ExportNew(named.name);
            modifiers.push_back(DocumentOfModifier(LiveGame(), *timecycle::FindModifier(named.name)));
            removed.names.push_back(named.name);
        }
        return ModifierDocumentText(modifiers, &removed);
    }

    // "Generate XML" of an ordinary modifier: seven lines.
    static std::string OrdinaryExport()
    {
        using namespace smallgame;
        tcModifier& modifier = AddModifier("example_mod", { { kFogStart, 0.5f, 1.0f }, { kSkyZenithR, -2.0f, 0.0f } });
        TimecycleEditorState editor{ LiveGame() };
        editor.Select(modifier);
        GenerateModifierXml(editor);
        return editor.xmlOutput.c_str();
    }

    std::string WriteFile(const std::string& text) const
    {
        const std::string path = (m_folder / ("document-" + std::to_string(m_files++) + ".xml")).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

private:
    std::filesystem::path m_folder;
    mutable int m_files = 0;
};
