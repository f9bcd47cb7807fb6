// Documents the editor exports for modifiers with awkward names and values:
// libxml2's xmllint, a strict reader, accepts every one; the game's own
// loader reads each back into the same modifier; and reading it as a paste
// gives back the exact name.
#include "AwkwardModifiers.h"
#include "LiveTimecycle.h"

#include "ChildProcess.h"
#include "EditorPanes.h"
#include "EditorState.h"
#include "ModifierDocumentOfGame.h"
#include "SmallTimecycleGame.h"
#include "XmlText.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>
#include <vector>

using namespace tceditor;
using testing::ElementsAre;
using testing::HasSubstr;

namespace
{
// Finite values on three variables, not finite ones on the other three.
std::vector<tcModData> AwkwardParameters()
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

std::vector<tcModData> FiniteOnes(const std::vector<tcModData>& params)
{
    std::vector<tcModData> finite;
    for (const tcModData& param : params)
        if (std::isfinite(param.value1) && std::isfinite(param.value2))
            finite.push_back({ param.varId, awkward::AsWritten(param.value1), awkward::AsWritten(param.value2) });
    return finite;
}

std::vector<tcModData> Parameters(const tcModifier& modifier)
{
    return std::vector<tcModData>(modifier.modData, modifier.modData + modifier.numMods);
}

// The name the game's loader gives a modifier: it knows no escapes.
std::string NameInTheGame(const std::string& name)
{
    return NameNeedsEscape(name) ? EscapeName(name) : name;
}
}

bool operator==(const tcModData& a, const tcModData& b)
{
    return a.varId == b.varId && a.value1 == b.value1 && a.value2 == b.value2;
}

std::ostream& operator<<(std::ostream& out, const tcModData& param)
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

    std::string WriteFile(const std::string& text) const
    {
        const std::string path = (m_folder / ("document-" + std::to_string(m_files++) + ".xml")).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // xmllint --noout: silent and successful for a well-formed document.
    static void ExpectStrictReaderAccepts(const std::string& path)
    {
        const ChildRun run = RunChild(VESK_XMLLINT, { "xmllint", "--noout", "--nonet", path });
        EXPECT_EQ(run.exitCode, 0) << "xmllint refused " << path << " (its reasons are on standard error)";
    }

    // The first modifier's name as a strict reader understands it (it
    // prints the string and a line feed).
    static std::string NameForAStrictReader(const std::string& path)
    {
        const ChildRun run = RunChild(VESK_XMLLINT, { "xmllint", "--nonet", "--xpath",
                                                      "string(/timecycle_modifier_data/modifier/@name)", path });
        EXPECT_EQ(run.exitCode, 0);
        return run.output.ends_with('\n') ? run.output.substr(0, run.output.size() - 1) : run.output;
    }

private:
    std::filesystem::path m_folder;
    mutable int m_files = 0;
};

class ExportedAwkwardName : public ExportedDocumentTest, public testing::WithParamInterface<awkward::NamedCase>
{
};

TEST_P(ExportedAwkwardName, IsWellFormedAndLoadsBackIntoTheGame)
{
    const std::string& name = GetParam().name;
    const std::string path = WriteFile(ExportNew(name));

    ExpectStrictReaderAccepts(path);
    EXPECT_EQ(NameForAStrictReader(path), NameInTheGame(name));

    smallgame::ResetWithVariables();
    const timecycle::LoadReport report = timecycle::LoadModifierFile(path);
    EXPECT_EQ(report.modifiersLoaded, 1);
    ASSERT_EQ(report.messages.size(), 1u);
    // Three parameters could not be written; the count says six.
    EXPECT_THAT(report.messages[0].text, HasSubstr("numMods is 6 but it holds 3 parameters"));
    const tcModifier* loaded = timecycle::FindModifier(NameInTheGame(name));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->userFlags, kUserFlags);
    EXPECT_EQ(Parameters(*loaded), FiniteOnes(AwkwardParameters()));
}

TEST_P(ExportedAwkwardName, ReadsBackAsTheSameModifier)
{
    const std::string& name = GetParam().name;

    const DocumentReading reading = ReadModifierDocument(ExportNew(name));

    ASSERT_EQ(reading.error, "");
    ASSERT_EQ(reading.modifiers.size(), 1u);
    const DocumentModifier& read = reading.modifiers[0];
    EXPECT_TRUE(read.name == name);
    EXPECT_EQ(read.userFlags, kUserFlags);
    std::vector<tcModData> params;
    for (const DocumentParameter& param : read.parameters)
    {
        const int varId = [&] {
            for (int id = 0; id < smallgame::kVariableCount; ++id)
                if (param.variable == TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(id)))
                    return id;
            return -1;
        }();
        params.push_back({ varId, param.value1, param.value2 });
    }
    EXPECT_EQ(params, FiniteOnes(AwkwardParameters()));
}

INSTANTIATE_TEST_SUITE_P(AwkwardNames, ExportedAwkwardName, testing::ValuesIn(awkward::Names()),
                         [](const testing::TestParamInfo<awkward::NamedCase>& info) { return info.param.label; });

// One document with every awkward modifier and the awkward names again in
// its leading comment, as a session's changes are copied.
TEST_F(ExportedDocumentTest, ADocumentOfManyModifiersWithANameListLoadsWhole)
{
    std::vector<DocumentModifier> modifiers;
    DocumentNameList removed{ "Removed -- all of them:", {} };
    for (const awkward::NamedCase& named : awkward::Names())
    {
        ExportNew(named.name);
        modifiers.push_back(DocumentOfModifier(LiveGame(), *timecycle::FindModifier(named.name)));
        removed.names.push_back(named.name);
    }
    const std::string path = WriteFile(ModifierDocumentText(modifiers, &removed));

    ExpectStrictReaderAccepts(path);

    smallgame::ResetWithVariables();
    const timecycle::LoadReport report = timecycle::LoadModifierFile(path);
    EXPECT_EQ(report.modifiersLoaded, static_cast<int>(awkward::Names().size()));
    for (const awkward::NamedCase& named : awkward::Names())
    {
        const tcModifier* loaded = timecycle::FindModifier(NameInTheGame(named.name));
        ASSERT_TRUE(loaded) << named.label;
        EXPECT_EQ(Parameters(*loaded), FiniteOnes(AwkwardParameters())) << named.label;
    }
}

// The seven lines of an ordinary export, unchanged, for the game and for
// xmllint.
TEST_F(ExportedDocumentTest, AnOrdinaryExportLoadsWithoutAMessage)
{
    using namespace smallgame;
    tcModifier& modifier = AddModifier("example_mod", { { kFogStart, 0.5f, 1.0f }, { kSkyZenithR, -2.0f, 0.0f } });
    TimecycleEditorState editor{ LiveGame() };
    editor.Select(modifier);
    GenerateModifierXml(editor);
    const std::string path = WriteFile(editor.xmlOutput.c_str());

    ExpectStrictReaderAccepts(path);
    ResetWithVariables();
    const timecycle::LoadReport report = timecycle::LoadModifierFile(path);

    EXPECT_EQ(report.modifiersLoaded, 1);
    EXPECT_TRUE(report.messages.empty());
    const tcModifier* loaded = timecycle::FindModifier("example_mod");
    ASSERT_TRUE(loaded);
    EXPECT_THAT(Parameters(*loaded), ElementsAre(tcModData{ kFogStart, 0.5f, 1.0f }, tcModData{ kSkyZenithR, -2.0f, 0.0f }));
}
