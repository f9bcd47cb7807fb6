// Modifier documents as text: the writer's lines, the escape of names XML
// cannot hold, reading back, and every reason a document or a part of it is
// refused.
#include "AwkwardModifiers.h"

#include "base/XmlText.h"
#include "documents/ModifierDocument.h"

#include <gmock/gmock.h>

#include <bit>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

using namespace tceditor;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::StartsWith;

namespace
{
constexpr const char* kHeader = "<?xml version=\"1.0\"?>\n";

std::string Shown(const std::string& bytes)
{
    std::string shown;
    for (unsigned char c : bytes)
    {
        char hex[8];
        std::snprintf(hex, sizeof hex, c < 0x20 || c >= 0x7F ? "<%02X>" : "%c", c);
        shown += hex;
    }
    return shown;
}
}

TEST(ModifierDocumentWriting, SeveralModifiersShareOneRootWithTheExportsLines)
{
    const std::vector<DocumentModifier> modifiers = {
        { "example_mod", 0, 2, { { "first_var", 0.5f, 1.0f }, { "second_var", -2.0f, 0.0f } } },
        { "bare_mod", 4294967295u, 0, {} },
    };

    EXPECT_EQ(ModifierDocumentText(modifiers),
              std::string(kHeader) +
                  "<timecycle_modifier_data version=\"1.000000\">\n"
                  "    <modifier name=\"example_mod\" description=\"\" numMods=\"2\" userFlags=\"0\">\n"
                  "        <first_var>0.5 1</first_var>\n"
                  "        <second_var>-2 0</second_var>\n"
                  "    </modifier>\n"
                  "    <modifier name=\"bare_mod\" description=\"\" numMods=\"0\" userFlags=\"4294967295\"/>\n"
                  "</timecycle_modifier_data>\n");
}

TEST(ModifierDocumentWriting, NoModifierGivesAnEmptyRoot)
{
    EXPECT_EQ(ModifierDocumentText({}),
              std::string(kHeader) + "<timecycle_modifier_data version=\"1.000000\"/>\n");
}

TEST(ModifierDocumentWriting, TheNameListCommentComesFirstWithEachNameOnItsLine)
{
    const DocumentNameList removed{ "Removed this session:", { "old_mod", "bell\x07", "a--b" } };

    EXPECT_EQ(ModifierDocumentText({ { "kept", 1, 0, {} } }, &removed),
              std::string(kHeader) +
                  "<!--\n"
                  "    Removed this session:\n"
                  "    old_mod\n"
                  "    bell\\x07\n"
                  "    a\\x2D\\x2Db\n"
                  "-->\n"
                  "<timecycle_modifier_data version=\"1.000000\">\n"
                  "    <modifier name=\"kept\" description=\"\" numMods=\"0\" userFlags=\"1\"/>\n"
                  "</timecycle_modifier_data>\n");
}

TEST(ModifierDocumentWriting, ANameXmlCannotHoldIsWrittenEscapedAndMarked)
{
    EXPECT_EQ(ModifierDocumentText({ { "a\\b\x01\xff<", 0, 0, {} } }),
              std::string(kHeader) +
                  "<timecycle_modifier_data version=\"1.000000\">\n"
                  "    <modifier name=\"a\\\\b\\x01\\xFF&lt;\" description=\"\" numMods=\"0\" userFlags=\"0\" "
                  "nameEscaped=\"true\"/>\n"
                  "</timecycle_modifier_data>\n");
}

TEST(ModifierDocumentWriting, AParameterTheDocumentCannotCarryIsLeftOutWithTheReason)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const DocumentModifier modifier{ "odd_mod",
                                     0,
                                     5,
                                     { { "kept_var", 1.0f, 2.0f },
                                       { "nan_var", nan, 0.0f },
                                       { "inf_var", 0.0f, -inf },
                                       { "not a name", 1.0f, 1.0f },
                                       { "dash--var-", 1.0f, nan } } };

    EXPECT_EQ(ModifierDocumentText({ modifier }),
              std::string(kHeader) +
                  "<timecycle_modifier_data version=\"1.000000\">\n"
                  "    <modifier name=\"odd_mod\" description=\"\" numMods=\"5\" userFlags=\"0\">\n"
                  "        <kept_var>1 2</kept_var>\n"
                  "        <!-- nan_var left out: its value is not a finite number -->\n"
                  "        <!-- inf_var left out: its value is not a finite number -->\n"
                  "        <!-- not a name left out: its variable name cannot be an element name -->\n"
                  "        <!-- dash\\x2D\\x2Dvar\\x2D left out: its value is not a finite number -->\n"
                  "    </modifier>\n"
                  "</timecycle_modifier_data>\n");
}

// "Generate XML" keeps the export's three decimals and counts what they
// lose; every other document writes values exactly.
TEST(ModifierDocumentWriting, ThreeDecimalsAsTheExportAndExactOtherwise)
{
    const DocumentModifier modifier{ "precise", 0, 3,
                                     { { "a", 0.0004f, 0.12345f }, { "b", 0.5f, -0.0004f }, { "c", 100000.0f, 1e-30f } } };

    const std::string exact = ModifierDocumentText({ modifier });
    const std::string exported = ModifierDocumentText({ modifier }, nullptr, ValueText::ThreeDecimals);

    EXPECT_THAT(exact, HasSubstr("<a>0.0004 0.12345</a>"));
    EXPECT_THAT(exact, HasSubstr("<b>0.5 -0.0004</b>"));
    EXPECT_THAT(exact, HasSubstr("<c>100000 1e-30</c>"));
    EXPECT_THAT(exported, HasSubstr("<a>0.000 0.123</a>"));
    EXPECT_THAT(exported, HasSubstr("<b>0.500 -0.000</b>"));
    EXPECT_THAT(exported, HasSubstr("<c>100000.000 0.000</c>"));
    // 0.0004, 0.12345, -0.0004 and 1e-30; 0.5 and 100000 are held whole.
    EXPECT_EQ(CountRoundedValues({ modifier }), 4);
    EXPECT_EQ(CountRoundedValues({ { "plain", 0, 1, { { "a", 0.25f, -2.0f } } } }), 0);
}

TEST(ModifierDocumentWriting, RenamesAreListedAsOldArrowNewAfterTheRemoved)
{
    const std::vector<DocumentNameList> comment = {
        { "Removed this session:", { "beta" }, {} },
        { "Renamed this session:", { "alpha", "x-" }, { "beta", "y" } },
        { "Nothing here:", {}, {} },
    };

    EXPECT_EQ(ModifierDocumentText({}, comment),
              std::string(kHeader) +
                  "<!--\n"
                  "    Removed this session:\n"
                  "    beta\n"
                  "    Renamed this session:\n"
                  "    alpha -> beta\n"
                  "    x\\x2D -> y\n"
                  "-->\n"
                  "<timecycle_modifier_data version=\"1.000000\"/>\n");
}

TEST(XmlText, ElementNames)
{
    for (const char* name : { "fog_start", "_x", "a.b-c9", "\xc3\xa9t\xc3\xa9", "\xe6\x97\xa5" })
        EXPECT_TRUE(IsXmlElementName(name)) << name;
    for (const char* name : { "", "9var", "-var", ".var", "a b", "a:b", "a<b", "a&b", "\xff", "a\x01", "\xc3" })
        EXPECT_FALSE(IsXmlElementName(name)) << Shown(name);
}

TEST(XmlText, BrokenEscapesAreRefused)
{
    for (const char* escaped : { "\\", "a\\", "\\q", "\\x", "\\x4", "\\xG0", "\\X41" })
        EXPECT_FALSE(UnescapeName(escaped)) << escaped;
    EXPECT_EQ(UnescapeName("\\x41\\xff\\\\"), "A\xff\\");
}

class NameRoundTrip : public testing::TestWithParam<awkward::NamedCase>
{
};

TEST_P(NameRoundTrip, ReadingGivesBackTheSameBytesAndOrdinaryNamesStayAsTheyAre)
{
    const std::string& name = GetParam().name;
    const std::string text = ModifierDocumentText({ { name, 7, 0, {} } });

    const DocumentReading reading = ReadModifierDocument(text);

    ASSERT_EQ(reading.error, "") << text;
    ASSERT_EQ(reading.modifiers.size(), 1u);
    EXPECT_EQ(Shown(reading.modifiers[0].name), Shown(name));
    EXPECT_EQ(reading.modifiers[0].userFlags, 7u);
    // Escaped text is printable ASCII apart from the UTF-8 it keeps.
    for (unsigned char c : text)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c != 0x7F)) << Shown(text);
    EXPECT_EQ(text.find("nameEscaped") != std::string::npos, NameNeedsEscape(name));
}

INSTANTIATE_TEST_SUITE_P(AwkwardNames, NameRoundTrip, testing::ValuesIn(awkward::Names()),
                         [](const testing::TestParamInfo<awkward::NamedCase>& info) { return info.param.label; });

TEST(ModifierDocumentReading, ValuesComeBackExactly)
{
    DocumentModifier modifier{ "values", 0, 0, {} };
    for (const awkward::ValueCase& value : awkward::FiniteValues())
        modifier.parameters.push_back({ "var_" + std::to_string(modifier.parameters.size()), value.value1, value.value2 });
    modifier.numMods = static_cast<int>(modifier.parameters.size());

    const DocumentReading reading = ReadModifierDocument(ModifierDocumentText({ modifier }));

    ASSERT_EQ(reading.error, "");
    ASSERT_EQ(reading.modifiers.size(), 1u);
    const DocumentModifier& read = reading.modifiers[0];
    EXPECT_EQ(read.numMods, modifier.numMods);
    ASSERT_EQ(read.parameters.size(), modifier.parameters.size());
    for (size_t i = 0; i < read.parameters.size(); ++i)
    {
        EXPECT_EQ(read.parameters[i].variable, modifier.parameters[i].variable);
        EXPECT_EQ(std::bit_cast<uint32_t>(read.parameters[i].value1), std::bit_cast<uint32_t>(modifier.parameters[i].value1)) << i;
        EXPECT_EQ(std::bit_cast<uint32_t>(read.parameters[i].value2), std::bit_cast<uint32_t>(modifier.parameters[i].value2)) << i;
    }
}

TEST(ModifierDocumentReading, TakesWhatAHandEditedDocumentHolds)
{
    const DocumentReading reading = ReadModifierDocument(
        "\xef\xbb\xbf  <timecycle_modifier_data>\n"
        "  <!-- a colleague's variant -->\n"
        "  <modifier name=\"tod_noon\" numMods=\"9\" description=\"bright\">\n"
        "    <fog_start>\n 1.5\t-2e1 \n</fog_start>\n"
        "    <sky_r>7 0.25</sky_r>\n"
        "  </modifier>\n"
        "  <modifier name=\"a&amp;b&#10;c\" userFlags=\"12\"/>\n"
        "</timecycle_modifier_data>");

    ASSERT_EQ(reading.error, "");
    EXPECT_THAT(reading.notes, IsEmpty());
    ASSERT_EQ(reading.modifiers.size(), 2u);
    const DocumentModifier& noon = reading.modifiers[0];
    EXPECT_EQ(noon.name, "tod_noon");
    EXPECT_EQ(noon.userFlags, 0u);
    EXPECT_EQ(noon.numMods, 2);
    ASSERT_EQ(noon.parameters.size(), 2u);
    EXPECT_EQ(noon.parameters[0].variable, "fog_start");
    EXPECT_EQ(noon.parameters[0].value1, 1.5f);
    EXPECT_EQ(noon.parameters[0].value2, -20.0f);
    EXPECT_EQ(noon.parameters[1].variable, "sky_r");
    EXPECT_EQ(reading.modifiers[1].name, "a&b\nc");
    EXPECT_EQ(reading.modifiers[1].userFlags, 12u);
}

struct RefusedDocument
{
    const char* label;
    std::string text;
    std::string error;
    std::vector<std::string> notes;
};

void PrintTo(const RefusedDocument& param, std::ostream* out)
{
    *out << param.label;
}

class RefusedDocuments : public testing::TestWithParam<RefusedDocument>
{
};

TEST_P(RefusedDocuments, GiveTheReasonAndNoModifier)
{
    const DocumentReading reading = ReadModifierDocument(GetParam().text);

    EXPECT_THAT(reading.error, StartsWith(GetParam().error));
    EXPECT_THAT(reading.modifiers, IsEmpty());
    EXPECT_EQ(reading.notes, GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    ModifierDocumentReading, RefusedDocuments,
    testing::Values(
        RefusedDocument{ "EmptyText", "", "the text holds no XML", {} },
        RefusedDocument{ "OnlyWhiteSpace", " \n\t", "the text holds no XML", {} },
        // What is wrong, said for a person: the line and the element.
        RefusedDocument{ "NotXml", "fog_start 1 2", "line 1: text outside the elements, or the text ends inside one", {} },
        RefusedDocument{ "MismatchedTagSaysItsLine",
                         "<timecycle_modifier_data>\n  <modifier name=\"a\">\n  </modifer>\n</timecycle_modifier_data>",
                         "line 2: the element <modifier> is not closed", {} },
        RefusedDocument{ "UnclosedElement",
                         "<timecycle_modifier_data>\n<modifier name=\"a\">\n<va>1 2\n</modifier>\n</timecycle_modifier_data>",
                         "line 3: the element <va> is not closed", {} },
        RefusedDocument{ "CutShort", "<timecycle_modifier_data>\n  <modifier name=\"a\">\n    <fog_start>1 2</fog",
                         "line 3: the tag of the element <fog> is broken or cut short", {} },
        RefusedDocument{ "BrokenAttribute", "<timecycle_modifier_data>\n<modifier name=a/>\n</timecycle_modifier_data>",
                         "line 2: an attribute of the element <modifier> is broken or given twice", {} },
        RefusedDocument{ "OpenComment", "<timecycle_modifier_data>\n<!-- never closed\n</timecycle_modifier_data>",
                         "line 2: a comment is not closed", {} },
        RefusedDocument{ "OnlyADeclaration", "<?xml version=\"1.0\"?>\n",
                         "the text holds no <timecycle_modifier_data> element", {} },
        RefusedDocument{ "WrongRoot", "\n<timecycle_variables>\n<modifier name=\"a\"/>\n</timecycle_variables>",
                         "line 2: the root element is <timecycle_variables>, not <timecycle_modifier_data>", {} },
        RefusedDocument{ "NoModifier", "<timecycle_modifier_data version=\"1.000000\"/>",
                         "the document holds no modifier", {} },
        RefusedDocument{ "NoUsableModifier",
                         "<timecycle_modifier_data>\n<modifier/>\n<modifier name=\"\"/>\n<variant/>\n"
                         "</timecycle_modifier_data>",
                         "no modifier of the document can be used",
                         { "line 2: a modifier without a name is skipped", "line 3: a modifier without a name is skipped",
                           "line 4: <variant> is not a modifier; skipped" } }),
    [](const testing::TestParamInfo<RefusedDocument>& info) { return std::string(info.param.label); });

struct SkippedItem
{
    const char* label;
    std::string modifierLines;
    std::string note;
};

void PrintTo(const SkippedItem& param, std::ostream* out)
{
    *out << param.label;
}

class SkippedItems : public testing::TestWithParam<SkippedItem>
{
};

// The document's line 2 is a good modifier; the case's lines follow from
// line 3. The good one is read whatever happens to the others.
TEST_P(SkippedItems, AreNamedInANoteAndTheRestIsRead)
{
    const std::string text = "<timecycle_modifier_data>\n"
                             "<modifier name=\"good\" userFlags=\"3\"><fog_start>1 2</fog_start></modifier>\n" +
                             GetParam().modifierLines + "</timecycle_modifier_data>\n";

    const DocumentReading reading = ReadModifierDocument(text);

    EXPECT_EQ(reading.error, "");
    EXPECT_THAT(reading.notes, ElementsAre(GetParam().note));
    ASSERT_FALSE(reading.modifiers.empty());
    EXPECT_EQ(reading.modifiers[0].name, "good");
    EXPECT_EQ(reading.modifiers[0].userFlags, 3u);
}

INSTANTIATE_TEST_SUITE_P(
    ModifierDocumentReading, SkippedItems,
    testing::Values(
        SkippedItem{ "ModifierWithoutName", "<modifier><fog_start>1 2</fog_start></modifier>\n",
                     "line 3: a modifier without a name is skipped" },
        SkippedItem{ "UnknownElement", "<comment>hi</comment>\n", "line 3: <comment> is not a modifier; skipped" },
        SkippedItem{ "BrokenEscape", "<modifier name=\"a\\q\" nameEscaped=\"true\"/>\n",
                     "line 3: modifier \"a\\q\": a backslash in the escaped name starts neither \\\\ nor \\xHH; the "
                     "modifier is skipped" },
        SkippedItem{ "EscapedNameEmpty", "<modifier name=\"\" nameEscaped=\"true\"/>\n",
                     "line 3: a modifier without a name is skipped" },
        SkippedItem{ "UnclearMarker", "<modifier name=\"m\" nameEscaped=\"maybe\"/>\n",
                     "line 3: modifier \"m\": nameEscaped is neither true nor false; the modifier is skipped" },
        SkippedItem{ "ParameterGivenTwice",
                     "<modifier name=\"m\">\n<fog_start>1 2</fog_start>\n<fog_start>3 4</fog_start>\n</modifier>\n",
                     "line 5: modifier \"m\": \"fog_start\" is given twice; the second one is skipped" }),
    [](const testing::TestParamInfo<SkippedItem>& info) { return std::string(info.param.label); });

// Repeats count within one modifier only, and only among parameters that
// were read: a broken first one leaves the place to the next.
TEST(ModifierDocumentReading, TheFirstOfARepeatedParameterCounts)
{
    const DocumentReading reading = ReadModifierDocument(
        "<timecycle_modifier_data><modifier name=\"m\"><a>1 2</a><b>5 6</b><a>3 4</a></modifier>"
        "<modifier name=\"n\"><b>x</b><a>7 8</a><b>9 10</b><b>11 12</b></modifier>"
        "</timecycle_modifier_data>");

    ASSERT_EQ(reading.modifiers.size(), 2u);
    const std::vector<DocumentParameter>& m = reading.modifiers[0].parameters;
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].variable, "a");
    EXPECT_EQ(m[0].value1, 1.0f);
    EXPECT_EQ(m[1].variable, "b");
    const std::vector<DocumentParameter>& n = reading.modifiers[1].parameters;
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0].variable, "a");
    EXPECT_EQ(n[0].value1, 7.0f);
    EXPECT_EQ(n[1].variable, "b");
    EXPECT_EQ(n[1].value1, 9.0f);
    EXPECT_EQ(reading.notes.size(), 3u);
}

// A parameter's text must be two finite numbers; otherwise the parameter is
// left out with a note, and the rest of its modifier is read, as the game's
// loader does.
TEST(ModifierDocumentReading, AParameterWithoutTwoFiniteNumbersIsLeftOutWithANote)
{
    for (const char* values : { "", "1", "1 2 3", "abc 1", "1,5 2", "+1 2", "nan 1", "1 inf", "-inf 0", "1e39 0",
                                "0x10 1" })
    {
        const std::string text = "<timecycle_modifier_data>\n<modifier name=\"kept\"/>\n<modifier name=\"m\">\n"
                                 "<fog_start>" + std::string(values) + "</fog_start>\n<sky_r>1 2</sky_r>\n"
                                 "</modifier>\n</timecycle_modifier_data>";

        const DocumentReading reading = ReadModifierDocument(text);

        EXPECT_EQ(reading.error, "") << values;
        ASSERT_EQ(reading.modifiers.size(), 2u) << values;
        EXPECT_EQ(reading.modifiers[0].name, "kept");
        ASSERT_EQ(reading.modifiers[1].parameters.size(), 1u) << values;
        EXPECT_EQ(reading.modifiers[1].parameters[0].variable, "sky_r");
        EXPECT_THAT(reading.notes,
                    ElementsAre("line 4: modifier \"m\": \"fog_start\" needs two finite numbers; the parameter is skipped"))
            << values;
    }
}

// Where the game's loader reads something other than what was written, so
// does the reader, and says so.
TEST(ModifierDocumentReading, ReadsAsTheGamesLoaderWithANote)
{
    struct Case
    {
        const char* modifierLines;
        uint32_t userFlags;
        const char* note;
    };
    const Case cases[] = {
        { "<modifier name=\"m\" userFlags=\"-1\"/>\n", 0,
          "line 2: modifier \"m\": userFlags \"-1\" is not an unsigned 32-bit number; read as 0" },
        { "<modifier name=\"m\" userFlags=\"4294967296\"/>\n", 0,
          "line 2: modifier \"m\": userFlags \"4294967296\" is not an unsigned 32-bit number; read as 0" },
        { "<modifier name=\"m\" userFlags=\"1\"/>\n<modifier name=\"other\"/>\n<modifier name=\"m\" userFlags=\"2\"/>\n",
          2, "line 4: modifier \"m\" is given again; this one takes the place of the one before" },
    };
    for (const Case& c : cases)
    {
        const DocumentReading reading =
            ReadModifierDocument("<timecycle_modifier_data>\n" + std::string(c.modifierLines) + "</timecycle_modifier_data>");

        ASSERT_FALSE(reading.modifiers.empty()) << c.modifierLines;
        // A modifier named again keeps the first one's place.
        EXPECT_EQ(reading.modifiers[0].name, "m");
        EXPECT_EQ(reading.modifiers[0].userFlags, c.userFlags) << c.modifierLines;
        EXPECT_THAT(reading.notes, ElementsAre(c.note));
    }
}

TEST(ModifierDocumentReading, NotesShowAwkwardNamesEscaped)
{
    const DocumentReading reading = ReadModifierDocument(
        "<timecycle_modifier_data>\n<modifier name=\"a&#10;b\" userFlags=\"x&#1;\"/>\n</timecycle_modifier_data>");

    EXPECT_THAT(reading.notes,
                ElementsAre(HasSubstr("modifier \"a\\x0Ab\": userFlags \"x\\x01\" is not an unsigned 32-bit number")));
}
