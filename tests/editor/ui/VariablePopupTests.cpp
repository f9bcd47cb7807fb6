// The "Variable" field: its suggestion popup, "Add", the keys in the field,
// and the cut of a suggested name too long for the field.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <cstring>
#include <string>
#include <string_view>

using namespace tceditor;
using testing::ElementsAre;
using testing::IsEmpty;

TEST_F(DetailPaneTest, PopupListsNothingForAnEmptyField)
{
    Select(MakeModifier("popup_mod"));

    ui.Click(kWindow, "##input");

    EXPECT_TRUE(PopupDrawn());
    EXPECT_THAT(Suggestions(), IsEmpty());
}

TEST_F(DetailPaneTest, PopupListsMatchesInAnyCaseExceptTheModifiersLiveParameters)
{
    tcModifier& modifier = MakeModifier("popup_mod", { { kFogStart, 0.5f, 1.0f } });
    Select(modifier);

    ui.Type(kWindow, "##input", "FOG");
    EXPECT_THAT(Suggestions(), ElementsAre("fog_density", "water_fog_density"));

    // A switched-off parameter is not live, so it is offered again.
    ui.Click(kWindow, Check(modifier, kFogStart));
    EXPECT_FALSE(PopupDrawn());
    ui.Type(kWindow, "##input", "");
    EXPECT_THAT(Suggestions(), ElementsAre("fog_density", "fog_start", "water_fog_density"));
}

TEST_F(DetailPaneTest, ClickOnASuggestionFillsTheFieldAndClosesThePopup)
{
    Select(MakeModifier("popup_mod"));
    ui.Type(kWindow, "##input", "water");

    ui.Click("##popup", "water_fog_density");

    EXPECT_STREQ(state.varInput, "water_fog_density");
    EXPECT_FALSE(PopupDrawn());
}

TEST_F(DetailPaneTest, EnterOnAFocusedSuggestionAddsIt)
{
    ImGui::GetIO().ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
    tcModifier& modifier = MakeModifier("popup_mod");
    Select(modifier);
    ui.Type(kWindow, "##input", "fog");
    ASSERT_THAT(Suggestions(), ElementsAre("fog_density", "fog_start", "water_fog_density"));

    // A click on the popup's empty part gives it the keyboard; the arrow keys
    // then move the focus over the suggestions.
    const ImGuiWindow* popup = ImGui::FindWindowByName("##popup");
    ui.MoveMouse(ImVec2(popup->Pos.x + 20.0f, popup->Pos.y + popup->Size.y - 20.0f));
    ImGuiIO& io = ImGui::GetIO();
    io.MouseDown[0] = true;
    ui.Frame();
    io.MouseDown[0] = false;
    ui.Frame();
    ASSERT_TRUE(PopupDrawn());
    ui.Key("down");
    ui.Key("down");
    EXPECT_STREQ(state.varInput, "fog");

    ui.Key("enter");

    EXPECT_NE(Manager().GetTimecycleModData(modifier, kFogStart), nullptr);
    EXPECT_EQ(modifier.numMods, 1);
    EXPECT_STREQ(state.varInput, "");
    EXPECT_FALSE(PopupDrawn());
}

TEST_F(DetailPaneTest, AddAddsTheParameterAndItsRowAppearsInTheNextFrame)
{
    tcModifier& modifier = MakeModifier("add_mod");
    Select(modifier);
    ui.Type(kWindow, "##input", "sky");
    ui.Click("##popup", "sky_tint");

    PressAndRelease("Add");

    const tcModData* live = Manager().GetTimecycleModData(modifier, kSkyTint);
    ASSERT_NE(live, nullptr);
    EXPECT_FLOAT_EQ(live->value1, -2.0f);
    EXPECT_STREQ(state.varInput, "");
    EXPECT_FALSE(RowDrawn(modifier, kSkyTint));

    ui.Frame();
    EXPECT_TRUE(RowDrawn(modifier, kSkyTint));
    EXPECT_TRUE(ui.Find(kWindow, Check(modifier, kSkyTint)).Checked());
    EXPECT_FALSE(PopupDrawn());
}

TEST_F(DetailPaneTest, AddTheHostRefusesKeepsTheText)
{
    tcModifier& modifier = MakeModifier("add_mod");
    Select(modifier);

    for (const char* text : { "", "no_such_variable" })
    {
        SCOPED_TRACE(text);
        ui.SetText(kWindow, "##input", text);
        ui.Click(kWindow, "Add");

        EXPECT_EQ(modifier.numMods, 0);
        EXPECT_STREQ(state.varInput, text);
    }
}

TEST_F(DetailPaneTest, SuggestionLongerThanTheFieldIsCutToFit)
{
    tcModifier& modifier = MakeModifier("long_mod");
    Select(modifier);
    ui.Type(kWindow, "##input", "very_long");

    ui.Click("##popup", LongVarName());

    EXPECT_EQ(std::strlen(state.varInput), kTextBufferSize - 1);
    EXPECT_EQ(std::string(state.varInput), LongVarName().substr(0, kTextBufferSize - 1));
    // The cut name names no variable.
    ui.Click(kWindow, "Add");
    EXPECT_EQ(modifier.numMods, 0);
}

// The suggestion the arrow keys moved to, drawn selected; empty for none.
std::string HighlightedSuggestion(const uidriver::UiDriver& ui)
{
    for (const uidriver::UiItem& item : ui.Items())
        if (std::string_view(item.TopWindowName()) == "##popup" && !item.label.empty() && item.highlighted)
            return item.label;
    return "";
}

TEST_F(DetailPaneTest, EnterInTheFieldAddsTheVariableItsTextNames)
{
    tcModifier& modifier = MakeModifier("enter_mod");
    Select(modifier);

    // A text that names no variable adds nothing and stays.
    ui.Type(kWindow, "##input", "fog");
    ui.Key("enter");
    EXPECT_EQ(modifier.numMods, 0);
    EXPECT_STREQ(state.varInput, "fog");
    EXPECT_FALSE(PopupDrawn());

    ui.Type(kWindow, "##input", "_start");
    ui.Key("enter");

    ASSERT_NE(Manager().GetTimecycleModData(modifier, kFogStart), nullptr);
    EXPECT_STREQ(state.varInput, "");
    EXPECT_TRUE(RowDrawn(modifier, kFogStart));
    EXPECT_FALSE(PopupDrawn());
    state.Undo();
    EXPECT_EQ(modifier.numMods, 0);
}

TEST_F(DetailPaneTest, DownAndUpMoveThroughTheSuggestionsAndEnterAddsOne)
{
    tcModifier& modifier = MakeModifier("keys_mod");
    Select(modifier);
    ui.Type(kWindow, "##input", "fog");
    ASSERT_THAT(Suggestions(), ElementsAre("fog_density", "fog_start", "water_fog_density"));
    EXPECT_EQ(HighlightedSuggestion(ui), "");

    const struct
    {
        const char* key;
        const char* highlighted;
    } steps[] = {
        { "down", "fog_density" },       { "down", "fog_start" }, { "down", "water_fog_density" },
        { "down", "water_fog_density" },  // the last stays
        { "up", "fog_start" },           { "up", "fog_density" }, { "up", "" },  // back to none
        { "down", "fog_density" },       { "down", "fog_start" },
    };
    for (const auto& step : steps)
    {
        ui.Key(step.key);
        EXPECT_EQ(HighlightedSuggestion(ui), step.highlighted) << "after " << step.key;
    }
    EXPECT_STREQ(state.varInput, "fog");

    ui.Key("enter");

    // One Enter adds the suggestion moved to, as one step.
    EXPECT_NE(Manager().GetTimecycleModData(modifier, kFogStart), nullptr);
    EXPECT_EQ(modifier.numMods, 1);
    EXPECT_STREQ(state.varInput, "");
    EXPECT_FALSE(PopupDrawn());
    EXPECT_TRUE(RowDrawn(modifier, kFogStart));
    state.Undo();
    EXPECT_EQ(modifier.numMods, 0);
}

TEST_F(DetailPaneTest, TypingAfterMovingStartsTheSuggestionsAfresh)
{
    Select(MakeModifier("keys_mod"));
    ui.Type(kWindow, "##input", "fog");
    ui.Key("down");
    ui.Key("down");
    ASSERT_EQ(HighlightedSuggestion(ui), "fog_start");

    ui.Type(kWindow, "##input", "_");
    EXPECT_THAT(Suggestions(), ElementsAre("fog_density", "fog_start", "water_fog_density"));
    EXPECT_EQ(HighlightedSuggestion(ui), "");
    ui.Key("down");
    EXPECT_EQ(HighlightedSuggestion(ui), "fog_density");
}

TEST_F(DetailPaneTest, EscapeClosesTheSuggestionsAndKeepsTheText)
{
    Select(MakeModifier("escape_mod"));
    ui.Type(kWindow, "##input", "fog");
    ui.Key("down");
    ASSERT_TRUE(PopupDrawn());

    ui.Key("escape");

    EXPECT_FALSE(PopupDrawn());
    EXPECT_STREQ(state.varInput, "fog");
    ui.Frame();
    EXPECT_FALSE(PopupDrawn());
    // Opened again, nothing is highlighted.
    ui.Type(kWindow, "##input", "");
    EXPECT_TRUE(PopupDrawn());
    EXPECT_EQ(HighlightedSuggestion(ui), "");
}
