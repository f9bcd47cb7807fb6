// The "Variable" field: its suggestion popup, "Add", and the cut of a
// suggested name too long for the field.
#include "DetailPaneFixture.h"

#include <gmock/gmock.h>

#include <cstring>

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

TEST_F(DetailPaneTest, EnterOnAFocusedSuggestionFillsTheField)
{
    ImGui::GetIO().ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
    Select(MakeModifier("popup_mod"));
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

    EXPECT_STREQ(state.varInput, "fog_start");
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
