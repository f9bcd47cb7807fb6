// Timecycle data files: the committed data set, broken files, and the
// tc_load / tc_save round trip.
#include "TimecycleFixture.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

using timecycle::FindModifier;
using timecycle::LoadReport;

namespace
{
std::string ModifierFile(const std::string& body)
{
    return "<?xml version=\"1.0\"?>\n<timecycle_modifier_data version=\"1.000000\">\n" + body + "</timecycle_modifier_data>\n";
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The message about `file` at `line` containing `fragment`, if any.
std::optional<timecycle::LoadMessage> FindMessage(const LoadReport& report, const std::string& file, int line, const std::string& fragment)
{
    for (const auto& message : report.messages)
    {
        if (EndsWith(message.file, file) && message.line == line && message.text.find(fragment) != std::string::npos)
            return message;
    }
    return std::nullopt;
}

std::string Describe(const LoadReport& report)
{
    std::string text;
    for (const auto& message : report.messages)
        text += message.file + ":" + std::to_string(message.line) + ": " + message.text + "\n";
    return text;
}

int CountLinesContaining(const std::filesystem::path& file, const std::string& fragment)
{
    std::ifstream in(file);
    int count = 0;
    for (std::string line; std::getline(in, line);)
        count += line.find(fragment) != std::string::npos;
    return count;
}
}

TEST(CommittedTimecycleData, LoadsCompletely)
{
    timecycle::ResetManager();
    const std::filesystem::path folder = VESK_TIMECYCLE_DATA;
    const LoadReport report = timecycle::LoadDataFolder(folder.string());
    EXPECT_TRUE(report.messages.empty()) << Describe(report);
    EXPECT_EQ(report.filesSkipped, 0);

    // Counted from the text, independently of the loader: one element per line.
    const int variables = CountLinesContaining(folder / "variables.xml", "<variable ");
    int modifiers = 0;
    int params = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "modifiers"))
    {
        modifiers += CountLinesContaining(entry.path(), "<modifier ");
        params += CountLinesContaining(entry.path(), "        <");
    }
    EXPECT_GE(variables, 300);
    EXPECT_GE(modifiers, 2000);
    EXPECT_EQ(report.variablesLoaded, variables);
    EXPECT_EQ(TimecycleManager::GetConfigVarInfoCount(), variables);
    EXPECT_EQ(report.modifiersLoaded, modifiers);

    const tcManager* game = TimecycleManager::GetGameManager();
    ASSERT_EQ(game->modifierCount, modifiers);
    int loadedParams = 0;
    for (int i = 0; i < game->modifierCount; ++i)
    {
        const tcModifier& modifier = *game->modifiers[i];
        EXPECT_GE(modifier.numMods, 1) << TheTimecycleManager->GetTimecycleName(modifier);
        EXPECT_LE(modifier.numMods, 60) << TheTimecycleManager->GetTimecycleName(modifier);
        loadedParams += modifier.numMods;
    }
    EXPECT_EQ(loadedParams, params);
    timecycle::ResetManager();
}

// Each bad file is loaded after a good one; the good one always loads, and
// the bad one loses only what is broken.
TEST_F(TimecycleTest, BrokenFilesAreReportedAndSkippedWhileTheRestLoads)
{
    struct Case
    {
        const char* what;
        std::string text;
        int line;
        const char* fragment;
        std::vector<std::string> loaded;
        std::vector<std::string> missing;
        std::optional<std::vector<int>> badAVarIds; // the parameters "bad_a" loads with
    };
    const std::string bad_a = "    <modifier name=\"bad_a\" description=\"\" numMods=\"2\" userFlags=\"0\">\n";
    const std::string bad_b = "    <modifier name=\"bad_b\" description=\"\" numMods=\"1\" userFlags=\"0\">\n"
                              "        <fog_start>1.000 1.000</fog_start>\n"
                              "    </modifier>\n";
    const Case cases[] = {
        { "syntax error", ModifierFile(bad_a + "        <fog_start>1.000 1.000</fog_start>\n        <fog_density>1.000 1.000</fog_densty>\n    </modifier>\n" + bad_b),
          5, "not well-formed", {}, { "bad_a", "bad_b" }, {} },
        { "unknown variable", ModifierFile(bad_a + "        <fog_start>1.000 1.000</fog_start>\n        <no_such_var>1.000 1.000</no_such_var>\n    </modifier>\n" + bad_b),
          5, "unknown variable \"no_such_var\"", { "bad_a", "bad_b" }, {}, std::vector{ int(kFogStart) } },
        { "name of a modifier loaded before", ModifierFile("    <modifier name=\"good_mod\" description=\"\" numMods=\"0\" userFlags=\"0\"/>\n" + bad_b),
          3, "\"good_mod\" exists already", { "bad_b" }, {}, {} },
        { "name twice in the file", ModifierFile(bad_b + bad_b),
          6, "\"bad_b\" exists already", { "bad_b" }, {}, {} },
        { "values that are not two numbers", ModifierFile(bad_a + "        <fog_start>abc 1.000</fog_start>\n        <fog_density>1.000 1.000</fog_density>\n    </modifier>\n"),
          4, "needs two numbers", { "bad_a" }, {}, std::vector{ int(kFogDensity) } },
        { "variable twice in a modifier", ModifierFile(bad_a + "        <fog_start>1.000 1.000</fog_start>\n        <fog_start>2.000 2.000</fog_start>\n    </modifier>\n"),
          5, "given twice", { "bad_a" }, {}, std::vector{ int(kFogStart) } },
        { "wrong root element", "<?xml version=\"1.0\"?>\n<timecycle_modifiers>\n" + bad_b + "</timecycle_modifiers>\n",
          2, "expected <timecycle_modifier_data>", {}, { "bad_b" }, {} },
        { "signed user flags", ModifierFile("    <modifier name=\"bad_a\" description=\"\" numMods=\"0\" userFlags=\"-1\"/>\n"),
          3, "userFlags \"-1\"", { "bad_a" }, {}, std::vector<int>{} },
        { "numMods disagreeing", ModifierFile(bad_a + "        <fog_start>1.000 1.000</fog_start>\n    </modifier>\n"),
          3, "numMods is 2 but it holds 1", { "bad_a" }, {}, std::vector{ int(kFogStart) } },
        { "element that is no modifier", ModifierFile("    <modifer name=\"bad_a\"/>\n" + bad_b),
          3, "unexpected <modifer>", { "bad_b" }, { "bad_a" }, {} },
    };
    const std::string good = ModifierFile("    <modifier name=\"good_mod\" description=\"\" numMods=\"1\" userFlags=\"3\">\n"
                                          "        <fog_start>5.000 6.000</fog_start>\n"
                                          "    </modifier>\n");

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        timecycle::ResetManager();
        WriteFile("modifiers/a_good.xml", good);
        WriteFile("modifiers/b_bad.xml", c.text);
        const LoadReport report = timecycle::LoadDataFolder(m_folder.string());

        EXPECT_TRUE(FindMessage(report, "b_bad.xml", c.line, c.fragment)) << Describe(report);
        EXPECT_EQ(report.messages.size(), 1u) << Describe(report);

        tcModifier* goodMod = FindModifier("good_mod");
        ASSERT_NE(goodMod, nullptr);
        ASSERT_EQ(goodMod->numMods, 1);
        EXPECT_EQ(goodMod->modData[0].value1, 5.0f);
        EXPECT_EQ(goodMod->userFlags, 3u);

        for (const auto& name : c.loaded)
            EXPECT_NE(FindModifier(name), nullptr) << name;
        for (const auto& name : c.missing)
            EXPECT_EQ(FindModifier(name), nullptr) << name;
        if (c.badAVarIds)
        {
            tcModifier* badMod = FindModifier("bad_a");
            ASSERT_NE(badMod, nullptr);
            EXPECT_EQ(badMod->userFlags, 0u);
            ASSERT_EQ(badMod->numMods, c.badAVarIds->size());
            for (size_t i = 0; i < c.badAVarIds->size(); ++i)
            {
                EXPECT_EQ(badMod->modData[i].varId, (*c.badAVarIds)[i]);
                EXPECT_EQ(badMod->modData[i].value1, 1.0f) << "the first of a repeated variable wins";
            }
        }
    }
}

TEST_F(TimecycleTest, MessagesGoToStandardErrorWithFileAndLine)
{
    const std::string path = WriteFile("broken.xml", ModifierFile("    <modifier name=\"x\">\n        <nope>1 2</nope>\n    </modifier>\n"));
    testing::internal::CaptureStderr();
    const LoadReport report = timecycle::LoadModifierFile(path);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find(path + ":4: modifier \"x\": unknown variable \"nope\""), std::string::npos) << printed;
    EXPECT_EQ(report.modifiersLoaded, 1);
}

TEST_F(TimecycleTest, ALoadThatReplacesGivesAnExistingModifierTheFilesValuesInPlace)
{
    const std::string path = WriteFile("session.xml", ModifierFile(
        "    <modifier name=\"kept\" description=\"\" numMods=\"1\" userFlags=\"7\">\n"
        "        <fog_density>0.250 0.500</fog_density>\n"
        "    </modifier>\n"
        "    <modifier name=\"brand_new\" description=\"\" numMods=\"0\" userFlags=\"0\"/>\n"));
    const std::string original = WriteFile("original.xml", ModifierFile(
        "    <modifier name=\"kept\" description=\"\" numMods=\"2\" userFlags=\"0\">\n"
        "        <fog_start>1.000 2.000</fog_start>\n"
        "        <fog_density>3.000 4.000</fog_density>\n"
        "    </modifier>\n"));
    ASSERT_EQ(timecycle::LoadModifierFile(original).modifiersLoaded, 1);
    const tcModifier* kept = FindModifier("kept");
    ASSERT_NE(kept, nullptr);
    const int index = TheTimecycleManager->GetTimecycleIndex(*kept);

    const LoadReport skipped = timecycle::LoadModifierFile(path);
    EXPECT_EQ(skipped.modifiersLoaded, 1) << Describe(skipped);
    EXPECT_EQ(skipped.modifiersReplaced, 0);
    EXPECT_TRUE(FindMessage(skipped, "session.xml", 3, "exists already")) << Describe(skipped);
    EXPECT_EQ(kept->numMods, 2) << "a plain load leaves an existing modifier alone";

    TheTimecycleManager->RemoveTimecycle(*FindModifier("brand_new"));
    const LoadReport replaced = timecycle::LoadModifierFile(path, timecycle::ExistingModifiers::Replace);
    EXPECT_EQ(replaced.modifiersLoaded, 1) << Describe(replaced);
    EXPECT_EQ(replaced.modifiersReplaced, 1);
    EXPECT_TRUE(replaced.messages.empty()) << Describe(replaced);
    EXPECT_EQ(FindModifier("kept"), kept) << "replaced in place, not removed and created again";
    EXPECT_EQ(TheTimecycleManager->GetTimecycleIndex(*kept), index);
    EXPECT_EQ(kept->userFlags, 7u);
    ASSERT_EQ(kept->numMods, 1);
    EXPECT_EQ(kept->modData[0].value1, 0.25f);
    EXPECT_EQ(kept->modData[0].value2, 0.5f);
    EXPECT_NE(FindModifier("brand_new"), nullptr);
}

TEST_F(TimecycleTest, ParameterValuesMustBeTwoFiniteNumbers)
{
    const std::string path = WriteFile("values.xml", ModifierFile(
        "    <modifier name=\"m\" description=\"\" numMods=\"8\" userFlags=\"0\">\n"
        "        <fog_start>1.000</fog_start>\n"
        "        <fog_density>1 2 3</fog_density>\n"
        "        <light_dir_mult>abc 1</light_dir_mult>\n"
        "        <sky_zenith_col_r>nan 1</sky_zenith_col_r>\n"
        "        <grade_saturation></grade_saturation>\n"
        "        <water_fog_density>1,5 2</water_fog_density>\n"
        "        <first_var>1e99 0</first_var>\n"
        "        <second_var>  -1.5\n 2e1 </second_var>\n"
        "    </modifier>\n"));
    const LoadReport report = timecycle::LoadModifierFile(path);
    for (int line = 4; line <= 10; ++line)
        EXPECT_TRUE(FindMessage(report, "values.xml", line, "needs two numbers")) << line << "\n" << Describe(report);
    EXPECT_EQ(report.messages.size(), 7u) << Describe(report);

    const tcModifier* modifier = FindModifier("m");
    ASSERT_NE(modifier, nullptr);
    ASSERT_EQ(modifier->numMods, 1);
    EXPECT_EQ(modifier->modData[0].varId, kSecondVar);
    EXPECT_EQ(modifier->modData[0].value1, -1.5f);
    EXPECT_EQ(modifier->modData[0].value2, 20.0f);
}

TEST_F(TimecycleTest, UnreadableOrUnusableFilesAreSkippedWhole)
{
    LoadReport missing = timecycle::LoadModifierFile(PathOf("no_such_file.xml"));
    EXPECT_TRUE(FindMessage(missing, "no_such_file.xml", 0, "cannot read")) << Describe(missing);
    EXPECT_EQ(missing.filesSkipped, 1);

    const std::string empty = WriteFile("empty.xml", "");
    EXPECT_EQ(timecycle::LoadModifierFile(empty).filesSkipped, 1);

    const std::string good = WriteFile("good.xml", ModifierFile("    <modifier name=\"m\" description=\"\" numMods=\"0\" userFlags=\"0\"/>\n"));
    timecycle::ResetManager();
    LoadReport withoutTable = timecycle::LoadModifierFile(good);
    EXPECT_TRUE(FindMessage(withoutTable, "good.xml", 0, "no variable table")) << Describe(withoutTable);
    EXPECT_EQ(FindModifier("m"), nullptr);
}

TEST_F(TimecycleTest, BrokenVariablesAreSkippedAndIdsStayDense)
{
    timecycle::ResetManager();
    const std::string path = WriteFile("vars.xml", R"(<?xml version="1.0"?>
<timecycle_variables version="1">
    <variable name="alpha" default="1.5"/>
    <variable name="alpha" default="2.0"/>
    <variable name="1st" default="2.0"/>
    <variable name="has space" default="2.0"/>
    <variable name="no_default"/>
    <variable name="endless" default="inf"/>
    <variable name="words" default="one"/>
    <var name="wrong_element" default="1"/>
    <variable name="beta" default="-0.25"/>
</timecycle_variables>
)");
    const LoadReport report = timecycle::LoadVariableTable(path);
    const std::pair<int, const char*> expected[] = {
        { 4, "defined twice" }, { 5, "not a valid element name" }, { 6, "not a valid element name" }, { 7, "no valid default" },
        { 8, "no valid default" }, { 9, "no valid default" }, { 10, "unexpected <var>" },
    };
    EXPECT_EQ(report.messages.size(), std::size(expected)) << Describe(report);
    for (const auto& [line, fragment] : expected)
        EXPECT_TRUE(FindMessage(report, "vars.xml", line, fragment)) << line << " " << fragment;

    ASSERT_EQ(TimecycleManager::GetConfigVarInfoCount(), 2);
    EXPECT_EQ(report.variablesLoaded, 2);
    EXPECT_STREQ(TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(1)), "beta");
    EXPECT_EQ(TimecycleManager::GetConfigVarInfo(1)->varId, 1);
    EXPECT_EQ(TimecycleManager::GetConfigVarInfo(1)->defaultValue, -0.25f);
    EXPECT_EQ(TimecycleManager::GetConfigVarInfo(0)->defaultValue, 1.5f);

    const LoadReport second = timecycle::LoadVariableTable(PathOf("variables.xml"));
    EXPECT_TRUE(FindMessage(second, "variables.xml", 0, "loaded already")) << Describe(second);
    EXPECT_EQ(TimecycleManager::GetConfigVarInfoCount(), 2);
}

TEST_F(TimecycleTest, DataFolderWithoutModifierFolderIsReported)
{
    std::filesystem::remove_all(m_folder / "modifiers");
    timecycle::ResetManager();
    const LoadReport report = timecycle::LoadDataFolder(m_folder.string());
    EXPECT_EQ(report.variablesLoaded, kVariableCount);
    // With the system's reason, in the system's words.
    const std::optional<timecycle::LoadMessage> message = FindMessage(report, "modifiers", 0, "cannot list the modifier folder: ");
    ASSERT_TRUE(message) << Describe(report);
    EXPECT_GT(message->text.size(), std::string_view("cannot list the modifier folder: ").size()) << message->text;
    EXPECT_FALSE(FindMessage(report, "modifiers", 0, "found so far")) << "nothing was found\n" << Describe(report);
}

// The editor's document of its worked example, byte for byte, with exact
// values.
TEST_F(TimecycleTest, SaveWritesTheEditorsDocumentFormat)
{
    MakeModifier("example_mod", { { kFirstVar, 0.5f, 1.0f }, { kSecondVar, -2.0f, 0.0f } });
    const LoadReport report = timecycle::SaveModifierFile("example_mod", PathOf("out.xml"));
    EXPECT_TRUE(report.messages.empty()) << Describe(report);
    EXPECT_EQ(ReadFile(PathOf("out.xml")),
        "<?xml version=\"1.0\"?>\n"
        "<timecycle_modifier_data version=\"1.000000\">\n"
        "    <modifier name=\"example_mod\" description=\"\" numMods=\"2\" userFlags=\"0\">\n"
        "        <first_var>0.5 1</first_var>\n"
        "        <second_var>-2 0</second_var>\n"
        "    </modifier>\n"
        "</timecycle_modifier_data>\n");

    tcModifier& empty = MakeModifier("empty", {});
    empty.userFlags = 7;
    timecycle::SaveModifierFile("empty", PathOf("empty.xml"));
    EXPECT_EQ(ReadFile(PathOf("empty.xml")),
        "<?xml version=\"1.0\"?>\n"
        "<timecycle_modifier_data version=\"1.000000\">\n"
        "    <modifier name=\"empty\" description=\"\" numMods=\"0\" userFlags=\"7\"/>\n"
        "</timecycle_modifier_data>\n");
}

TEST_F(TimecycleTest, SavedModifierLoadsBackIntoAFreshManager)
{
    struct Saved
    {
        std::string name;
        uint32_t userFlags;
        std::vector<tcModData> params;
    };
    const Saved saved[] = {
        { "a&b \"q\" <c>", 4294967295u, { { kFogStart, 0.12345f, -3.33333f }, { kSkyZenithR, 1234.5678f, -0.0004f }, { kLightDirMult, 0.0f, 1e6f } } },
        { "no_params", 12, {} },
    };
    for (const Saved& s : saved)
    {
        tcModifier& modifier = MakeModifier(s.name, {});
        modifier.userFlags = s.userFlags;
        for (const tcModData& param : s.params)
        {
            ASSERT_TRUE(Manager().AddTimecycleModData(modifier, TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(param.varId))));
            *Manager().GetTimecycleModData(modifier, param.varId) = param;
        }
        const std::string file = "saved_" + std::to_string(&s - saved) + ".xml";
        EXPECT_TRUE(timecycle::SaveModifierFile(s.name, PathOf(file)).messages.empty());
    }

    timecycle::ResetManager();
    ASSERT_TRUE(timecycle::LoadVariableTable(PathOf("variables.xml")).messages.empty());
    for (const Saved& s : saved)
    {
        SCOPED_TRACE(s.name);
        const LoadReport report = timecycle::LoadModifierFile(PathOf("saved_" + std::to_string(&s - saved) + ".xml"));
        EXPECT_TRUE(report.messages.empty()) << Describe(report);
        const tcModifier* loaded = FindModifier(s.name);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(TheTimecycleManager->GetTimecycleName(*loaded), s.name);
        EXPECT_EQ(loaded->userFlags, s.userFlags);
        EXPECT_NE(loaded->modData, nullptr);
        ASSERT_EQ(loaded->numMods, s.params.size());
        for (size_t i = 0; i < s.params.size(); ++i)
        {
            EXPECT_EQ(loaded->modData[i].varId, s.params[i].varId);
            EXPECT_NEAR(loaded->modData[i].value1, s.params[i].value1, 0.0005 + std::abs(s.params[i].value1) * 1e-7);
            EXPECT_NEAR(loaded->modData[i].value2, s.params[i].value2, 0.0005 + std::abs(s.params[i].value2) * 1e-7);
        }
    }
}

// What tc_save writes, tc_load reads back to the bit.
TEST_F(TimecycleTest, SaveKeepsEveryValueExactly)
{
    const float values[][2] = { { 0.12345f, 0.0004f }, { -0.0004f, 1e-30f }, { 3.4028235e38f, 1e-45f } };
    tcModifier& modifier = MakeModifier("exact", { { kFogStart, values[0][0], values[0][1] },
                                                   { kFirstVar, values[1][0], values[1][1] },
                                                   { kSecondVar, values[2][0], values[2][1] } });
    const std::vector<tcModData> saved(modifier.modData, modifier.modData + modifier.numMods);
    ASSERT_TRUE(timecycle::SaveModifierFile("exact", PathOf("exact.xml")).messages.empty());
    EXPECT_NE(ReadFile(PathOf("exact.xml")).find("<fog_start>0.12345 0.0004</fog_start>"), std::string::npos);

    Manager().RemoveTimecycle(modifier);
    const LoadReport report = timecycle::LoadModifierFile(PathOf("exact.xml"));
    EXPECT_TRUE(report.messages.empty()) << Describe(report);
    const tcModifier* loaded = timecycle::FindModifier("exact");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->numMods, saved.size());
    for (size_t i = 0; i < saved.size(); ++i)
    {
        EXPECT_EQ(std::bit_cast<uint32_t>(loaded->modData[i].value1), std::bit_cast<uint32_t>(saved[i].value1)) << i;
        EXPECT_EQ(std::bit_cast<uint32_t>(loaded->modData[i].value2), std::bit_cast<uint32_t>(saved[i].value2)) << i;
    }
}

TEST_F(TimecycleTest, FailedSaveLeavesTheFileAsItWas)
{
    MakeModifier("m", { { kFogStart, 1, 1 } });
    const std::string path = WriteFile("keep.xml", "precious");

    const LoadReport unknown = timecycle::SaveModifierFile("no_such_modifier", path);
    EXPECT_TRUE(FindMessage(unknown, "keep.xml", 0, "no modifier named \"no_such_modifier\"")) << Describe(unknown);
    EXPECT_EQ(ReadFile(path), "precious");

    const std::string unwritable = PathOf("no_such_folder/out.xml");
    const LoadReport failed = timecycle::SaveModifierFile("m", unwritable);
    EXPECT_TRUE(FindMessage(failed, "out.xml", 0, "cannot write")) << Describe(failed);
    EXPECT_FALSE(std::filesystem::exists(unwritable));

    EXPECT_TRUE(timecycle::SaveModifierFile("m", path).messages.empty());
    EXPECT_NE(ReadFile(path).find("<fog_start>1 1</fog_start>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}
