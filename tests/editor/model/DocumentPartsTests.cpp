// A document read in parts reads as the same document parsed whole: the
// same modifiers, notes on the same lines, the same reason for a refusal,
// whatever the markup between and inside the root's children.
#include "documents/DocumentOutline.h"
#include "documents/ModifierDocument.h"

#include <gmock/gmock.h>

#include <bit>
#include <ostream>
#include <string>

using namespace tceditor;
using testing::HasSubstr;

namespace
{
constexpr const char* kRoot = "timecycle_modifier_data";

void ExpectSameReading(const DocumentReading& parts, const DocumentReading& whole)
{
    EXPECT_EQ(parts.error, whole.error);
    EXPECT_EQ(parts.notes, whole.notes);
    ASSERT_EQ(parts.modifiers.size(), whole.modifiers.size());
    for (size_t i = 0; i < parts.modifiers.size(); ++i)
    {
        const DocumentModifier& a = parts.modifiers[i];
        const DocumentModifier& b = whole.modifiers[i];
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.userFlags, b.userFlags);
        EXPECT_EQ(a.numMods, b.numMods);
        ASSERT_EQ(a.parameters.size(), b.parameters.size()) << a.name;
        for (size_t p = 0; p < a.parameters.size(); ++p)
        {
            EXPECT_EQ(a.parameters[p].variable, b.parameters[p].variable);
            EXPECT_EQ(std::bit_cast<uint32_t>(a.parameters[p].value1), std::bit_cast<uint32_t>(b.parameters[p].value1));
            EXPECT_EQ(std::bit_cast<uint32_t>(a.parameters[p].value2), std::bit_cast<uint32_t>(b.parameters[p].value2));
        }
    }
}

struct PartedDocument
{
    const char* label;
    std::string text;
    // Parts of the root's content when cut after every modifier's end tag;
    // -1 where there is no outline and the document is read whole.
    int parts;
};

void PrintTo(const PartedDocument& param, std::ostream* out)
{
    *out << param.label;
}

class PartedDocuments : public testing::TestWithParam<PartedDocument>
{
};

TEST_P(PartedDocuments, ReadAsTheWholeDocument)
{
    const std::string& text = GetParam().text;

    const std::optional<DocumentOutline> outline = OutlineDocument(text, kRoot, "modifier", 1);

    EXPECT_EQ(outline ? static_cast<int>(outline->parts.size()) : -1, GetParam().parts);
    ExpectSameReading(ReadModifierDocumentInParts(text, 1), ReadWholeModifierDocument(text));
    ExpectSameReading(ReadModifierDocument(text), ReadWholeModifierDocument(text));
}

INSTANTIATE_TEST_SUITE_P(
    DocumentParts, PartedDocuments,
    testing::Values(
        // Markup that looks like a child's end where there is none.
        PartedDocument{ "MarkupInsideCommentsAndSections",
                        "<?xml version=\"1.0\"?>\n<!-- <timecycle_modifier_data> -->\n<timecycle_modifier_data>\n"
                        "<!-- <modifier name=\"commented\"/> -->\n"
                        "<modifier name=\"a\"><fog_start>1 2</fog_start><![CDATA[</modifier><x>]]></modifier>\n"
                        "<modifier name=\"b\" note='</modifier> and />' other=\"'\"><fog_start>3 4</fog_start>\n"
                        "<fog_start>5 6</fog_start></modifier>\n"
                        "<unknown/> trailing text\n</timecycle_modifier_data>\n", 5 },
        // Line feeds in attributes, comments and sections count as lines.
        PartedDocument{ "NotesKeepTheirLines",
                        "<timecycle_modifier_data\n  version=\"1\">\n<modifier name=\"a\nb\"\n userFlags=\"x\"/>\n"
                        "<!-- one\ntwo -->\n<![CDATA[\n]]><modifier>\n</modifier>\n"
                        "<modifier name=\"c\"><sky_r>1</sky_r>\n<sky_r>1 2</sky_r>\n<sky_r>3 4</sky_r></modifier>\n"
                        "<modifier name=\"a\nb\"/>\n</timecycle_modifier_data>", 3 },
        PartedDocument{ "EmptyRoot", "<timecycle_modifier_data version=\"1.000000\"/>", 0 },
        PartedDocument{ "RootWithoutChildren", "<timecycle_modifier_data> \n</timecycle_modifier_data>", 1 },
        // Well-formed around the parts, broken inside one, and the reverse.
        PartedDocument{ "BrokenChild",
                        "<timecycle_modifier_data>\n<modifier name=\"a\"/>\n<modifier name=\"b\"><x>1 2</y>\n"
                        "</modifier>\n</timecycle_modifier_data>", 2 },
        PartedDocument{ "EndTagOfAnotherName",
                        "<timecycle_modifier_data>\n<modifier name=\"a\"/>\n</timecycle_modifier_datum>", -1 },
        PartedDocument{ "TextAfterTheRoot",
                        "<timecycle_modifier_data>\n<modifier name=\"a\"/>\n</timecycle_modifier_data>\nmore", -1 },
        PartedDocument{ "SecondRootAfterTheFirst",
                        "<timecycle_modifier_data><modifier name=\"a\"/></timecycle_modifier_data>\n"
                        "<timecycle_modifier_data><modifier name=\"b\"/></timecycle_modifier_data>",
                        1 },
        // The root closed inside a part: what follows is not the root's.
        PartedDocument{ "RootClosedThenAStrayEndTag",
                        "<timecycle_modifier_data>\n<modifier name=\"a\"/></timecycle_modifier_data></modifier>\n"
                        "<modifier name=\"b\"></modifier>\n</timecycle_modifier_data>",
                        3 },
        PartedDocument{ "RootClosedThenAnotherRoot",
                        "<timecycle_modifier_data><modifier name=\"a\"></modifier></timecycle_modifier_data>\n"
                        "<timecycle_modifier_data><modifier name=\"b\"></modifier></timecycle_modifier_data>",
                        2 },
        PartedDocument{ "DeclarationInsideTheRoot",
                        "<timecycle_modifier_data>\n<modifier name=\"a\"/><?xml version=\"1.0\"?>\n"
                        "</timecycle_modifier_data>", 1 },
        PartedDocument{ "NestedPastTheParsersDepth",
                        "<timecycle_modifier_data><modifier name=\"a\">" + [] {
                                std::string nested;
                                for (int i = 0; i < 99; ++i)
                                    nested += "<d>";
                                for (int i = 0; i < 99; ++i)
                                    nested += "</d>";
                                return nested;
                            }() + "</modifier></timecycle_modifier_data>",
                        1 },
        // The parser, and so the reading, stops at a zero byte.
        PartedDocument{ "ZeroByteEndsTheText",
                        std::string("<timecycle_modifier_data><modifier name=\"a\"/>") + '\0' + "</timecycle_modifier_data>", 1 },
        PartedDocument{ "UnendedComment", "<timecycle_modifier_data>\n<modifier name=\"a\"/>\n<!-- open\n", -1 },
        PartedDocument{ "UnendedQuote", "<timecycle_modifier_data>\n<modifier name=\"a/>\n</timecycle_modifier_data>", 1 },
        PartedDocument{ "OtherRoot", "<timecycle_variables><modifier name=\"a\"/></timecycle_variables>", -1 },
        PartedDocument{ "RootNamePrefix", "<timecycle_modifier_data2><modifier name=\"a\"/></timecycle_modifier_data2>",
                        -1 }),
    [](const testing::TestParamInfo<PartedDocument>& info) { return std::string(info.param.label); });

// A document larger than a part: the notes of its last modifiers name the
// lines of the whole document.
TEST(DocumentParts, ALargeDocumentsNotesNameItsLines)
{
    std::string text = "<timecycle_modifier_data>\n";
    constexpr int kModifiers = 4000;
    for (int i = 0; i < kModifiers; ++i)
        text += "<modifier name=\"m" + std::to_string(i) + "\">\n<fog_start>1 2</fog_start>\n</modifier>\n";
    text += "<modifier name=\"last\" userFlags=\"-1\"/>\n</timecycle_modifier_data>\n";
    ASSERT_GT(text.size(), 2 * 64 * 1024u);

    const DocumentReading reading = ReadModifierDocument(text);

    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(reading.modifiers.size(), kModifiers + 1u);
    EXPECT_THAT(reading.notes, testing::ElementsAre(HasSubstr("line " + std::to_string(2 + 3 * kModifiers) + ": ")));
}
}
