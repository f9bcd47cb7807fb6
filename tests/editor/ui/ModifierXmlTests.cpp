// "Generate XML": the export of the selected modifier and the output pane it
// is copied from.
#include "DetailPaneFixture.h"

#include <Utils.h>

#include <gmock/gmock.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

using namespace tceditor;
using testing::Contains;
using testing::HasSubstr;
using testing::Not;

namespace
{
// The document around a modifier line and its parameter lines.
std::string Document(const std::string& modifierLines)
{
    return "<?xml version=\"1.0\"?>\n"
           "<timecycle_modifier_data version=\"1.000000\">\n" +
           modifierLines + "</timecycle_modifier_data>\n";
}
}

class ModifierXmlTest : public DetailPaneTest
{
protected:
    std::string Printed() const { return state.xmlOutput.c_str(); }
};

TEST_F(ModifierXmlTest, GenerateShowsTheOutputPaneAndCloseBringsTheDetailPaneBack)
{
    Select(MakeModifier("shown_mod", { { kFogStart, 0.5f, 1.0f } }));

    ui.Click(kWindow, "Generate XML");

    EXPECT_THAT(ui.Texts(kWindow), Contains("[ Close ] Select and copy using CTRL+C"));
    EXPECT_TRUE(ui.Exists(kWindow, "##xml_output"));
    EXPECT_FALSE(ui.Exists(kWindow, "##detail_name"));

    ui.Click(kWindow, "Close");

    EXPECT_FALSE(state.showingXmlOutput);
    EXPECT_FALSE(ui.Exists(kWindow, "##xml_output"));
    EXPECT_TRUE(ui.Exists(kWindow, "##detail_name"));
    EXPECT_TRUE(ui.Exists(kWindow, "Generate XML"));
}

TEST_F(ModifierXmlTest, SelectAllAndCopyInTheOutputGivesTheWholeDocument)
{
    Select(MakeModifier("example_mod", { { kFirstVar, 0.5f, 1.0f }, { kSecondVar, -2.0f, 0.0f } }));
    ui.Click(kWindow, "Generate XML");

    ui.Click(kWindow, "##xml_output");
    ui.Key("ctrl+a");
    ui.Key("ctrl+c");

    EXPECT_EQ(ui.Clipboard(), "<?xml version=\"1.0\"?>\n"
                              "<timecycle_modifier_data version=\"1.000000\">\n"
                              "    <modifier name=\"example_mod\" description=\"\" numMods=\"2\" userFlags=\"0\">\n"
                              "        <first_var>0.500 1.000</first_var>\n"
                              "        <second_var>-2.000 0.000</second_var>\n"
                              "    </modifier>\n"
                              "</timecycle_modifier_data>\n");
}

struct XmlCase
{
    const char* name;
    std::string modifierName;
    uint32_t userFlags;
    std::vector<tcModData> params;
    std::string modifierLines;
};

void PrintTo(const XmlCase& param, std::ostream* out)
{
    *out << param.name;
}

class XmlFormatTest : public ModifierXmlTest, public testing::WithParamInterface<XmlCase>
{
};

TEST_P(XmlFormatTest, PrintsTheModifier)
{
    const XmlCase& param = GetParam();
    tcModifier& modifier = MakeModifier(param.modifierName);
    for (const tcModData& entry : param.params)
    {
        ASSERT_TRUE(Manager().AddTimecycleModData(
            modifier, TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(entry.varId))));
        *Manager().GetTimecycleModData(modifier, entry.varId) = entry;
    }
    modifier.userFlags = param.userFlags;
    Select(modifier);

    ui.Click(kWindow, "Generate XML");

    EXPECT_EQ(Printed(), Document(param.modifierLines));
}

INSTANTIATE_TEST_SUITE_P(
    DetailPane, XmlFormatTest,
    testing::Values(
        XmlCase{ "WithoutParametersAnEmptyElement", "bare_mod", 0, {},
                 "    <modifier name=\"bare_mod\" description=\"\" numMods=\"0\" userFlags=\"0\"/>\n" },
        XmlCase{ "UserFlagsUnsigned", "flag_mod", 4294967295u, {},
                 "    <modifier name=\"flag_mod\" description=\"\" numMods=\"0\" userFlags=\"4294967295\"/>\n" },
        XmlCase{ "NameEscaped", "a&b\"c<d", 0, {},
                 "    <modifier name=\"a&amp;b&quot;c&lt;d\" description=\"\" numMods=\"0\" userFlags=\"0\"/>\n" },
        XmlCase{ "ValuesRoundedToThreeDecimals", "round_mod", 0,
                 { { DetailPaneTest::kFogDensity, 0.1f, -0.0004f }, { DetailPaneTest::kFogStart, 12.3456f, -7.0f } },
                 "    <modifier name=\"round_mod\" description=\"\" numMods=\"2\" userFlags=\"0\">\n"
                 "        <fog_density>0.100 -0.000</fog_density>\n"
                 "        <fog_start>12.346 -7.000</fog_start>\n"
                 "    </modifier>\n" }),
    [](const testing::TestParamInfo<XmlCase>& info) { return std::string(info.param.name); });

TEST_F(ModifierXmlTest, ExportsTheLiveParametersOnly)
{
    tcModifier& modifier = MakeModifier("edit_mod", { { kFogStart, 0.5f, 1.0f }, { kSkyTint, -1.0f, -1.5f } });
    Select(modifier);
    ui.Drag(kWindow, Value1(modifier, kFogStart), ImVec2(40.0f, 0.0f));
    const float edited = Manager().GetTimecycleModData(modifier, kFogStart)->value1;
    ASSERT_NE(edited, 0.5f);
    ui.Click(kWindow, Check(modifier, kSkyTint));

    ui.Click(kWindow, "Generate XML");

    EXPECT_EQ(Printed(), Document("    <modifier name=\"edit_mod\" description=\"\" numMods=\"1\" userFlags=\"0\">\n"
                                  "        <fog_start>" + std::string(va("%.3f", edited)) + " 1.000</fog_start>\n"
                                  "    </modifier>\n"));
    EXPECT_THAT(Printed(), Not(HasSubstr("sky_tint")));
}

TEST_F(ModifierXmlTest, EachExportReplacesTheLastOne)
{
    tcModifier& modifier = MakeModifier("twice_mod", { { kFogStart, 0.5f, 1.0f } });
    Select(modifier);

    GenerateModifierXml(state);
    Manager().GetTimecycleModData(modifier, kFogStart)->value1 = 4.0f;
    GenerateModifierXml(state);

    EXPECT_EQ(Printed(), Document("    <modifier name=\"twice_mod\" description=\"\" numMods=\"1\" userFlags=\"0\">\n"
                                  "        <fog_start>4.000 1.000</fog_start>\n"
                                  "    </modifier>\n"));
}
