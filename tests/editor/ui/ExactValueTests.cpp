// Values and names as the game holds them, in real frames: a typed operation
// acts on the exact value, "Generate XML" says what its three decimals
// rounded while "Copy parameters" keeps it exact, a long name is never cut by
// the name field, and the status line stays short whatever a paste reports.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <bit>

using testing::Contains;
using testing::HasSubstr;
using testing::Not;

namespace
{
constexpr float kPrecise1 = 0.12345f;
constexpr float kPrecise2 = 0.0004f;

uint32_t Bits(float value)
{
    return std::bit_cast<uint32_t>(value);
}
}

class ExactValueTest : public DetailPaneTest
{
protected:
    tcModData& LiveEntry(tcModifier& modifier, int varId)
    {
        tcModData* entry = Manager().GetTimecycleModData(modifier, varId);
        if (!entry)
            throw std::runtime_error("no such parameter");
        return *entry;
    }
};

TEST_F(ExactValueTest, ATypedOperationActsOnTheExactValue)
{
    tcModifier& modifier = MakeModifier("precise_mod", { { kFogStart, kPrecise1, kPrecise2 } });
    Select(modifier);

    for (const char* operation : { "+0", "*1", "/1", "+ 0" })
    {
        ui.EnterValue(kWindow, Value1(modifier, kFogStart), operation);
        ui.EnterValue(kWindow, Value2(modifier, kFogStart), operation);
        EXPECT_EQ(Bits(LiveEntry(modifier, kFogStart).value1), Bits(kPrecise1)) << operation;
        EXPECT_EQ(Bits(LiveEntry(modifier, kFogStart).value2), Bits(kPrecise2)) << operation;
    }

    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "+1");
    EXPECT_EQ(Bits(LiveEntry(modifier, kFogStart).value1), Bits(kPrecise1 + 1.0f));
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "*0.5");
    EXPECT_EQ(Bits(LiveEntry(modifier, kFogStart).value1), Bits((kPrecise1 + 1.0f) * 0.5f));
    // A plain number is taken as typed.
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "0.25");
    EXPECT_EQ(LiveEntry(modifier, kFogStart).value1, 0.25f);
}

TEST_F(ExactValueTest, TypingThatEndsWithTheShownTextOrEscapeKeepsTheExactValue)
{
    tcModifier& modifier = MakeModifier("precise_mod", { { kFogStart, kPrecise1, kPrecise2 } });
    Select(modifier);

    // Enter on the text as it was shown.
    BeginTypedValue(Value1(modifier, kFogStart));
    ui.Key("enter");
    EXPECT_EQ(Bits(LiveEntry(modifier, kFogStart).value1), Bits(kPrecise1));

    // Something typed, then Escape.
    BeginTypedValue(Value2(modifier, kFogStart));
    ImGui::GetIO().AddInputCharactersUTF8("7");
    ui.Frame();
    ui.Key("escape");
    EXPECT_EQ(Bits(LiveEntry(modifier, kFogStart).value2), Bits(kPrecise2));
    EXPECT_FALSE(state.history.CanUndo());
}

TEST_F(ExactValueTest, GenerateXmlSaysHowManyValuesItsThreeDecimalsRounded)
{
    tcModifier& precise = MakeModifier("precise_mod", { { kFogStart, kPrecise1, kPrecise2 }, { kSkyTint, 0.5f, 1.0f } });
    tcModifier& plain = MakeModifier("plain_mod", { { kFogStart, 0.125f, -2.0f } });

    Select(precise);
    ui.Click(kWindow, "Generate XML");
    EXPECT_THAT(state.xmlOutput, HasSubstr("<fog_start>0.123 0.000</fog_start>"));
    EXPECT_THAT(ui.Texts(kWindow),
                Contains("2 values rounded to three decimals; \"Copy changed\" and \"Copy parameters\" keep them exact"));

    Select(plain);
    ui.Click(kWindow, "Generate XML");
    EXPECT_THAT(state.xmlOutput, HasSubstr("<fog_start>0.125 -2.000</fog_start>"));
    EXPECT_THAT(ui.Texts(kWindow), Not(Contains(HasSubstr("rounded to three decimals"))));

    // The row's "Copy parameters" writes the values exactly.
    ui.RightClick(kWindow, "precise_mod");
    ui.Click(kWindow, "Copy parameters");
    EXPECT_THAT(ui.Clipboard(), HasSubstr("<fog_start>0.12345 0.0004</fog_start>"));
}

// The name field holds 127 bytes; a longer name the game holds is shown cut
// and never given to a modifier as it stands.
TEST_F(ExactValueTest, ANameTheFieldShowsOnlyTheStartOfIsRefusedWithTheReason)
{
    const std::string longName = "long_" + std::string(195, 'n');
    tcModifier& modifier = MakeModifier(longName, { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);

    for (const char* action : { "Rename", "Clone", "Create" })
    {
        ui.Click(kWindow, action);
        EXPECT_EQ(Status(), std::string(action) + " refused: the name field holds 127 bytes and shows only the start "
                                                   "of a 200-byte name; type a name that fits");
        EXPECT_EQ(Manager().GetTimecycleName(modifier), longName);
        EXPECT_EQ(LiveGame().Modifiers().size(), 1u) << action;
        EXPECT_FALSE(state.history.CanUndo()) << action;
    }

    // Once edited, the field's text is the user's own, whatever its start.
    ui.Type(kWindow, "##detail_name", "");
    ui.Key("backspace");
    ui.Click(kWindow, "Rename");
    EXPECT_EQ(Manager().GetTimecycleName(modifier), longName.substr(0, 126));
}

// A paste that reports 10,000 items names a few and counts the rest.
TEST_F(ExactValueTest, TheStatusLineOfAPasteNamesAFewItemsAndCountsTheRest)
{
    tcModifier& modifier = MakeModifier("target_mod");
    Select(modifier);
    std::string text = "<timecycle_modifier_data>\n<modifier name=\"target_mod\">\n";
    for (int i = 0; i < 10000; ++i)
        text += "<fog_start>1 2</fog_start>\n";
    text += "</modifier>\n</timecycle_modifier_data>\n";

    ui.SetClipboard(text);
    ui.Click(kWindow, "Paste XML");

    const std::string status = Status();
    EXPECT_THAT(status, HasSubstr("\"fog_start\" is given twice; the second one is skipped; and 9,994 more"));
    EXPECT_LT(status.size(), 1000u) << status.size();
    EXPECT_EQ(Manager().GetTimecycleModData(modifier, kFogStart)->value2, 2.0f);
}
