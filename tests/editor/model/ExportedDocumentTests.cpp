// Documents the editor exports for modifiers with awkward names and values:
// the game's own loader reads each back into the same modifier, and reading
// it as a paste gives back the exact name. (StrictReaderTests.cpp: a strict
// XML reader accepts every one.)
#include "ExportedDocumentFixture.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::HasSubstr;

namespace
{
class ExportedAwkwardName : public ExportedDocumentTest, public testing::WithParamInterface<awkward::NamedCase>
{
};

TEST_P(ExportedAwkwardName, LoadsBackIntoTheGame)
{
    const std::string& name = GetParam().name;
    const std::string path = WriteFile(ExportNew(name));

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

TEST_F(ExportedDocumentTest, ADocumentOfManyModifiersWithANameListLoadsWhole)
{
    const std::string path = WriteFile(ManyModifiersDocument());

    smallgame::ResetWithVariables();
    const timecycle::LoadReport report = timecycle::LoadModifierFile(path);
    EXPECT_EQ(report.modifiersLoaded, static_cast<int>(awkward::Names().size()));
    for (const awkward::NamedCase& named : awkward::Names())
    {
        const tcModifier* loaded = timecycle::FindModifier(NameInTheGame(named.name));
        ASSERT_TRUE(loaded) << named.label;
        EXPECT_EQ(Parameters(*loaded), FiniteOnes(AwkwardParameters(), ValueText::Exact)) << named.label;
    }
}

// The seven lines of an ordinary export, unchanged.
TEST_F(ExportedDocumentTest, AnOrdinaryExportLoadsWithoutAMessage)
{
    using namespace smallgame;
    const std::string path = WriteFile(OrdinaryExport());
    ResetWithVariables();
    const timecycle::LoadReport report = timecycle::LoadModifierFile(path);

    EXPECT_EQ(report.modifiersLoaded, 1);
    EXPECT_TRUE(report.messages.empty());
    const tcModifier* loaded = timecycle::FindModifier("example_mod");
    ASSERT_TRUE(loaded);
    EXPECT_THAT(Parameters(*loaded), ElementsAre(tcModData{ kFogStart, 0.5f, 1.0f }, tcModData{ kSkyZenithR, -2.0f, 0.0f }));
}
}
