// Text round trips in real frames: "Copy" of the output pane, "Paste XML"
// (updates, creations, skipped variables, refusals, one undo for the whole
// paste), "Copy parameters" and "Paste parameters" on browser rows, and the
// status line that says why an action did nothing.
#include "DetailPaneFixture.h"
#include "GameRecords.h"

#include <gmock/gmock.h>

#include <cstdio>

#include <functional>
#include <ostream>

using namespace tceditor;
using testing::HasSubstr;
using testing::StartsWith;

namespace
{
constexpr const char* kEmptyModifierLines = "";

// A document in the export's format.
std::string Document(const std::string& modifiers)
{
    return "<?xml version=\"1.0\"?>\n<timecycle_modifier_data version=\"1.000000\">\n" + modifiers +
           "</timecycle_modifier_data>\n";
}
}

class RoundTripTest : public DetailPaneTest
{
protected:
    void PasteXml(const std::string& text)
    {
        ui.SetClipboard(text);
        ui.Click(kWindow, "Paste XML");
    }

    // Opens a browser row's context menu and picks an item of it.
    void PickFromRowMenu(const std::string& modifier, const char* item)
    {
        ui.RightClick(kWindow, modifier);
        ui.Click(kWindow, item);
    }

    static gamerecords::Modifier Record(std::initializer_list<tcModData> params, uint32_t userFlags)
    {
        gamerecords::Modifier modifier;
        modifier.userFlags = userFlags;
        for (const tcModData& param : params)
            modifier.params.push_back(
                { param.varId, std::bit_cast<uint32_t>(param.value1), std::bit_cast<uint32_t>(param.value2) });
        return modifier;
    }
};

TEST_F(RoundTripTest, CopyPutsExactlyTheOutputPanesTextOnTheClipboard)
{
    tcModifier& modifier = MakeModifier("copy_mod", { { kFogStart, 1.5f, -2.0f }, { kSkyTint, 0.25f, 0.0f } });
    modifier.userFlags = 12;
    Select(modifier);
    ui.Click(kWindow, "Generate XML");
    EXPECT_THAT(ui.Texts(kWindow), testing::Contains("[ Close ] Select and copy using CTRL+C"));

    ui.Click(kWindow, "Copy");
    EXPECT_EQ(ui.Clipboard(), Document("    <modifier name=\"copy_mod\" description=\"\" numMods=\"2\" userFlags=\"12\">\n"
                                       "        <fog_start>1.500 -2.000</fog_start>\n"
                                       "        <sky_tint>0.250 0.000</sky_tint>\n"
                                       "    </modifier>\n"));
    EXPECT_EQ(ui.Clipboard(), state.xmlOutput.c_str());

    // Selecting the text and copying it by hand still works.
    ui.Click(kWindow, "##xml_output");
    ui.Key("ctrl+a");
    ui.Key("ctrl+c");
    EXPECT_EQ(ui.Clipboard(), state.xmlOutput.c_str());
}

// "Copy" says what it put on the clipboard, in bytes grouped by thousands,
// until the output changes.
TEST_F(RoundTripTest, CopySaysHowManyBytesItCopied)
{
    std::initializer_list<tcModData> every = { { kZeroVar, 1.0f, 2.0f },       { kFogDensity, 1.0f, 2.0f },
                                               { kFogStart, 1.0f, 2.0f },      { kSkyTint, 1.0f, 2.0f },
                                               { kWaterFogDensity, 1.0f, 2.0f }, { kFirstVar, 1.0f, 2.0f },
                                               { kSecondVar, 1.0f, 2.0f },     { kLongVar, 1.0f, 2.0f } };
    Select(MakeModifier("copied_mod_" + std::string(100, 'n'), every));
    ui.Click(kWindow, "Generate XML");
    EXPECT_THAT(ui.Texts(kWindow), testing::Not(testing::Contains(HasSubstr("Copied"))));

    ui.Click(kWindow, "Copy");

    const size_t bytes = ui.Clipboard().size();
    ASSERT_GE(bytes, 1000u);
    ASSERT_LT(bytes, 10000u);
    char expected[64];
    std::snprintf(expected, sizeof expected, "[ Copy ] Copied %zu,%03zu bytes", bytes / 1000, bytes % 1000);
    EXPECT_THAT(ui.Texts(kWindow), testing::Contains(std::string(expected)));

    ui.Click(kWindow, "Close");
    ui.Click(kWindow, "Generate XML");
    EXPECT_THAT(ui.Texts(kWindow), testing::Not(testing::Contains(HasSubstr("Copied"))));
}

TEST_F(RoundTripTest, PasteXmlUpdatesExactlyCreatesSkipsUnknownVariablesAndUndoesAsOneStep)
{
    tcModifier& target = MakeModifier(
        "target_mod", { { kFogDensity, 0.25f, 0.5f }, { kFogStart, 1.0f, 2.0f }, { kSkyTint, -1.0f, -1.5f } });
    target.userFlags = 9;
    tcModifier& bystander = MakeModifier("bystander", { { kZeroVar, 0.5f, 0.5f } });
    Select(target);
    const gamerecords::Records before = gamerecords::Read();

    PasteXml(Document("    <modifier name=\"target_mod\" description=\"\" numMods=\"3\" userFlags=\"4294967295\">\n"
                      "        <fog_start>3.250 -4.500</fog_start>\n"
                      "        <zz_unknown>1.000 2.000</zz_unknown>\n"
                      "        <first_var>0.125 0.750</first_var>\n"
                      "    </modifier>\n"
                      "    <modifier name=\"brand_new\" description=\"\" numMods=\"1\" userFlags=\"7\">\n"
                      "        <water_fog_density>0.080 0.090</water_fog_density>\n"
                      "    </modifier>\n"));

    EXPECT_EQ(Status(), "Pasted 2 modifiers: 1 updated, 1 created; skipped unknown variable zz_unknown");
    gamerecords::Records expected = before;
    expected["target_mod"] = Record({ { kFogStart, 3.25f, -4.5f }, { kFirstVar, 0.125f, 0.75f } }, 4294967295u);
    expected["brand_new"] = Record({ { kWaterFogDensity, 0.08f, 0.09f } }, 7);
    const gamerecords::Records after = gamerecords::Read();
    EXPECT_EQ(after, expected);
    EXPECT_EQ(bystander.userFlags, 0u);
    // The selected modifier's table follows the paste.
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(kFogStart).value1, 3.25f);
    EXPECT_FALSE(state.selection.workingParams.contains(kFogDensity));
    ui.Hover(kWindow, "Undo");
    EXPECT_THAT(ui.Texts(kWindow), testing::Contains(HasSubstr("Undo: paste of 2 modifiers")));

    ui.Key("ctrl+z");
    EXPECT_EQ(gamerecords::Read(), before);
    EXPECT_FALSE(state.history.CanUndo());
    EXPECT_EQ(Status(), "") << "the undo was a successful action";
    ui.Key("ctrl+y");
    EXPECT_EQ(gamerecords::Read(), after);
    ui.Key("ctrl+z");
    EXPECT_EQ(gamerecords::Read(), before);
}

TEST_F(RoundTripTest, PastedModifierExportsThePastedText)
{
    tcModifier& other = MakeModifier("other_mod", { { kZeroVar, 0.5f, 0.5f } });
    Select(other);
    const std::string text =
        Document("    <modifier name=\"round_trip\" description=\"\" numMods=\"3\" userFlags=\"3\">\n"
                 "        <sky_tint>-0.125 10.000</sky_tint>\n"
                 "        <fog_start>1.500 -2.250</fog_start>\n"
                 "        <zero_var>12345.678 -0.000</zero_var>\n"
                 "    </modifier>\n");
    PasteXml(text);
    ASSERT_EQ(Status(), "Pasted 1 modifier: 1 created");

    ui.Click(kWindow, "round_trip");
    ui.Click(kWindow, "Generate XML");
    EXPECT_EQ(std::string(state.xmlOutput.c_str()), text);

    // Pasting the same text again changes nothing and says so.
    ui.Click(kWindow, "Close");
    PasteXml(text);
    EXPECT_EQ(Status(), "Pasted 1 modifier: 1 unchanged");
}

TEST_F(RoundTripTest, MalformedXmlChangesNothingAndSaysWhereItBroke)
{
    tcModifier& modifier = MakeModifier("kept_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    const gamerecords::Records before = gamerecords::Read();

    PasteXml("<?xml version=\"1.0\"?>\n<timecycle_modifier_data version=\"1.000000\">\n"
             "    <modifier name=\"kept_mod\" userFlags=\"1\">\n"
             "        <fog_start>5.000 5.000</fog_start>\n"
             "</timecycle_modifier_data>\n");

    // The modifier left open on line 3 is where the text broke.
    EXPECT_EQ(Status(), "Paste failed: line 3: the element <modifier> is not closed");
    EXPECT_EQ(gamerecords::Read(), before);
    EXPECT_FALSE(state.history.CanUndo());
}

// Each paste that cannot be used says why and leaves the game alone; values
// that are not finite are refused as typed ones are.
struct RefusedPaste
{
    const char* name;
    std::string text;
    const char* status;
};

void PrintTo(const RefusedPaste& param, std::ostream* out)
{
    *out << param.name;
}

class RefusedPasteTest : public RoundTripTest, public testing::WithParamInterface<RefusedPaste>
{
};

TEST_P(RefusedPasteTest, ChangesNothing)
{
    tcModifier& modifier = MakeModifier("kept_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    const gamerecords::Records before = gamerecords::Read();

    PasteXml(GetParam().text);
    EXPECT_EQ(Status(), GetParam().status);
    EXPECT_EQ(gamerecords::Read(), before);
    EXPECT_FALSE(state.history.CanUndo());
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, RefusedPasteTest,
    testing::Values(
        RefusedPaste{ "EmptyClipboard", "", "Paste failed: the text holds no XML" },
        RefusedPaste{ "NothingToApply", Document(kEmptyModifierLines), "Paste failed: the document holds no modifier" },
        RefusedPaste{ "AnotherRoot", "<timecycle_variables/>",
                      "Paste failed: line 1: the root element is <timecycle_variables>, not <timecycle_modifier_data>" },
        RefusedPaste{ "NoNamedModifier",
                      Document("    <modifier userFlags=\"1\">\n"
                               "        <fog_start>1.000 0.000</fog_start>\n"
                               "    </modifier>\n"),
                      "Paste failed: no modifier of the document can be used; line 3: a modifier without a name is "
                      "skipped" }));

// As the game's loader does: the parameter is left out, the rest of its
// modifier is taken.
TEST_F(RoundTripTest, ANotFiniteValueSkipsItsParameterOnly)
{
    tcModifier& modifier = MakeModifier("kept_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);

    PasteXml(Document("    <modifier name=\"kept_mod\" userFlags=\"1\">\n"
                      "        <fog_start>nan 0.000</fog_start>\n"
                      "    </modifier>\n"
                      "    <modifier name=\"fresh_mod\" userFlags=\"2\">\n"
                      "        <fog_start>4.000 0.000</fog_start>\n"
                      "    </modifier>\n"));

    EXPECT_EQ(Status(), "Pasted 2 modifiers: 1 updated, 1 created; line 4: modifier \"kept_mod\": \"fog_start\" needs "
                        "two finite numbers; the parameter is skipped");
    EXPECT_EQ(Manager().GetTimecycleModData(modifier, kFogStart), nullptr);
    EXPECT_EQ(modifier.userFlags, 1u);
    ASSERT_NE(timecycle::FindModifier("fresh_mod"), nullptr);
}

TEST_F(RoundTripTest, CopyAndPasteParametersBetweenTwoModifiers)
{
    tcModifier& source = MakeModifier("source_mod", { { kSkyTint, -3.0f, -4.0f }, { kFogStart, 7.5f, 8.25f } });
    source.userFlags = 5;
    tcModifier& target = MakeModifier("target_mod", { { kFogDensity, 0.1f, 0.2f } });
    Select(target);

    PickFromRowMenu("source_mod", "Copy parameters");
    EXPECT_EQ(ui.Clipboard(), Document("    <modifier name=\"source_mod\" description=\"\" numMods=\"2\" userFlags=\"5\">\n"
                                       "        <sky_tint>-3 -4</sky_tint>\n"
                                       "        <fog_start>7.5 8.25</fog_start>\n"
                                       "    </modifier>\n"));
    const gamerecords::Records before = gamerecords::Read();

    PickFromRowMenu("target_mod", "Paste parameters");
    EXPECT_EQ(Status(), "Pasted the parameters of source_mod into target_mod");
    gamerecords::Records expected = before;
    expected["target_mod"] = Record({ { kSkyTint, -3.0f, -4.0f }, { kFogStart, 7.5f, 8.25f } }, 5);
    EXPECT_EQ(gamerecords::Read(), expected);
    EXPECT_EQ(Manager().GetTimecycleName(target), "target_mod");
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(kFogStart).value2, 8.25f);

    // The rows are still labelled with the modifiers' names alone.
    EXPECT_TRUE(ui.Exists(kWindow, "source_mod"));
    EXPECT_TRUE(ui.Exists(kWindow, "target_mod"));

    ui.Key("ctrl+z");
    EXPECT_EQ(gamerecords::Read(), before);
    ui.Key("ctrl+y");
    EXPECT_EQ(gamerecords::Read(), expected);
}

TEST_F(RoundTripTest, PasteParametersOfTextThatIsNoDocumentSaysSo)
{
    tcModifier& target = MakeModifier("target_mod", { { kFogDensity, 0.1f, 0.2f } });
    Select(target);
    const gamerecords::Records before = gamerecords::Read();
    ui.SetClipboard("just some words");

    PickFromRowMenu("target_mod", "Paste parameters");
    EXPECT_THAT(Status(), StartsWith("Paste failed: "));
    EXPECT_EQ(gamerecords::Read(), before);
}

// Each action that does nothing says why on the status line; the text stays
// in its field and the game is unchanged.
struct Refusal
{
    const char* name;
    const char* field;
    const char* text;
    const char* button;
    const char* status;
};

void PrintTo(const Refusal& param, std::ostream* out)
{
    *out << param.name;
}

class RefusalTest : public RoundTripTest, public testing::WithParamInterface<Refusal>
{
};

TEST_P(RefusalTest, StatusSaysWhyAndTheNextSuccessClearsIt)
{
    tcModifier& modifier = MakeModifier("edited_mod", { { kFogStart, 1.0f, 2.0f } });
    MakeModifier("taken_name");
    Select(modifier);
    const gamerecords::Records before = gamerecords::Read();

    ui.SetText(kWindow, GetParam().field, GetParam().text);
    ui.Click(kWindow, GetParam().button);
    EXPECT_EQ(Status(), GetParam().status);
    EXPECT_EQ(gamerecords::Read(), before);
    const char* buffer = std::string_view(GetParam().field) == "##input" ? state.varInput : state.nameInput;
    EXPECT_STREQ(buffer, GetParam().text);

    // It stays through frames, and goes with the next change that works.
    ui.Frame(2);
    EXPECT_EQ(Status(), GetParam().status);
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");
    EXPECT_EQ(Status(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Actions, RefusalTest,
    testing::Values(
        Refusal{ "CreateTooShort", "##detail_name", "a", "Create",
                 "Create refused: \"a\" is too short; a modifier name needs 2 to 127 bytes" },
        Refusal{ "RenameTooShort", "##detail_name", "b", "Rename",
                 "Rename refused: \"b\" is too short; a modifier name needs 2 to 127 bytes" },
        Refusal{ "CloneEmpty", "##detail_name", "", "Clone",
                 "Clone refused: \"\" is too short; a modifier name needs 2 to 127 bytes" },
        Refusal{ "CreateTaken", "##detail_name", "taken_name", "Create",
                 "Create refused: a modifier named \"taken_name\" exists already" },
        Refusal{ "RenameTaken", "##detail_name", "taken_name", "Rename",
                 "Rename refused: a modifier named \"taken_name\" exists already" },
        Refusal{ "CloneTaken", "##detail_name", "taken_name", "Clone",
                 "Clone refused: a modifier named \"taken_name\" exists already" },
        Refusal{ "AddUnknownVariable", "##input", "no_such_var", "Add",
                 "Add refused: no variable is named \"no_such_var\"" },
        Refusal{ "AddNothing", "##input", "", "Add", "Add refused: the variable field is empty" }));

TEST_F(RoundTripTest, WithNothingSelectedARefusedCreateSaysWhyAboveTheSeparator)
{
    ui.SetText(kWindow, "##detail_name", "x");
    ui.Click(kWindow, "Create");
    const std::vector<std::string> lines = DetailTexts();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Name { x }");
    EXPECT_EQ(lines[1], "Controls [ Create ]");
    EXPECT_EQ(Status(), "Create refused: \"x\" is too short; a modifier name needs 2 to 127 bytes");

    ui.SetText(kWindow, "##detail_name", "xy");
    ui.Click(kWindow, "Create");
    EXPECT_NE(timecycle::FindModifier("xy"), nullptr);
    EXPECT_EQ(Status(), "");
}

// The other end of the name rule: the longest name the field holds.
TEST_F(RoundTripTest, TheLongestNameTheFieldHoldsIsTaken)
{
    const std::string longest(kTextBufferSize - 1, 'n');
    ui.SetText(kWindow, "##detail_name", longest);
    ui.Click(kWindow, "Create");
    EXPECT_NE(timecycle::FindModifier(longest), nullptr);
    EXPECT_EQ(Status(), "");
}

TEST_F(RoundTripTest, RenamingToItsOwnNameIsNoRefusal)
{
    tcModifier& modifier = MakeModifier("same_name");
    Select(modifier);
    ui.Click(kWindow, "Rename");
    EXPECT_EQ(Status(), "");
}

TEST_F(RoundTripTest, EnterInTheVariableFieldSaysWhyNothingWasAdded)
{
    tcModifier& modifier = MakeModifier("enter_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    const gamerecords::Records before = gamerecords::Read();

    ui.SetText(kWindow, "##input", "zz_unknown");
    ui.Key("escape");
    ui.Click(kWindow, "##input");
    ui.Key("enter");
    EXPECT_EQ(Status(), "Add refused: no variable is named \"zz_unknown\"");
    EXPECT_EQ(gamerecords::Read(), before);
    EXPECT_STREQ(state.varInput, "zz_unknown");
}
