// Reversible editing in real frames: the "Edit" row, the keys, every step
// kind undone and redone with the game's records as the judge, "Revert",
// "Compare", the value context menu, the change marks, and the drags and
// typed values that never destroy a value.
#include "DetailPaneFixture.h"
#include "GameRecords.h"

#include <gmock/gmock.h>

#include <functional>
#include <ostream>
#include <string>

using namespace tceditor;
using testing::HasSubstr;

namespace
{
constexpr ImU32 kChangedRow = IM_COL32(255, 190, 90, 255);
constexpr ImU32 kChangedValue = IM_COL32(122, 82, 18, 255);
}

class EditingTest : public DetailPaneTest
{
public:
    using DetailPaneTest::Check;
    using DetailPaneTest::DeleteRow;
    using DetailPaneTest::state;
    using DetailPaneTest::ui;
    using DetailPaneTest::Value1;
    using DetailPaneTest::Value2;

    // Opens the value's context menu and picks an item of it.
    void PickFromValueMenu(const std::string& valueLabel, const char* item)
    {
        ui.RightClick(kWindow, valueLabel);
        ui.Click(kWindow, item);
    }

protected:
    tcModData* Live(const char* modifier, int varId)
    {
        tcModifier* found = timecycle::FindModifier(modifier);
        return found ? Manager().GetTimecycleModData(*found, varId) : nullptr;
    }

    // The line of the "Edit" row, or empty.
    std::string EditRow() const
    {
        for (const std::string& line : DetailTexts())
            if (line.starts_with("Edit "))
                return line;
        return {};
    }

    bool ShowsPart(std::string_view text) const
    {
        const std::vector<std::string> lines = ui.Texts(kWindow);
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    void MouseAwayFromWindows() { ui.MoveMouse(ImVec2(1590.0f, 990.0f)); }

    // Whether the last frame drew anything in `colour` inside the widget.
    bool DrawsColour(const std::string& label, ImU32 colour)
    {
        const uidriver::UiItem item = ui.Find(kWindow, label);
        const ImDrawList& drawList = *item.window->DrawList;
        return std::any_of(drawList.VtxBuffer.begin(), drawList.VtxBuffer.end(), [&](const ImDrawVert& vertex) {
            return vertex.col == colour && item.rect.Contains(vertex.pos);
        });
    }
};

TEST_F(EditingTest, EditRowSitsBelowControlsAndOffersOnlyWhatCanBeDone)
{
    tcModifier& modifier = MakeModifier("edit_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);

    const std::vector<std::string> lines = DetailTexts();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Controls [ Create ] [ Rename ] [ Clone ] [ Delete ] [ Generate XML ]");
    EXPECT_EQ(lines[2],
              "Edit [ Undo ] [ Redo ] [ Revert ] [ Compare ] [ Paste XML ] [ Copy changed ] [ Save changed ]");
    for (const char* button : { "Undo", "Redo", "Revert", "Compare", "Copy changed", "Save changed" })
        EXPECT_TRUE(ui.Find(kWindow, button).Disabled()) << button;
    EXPECT_FALSE(ui.Find(kWindow, "Paste XML").Disabled());

    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");

    EXPECT_FALSE(ui.Find(kWindow, "Undo").Disabled());
    EXPECT_TRUE(ui.Find(kWindow, "Redo").Disabled());
    EXPECT_FALSE(ui.Find(kWindow, "Revert").Disabled());
    EXPECT_FALSE(ui.Find(kWindow, "Compare").Disabled());
    EXPECT_FALSE(ui.Find(kWindow, "Copy changed").Disabled());
    EXPECT_FALSE(ui.Find(kWindow, "Save changed").Disabled());
}

TEST_F(EditingTest, ButtonsUndoAndRedoAndTheirTooltipsNameTheStep)
{
    tcModifier& modifier = MakeModifier("tod_sunrise_warm", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");
    ASSERT_FLOAT_EQ(Live("tod_sunrise_warm", kFogStart)->value1, 3.5f);

    ui.Hover(kWindow, "Undo");
    ui.Frame();
    EXPECT_TRUE(ShowsPart("Undo: fog_start 1.000 -> 3.500 in tod_sunrise_warm"));

    ui.Click(kWindow, "Undo");
    EXPECT_FLOAT_EQ(Live("tod_sunrise_warm", kFogStart)->value1, 1.0f);
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(kFogStart).value1, 1.0f);
    EXPECT_TRUE(ui.Find(kWindow, "Undo").Disabled());

    ui.Hover(kWindow, "Redo");
    ui.Frame();
    EXPECT_TRUE(ShowsPart("Redo: fog_start 1.000 -> 3.500 in tod_sunrise_warm"));
    ui.Click(kWindow, "Redo");
    EXPECT_FLOAT_EQ(Live("tod_sunrise_warm", kFogStart)->value1, 3.5f);
}

TEST_F(EditingTest, KeysUndoAndRedoOutsideTextFieldsOnly)
{
    tcModifier& modifier = MakeModifier("keys_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");

    // Inside a text field the keys are the field's.
    ui.SetText(kWindow, "##detail_filter_param", "fog");
    ui.Key("ctrl+z");
    EXPECT_FLOAT_EQ(Live("keys_mod", kFogStart)->value1, 3.5f);
    ui.Key("enter");

    ui.Key("ctrl+z");
    EXPECT_FLOAT_EQ(Live("keys_mod", kFogStart)->value1, 1.0f);
    ui.Key("ctrl+y");
    EXPECT_FLOAT_EQ(Live("keys_mod", kFogStart)->value1, 3.5f);
    ui.Key("ctrl+z");
    ui.Key("ctrl+shift+z");
    EXPECT_FLOAT_EQ(Live("keys_mod", kFogStart)->value1, 3.5f);
}

// Each change the table and the controls make is one step, undone and redone
// by the keys; the game's records are the judge.
struct UiStepCase
{
    const char* name;
    std::function<void(EditingTest&, tcModifier&)> act;
    // Brings the game to where the step starts from, if needed.
    std::function<void(EditingTest&, tcModifier&)> prepare = {};
};

void PrintTo(const UiStepCase& param, std::ostream* out)
{
    *out << param.name;
}

class UiStepTest : public EditingTest, public testing::WithParamInterface<UiStepCase>
{
};

TEST_P(UiStepTest, TheKeysUndoAndRedoTheStep)
{
    tcModifier& modifier =
        MakeModifier("step_mod", { { kFogDensity, 0.25f, 0.5f }, { kFogStart, 1.0f, 2.0f }, { kSkyTint, -1.0f, -1.5f } });
    modifier.userFlags = 9;
    MakeModifier("other_mod", { { kZeroVar, 0.5f, 0.5f } });
    Select(modifier);
    if (GetParam().prepare)
    {
        GetParam().prepare(*this, modifier);
        state.history.Clear();
    }
    const gamerecords::Records before = gamerecords::Read();

    GetParam().act(*this, modifier);
    const gamerecords::Records after = gamerecords::Read();
    ASSERT_NE(after, before);
    ASSERT_TRUE(state.history.CanUndo());

    ui.Key("ctrl+z");
    EXPECT_EQ(gamerecords::Read(), before);
    EXPECT_FALSE(state.history.CanUndo());
    ui.Key("ctrl+y");
    EXPECT_EQ(gamerecords::Read(), after);
    ui.Key("ctrl+z");
    EXPECT_EQ(gamerecords::Read(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, UiStepTest,
    testing::Values(
        UiStepCase{ "Drag", [](EditingTest& t, tcModifier& m) {
                       t.ui.Drag("Timecycle Editor", EditingTest::Value2(m, EditingTest::kFogStart), ImVec2(30.0f, 0.0f));
                   } },
        UiStepCase{ "TypedValue", [](EditingTest& t, tcModifier& m) {
                       t.ui.EnterValue("Timecycle Editor", EditingTest::Value1(m, EditingTest::kSkyTint), "-7.25");
                   } },
        UiStepCase{ "SwitchOff", [](EditingTest& t, tcModifier& m) {
                       t.ui.Click("Timecycle Editor", EditingTest::Check(m, EditingTest::kFogStart));
                   } },
        UiStepCase{ "SwitchOn",
                    [](EditingTest& t, tcModifier& m) {
                        t.ui.Click("Timecycle Editor", EditingTest::Check(m, EditingTest::kFogStart));
                    },
                    [](EditingTest& t, tcModifier& m) {
                        t.ui.Click("Timecycle Editor", EditingTest::Check(m, EditingTest::kFogStart));
                    } },
        UiStepCase{ "DeleteRow", [](EditingTest& t, tcModifier& m) {
                       t.ui.Click("Timecycle Editor", EditingTest::DeleteRow(m, EditingTest::kFogDensity));
                   } },
        UiStepCase{ "Add", [](EditingTest& t, tcModifier&) {
                       t.ui.SetText("Timecycle Editor", "##input", "water_fog_density");
                       t.ui.Click("Timecycle Editor", "Add");
                   } },
        UiStepCase{ "Create", [](EditingTest& t, tcModifier&) {
                       t.ui.SetText("Timecycle Editor", "##detail_name", "fresh_mod");
                       t.ui.Click("Timecycle Editor", "Create");
                   } },
        UiStepCase{ "Clone", [](EditingTest& t, tcModifier&) {
                       t.ui.SetText("Timecycle Editor", "##detail_name", "copied_mod");
                       t.ui.Click("Timecycle Editor", "Clone");
                   } },
        UiStepCase{ "Rename", [](EditingTest& t, tcModifier&) {
                       t.ui.SetText("Timecycle Editor", "##detail_name", "renamed_mod");
                       t.ui.Click("Timecycle Editor", "Rename");
                   } },
        UiStepCase{ "DeleteModifier", [](EditingTest& t, tcModifier&) {
                       t.ui.Click("Timecycle Editor", "Delete", 0);
                   } },
        UiStepCase{ "ResetToDefault", [](EditingTest& t, tcModifier& m) {
                       t.PickFromValueMenu(EditingTest::Value1(m, EditingTest::kFogDensity), "Reset to default");
                   } }),
    [](const testing::TestParamInfo<UiStepCase>& info) { return std::string(info.param.name); });

TEST_F(EditingTest, ApplyingAModifierIsNoStep)
{
    tcModifier& modifier = MakeModifier("applied_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);

    ui.Click(kWindow, "As primary");
    ui.Click(kWindow, "As transition");
    ui.Click(kWindow, "Apply selected");

    EXPECT_EQ(TimecycleManager::GetScriptData()->primaryIndex, smallgame::IndexOf(modifier));
    EXPECT_FALSE(state.history.CanUndo());
    EXPECT_EQ(state.changes.ChangedCount(), 0);
}

TEST_F(EditingTest, UndoingADeletedModifierBringsItBackWhole)
{
    tcModifier& doomed = MakeModifier("doomed_mod", { { kSkyTint, -1.0f, -1.5f },
                                                      { kFogDensity, 0.25f, 0.5f },
                                                      { kWaterFogDensity, 0.125f, 0.0625f },
                                                      { kFogStart, 1.0f, 2.0f } });
    doomed.userFlags = 0xFFFFFFFFu;
    Select(doomed);
    const gamerecords::Records before = gamerecords::Read();

    ui.Click(kWindow, "Delete", 0);
    ASSERT_EQ(timecycle::FindModifier("doomed_mod"), nullptr);
    ui.Key("ctrl+z");

    EXPECT_EQ(gamerecords::Read(), before);
    tcModifier* back = timecycle::FindModifier("doomed_mod");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(state.SelectedModifier(), back);
    EXPECT_TRUE(RowDrawn(*back, kWaterFogDensity));
    EXPECT_THAT(DetailTexts(), testing::Contains(HasSubstr("Name { doomed_mod }")));
}

TEST_F(EditingTest, RevertPutsTheModifierBackAsOneStep)
{
    tcModifier& modifier = MakeModifier("revert_mod", { { kFogDensity, 0.25f, 0.5f }, { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    const gamerecords::Records original = gamerecords::Read();

    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");
    ui.Click(kWindow, Check(modifier, kFogDensity));
    ui.SetText(kWindow, "##detail_name", "reverted_mod");
    ui.Click(kWindow, "Rename");
    const gamerecords::Records edited = gamerecords::Read();

    ui.Click(kWindow, "Revert");
    EXPECT_EQ(gamerecords::Read(), original);
    EXPECT_TRUE(ui.Find(kWindow, "Revert").Disabled());
    EXPECT_TRUE(state.selection.switchedOff.empty());

    ui.Click(kWindow, "Undo");
    EXPECT_EQ(gamerecords::Read(), edited);
}

TEST_F(EditingTest, ValueMenuCopiesPastesAndResetsEachAsOneStep)
{
    tcModifier& modifier = MakeModifier("menu_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    const std::string value = Value1(modifier, kFogStart);
    ui.EnterValue(kWindow, value, "3.5");

    PickFromValueMenu(value, "Copy value");
    EXPECT_EQ(ui.Clipboard(), "3.5");

    PickFromValueMenu(value, "Reset to default");
    EXPECT_FLOAT_EQ(Live("menu_mod", kFogStart)->value1, 2.0f);
    PickFromValueMenu(value, "Paste value");
    EXPECT_FLOAT_EQ(Live("menu_mod", kFogStart)->value1, 3.5f);
    PickFromValueMenu(value, "Reset to original");
    EXPECT_FLOAT_EQ(Live("menu_mod", kFogStart)->value1, 1.0f);

    // Text that is not a finite number cannot be pasted.
    for (const char* text : { "fog", "1e39", "nan", "" })
    {
        ui.SetClipboard(text);
        ui.RightClick(kWindow, value);
        EXPECT_TRUE(ui.Find(kWindow, "Paste value").Disabled()) << text;
        ui.Key("escape");
    }

    for (float expected : { 3.5f, 2.0f, 3.5f, 1.0f })
    {
        ui.Key("ctrl+z");
        EXPECT_FLOAT_EQ(Live("menu_mod", kFogStart)->value1, expected);
    }
}

TEST_F(EditingTest, ChangedModifiersAndValuesAreMarked)
{
    tcModifier& modifier = MakeModifier("marked_mod", { { kFogStart, 1.0f, 2.0f } });
    MakeModifier("plain_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    EXPECT_TRUE(ShowsPart("Changed this session: 0"));

    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");
    MouseAwayFromWindows();

    EXPECT_TRUE(ShowsPart("Changed this session: 1"));
    EXPECT_TRUE(ui.Exists(kWindow, "marked_mod")) << "the label stays the name";
    EXPECT_TRUE(DrawsColour("marked_mod", kChangedRow));
    EXPECT_FALSE(DrawsColour("plain_mod", kChangedRow));
    EXPECT_TRUE(DrawsColour(Value1(modifier, kFogStart), kChangedValue));
    EXPECT_FALSE(DrawsColour(Value2(modifier, kFogStart), kChangedValue));

    ui.Hover(kWindow, Value1(modifier, kFogStart));
    ui.Frame();
    EXPECT_TRUE(ShowsPart("Original: 1.000"));

    ui.Key("ctrl+z");
    MouseAwayFromWindows();
    EXPECT_TRUE(ShowsPart("Changed this session: 0"));
    EXPECT_FALSE(DrawsColour("marked_mod", kChangedRow));
}

TEST_F(EditingTest, AValueFarOutsideTheDragRangeDoesNotSnapIntoIt)
{
    tcModifier& modifier = MakeModifier("far_mod", { { kZeroVar, 292.695f, 0.0f } });
    Select(modifier);

    ui.Drag(kWindow, Value1(modifier, kZeroVar), ImVec2(-10.0f, 0.0f));

    // 0.02 per pixel, less the few pixels before a drag takes hold.
    EXPECT_NEAR(Live("far_mod", kZeroVar)->value1, 292.5f, 0.1f);

    ui.Drag(kWindow, Value1(modifier, kZeroVar), ImVec2(40.0f, 0.0f));
    EXPECT_GT(Live("far_mod", kZeroVar)->value1, 292.0f);
}

TEST_F(EditingTest, TypedValuesThatAreNotFiniteLeaveTheValueAlone)
{
    tcModifier& modifier = MakeModifier("finite_mod", { { kFogStart, 1.5f, 2.0f } });
    Select(modifier);

    for (const char* typed : { "1e39", "inf", "nan", "-1e39" })
    {
        ui.EnterValue(kWindow, Value1(modifier, kFogStart), typed);
        EXPECT_FLOAT_EQ(Live("finite_mod", kFogStart)->value1, 1.5f) << typed;
        EXPECT_FLOAT_EQ(state.selection.workingParams.at(kFogStart).value1, 1.5f) << typed;
    }
    EXPECT_FALSE(state.history.CanUndo());
}

TEST_F(EditingTest, AValueTheGameChangedIsShownAndADragStartsFromIt)
{
    tcModifier& modifier = MakeModifier("behind_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);

    Live("behind_mod", kFogStart)->value1 = 4.0f;
    ui.Frame();
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(kFogStart).value1, 4.0f);
    EXPECT_TRUE(ShowsPart("4.000"));
    EXPECT_FALSE(state.history.CanUndo()) << "taking the live value is no step";

    ui.Hover(kWindow, Value1(modifier, kFogStart));
    const float start = ImGui::GetIO().MousePos.x;
    ui.Drag(kWindow, Value1(modifier, kFogStart), ImVec2(40.0f, 0.0f));
    const float moved = ImGui::GetIO().MousePos.x - start;
    EXPECT_NEAR(Live("behind_mod", kFogStart)->value1, 4.0f + moved * 0.1f, 0.0011f);
    EXPECT_THAT(state.history.UndoDescription(), HasSubstr("fog_start 4.000 -> "));
}

TEST_F(EditingTest, TypingLeftForAnotherModifierIsDropped)
{
    tcModifier& first = MakeModifier("first_mod", { { kFogStart, 1.0f, 2.0f } });
    MakeModifier("second_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(first);

    // Typing begins and the user picks another modifier before Enter.
    BeginTypedValue(Value1(first, kFogStart));
    ImGui::GetIO().AddInputCharactersUTF8("9");
    ui.Frame(2);
    ui.Click(kWindow, "second_mod");

    EXPECT_FLOAT_EQ(Live("first_mod", kFogStart)->value1, 1.0f);
    EXPECT_FALSE(state.history.CanUndo());
    // The other modifier's row still shows what the game has.
    Live("second_mod", kFogStart)->value1 = 4.0f;
    ui.Frame();
    EXPECT_FLOAT_EQ(state.selection.workingParams.at(kFogStart).value1, 4.0f);
}

TEST_F(EditingTest, AStepWhoseModifierTheGameRemovedIsSkippedWithAMessage)
{
    tcModifier& first = MakeModifier("first_mod", { { kFogStart, 1.0f, 2.0f } });
    tcModifier& second = MakeModifier("second_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(first);
    ui.EnterValue(kWindow, Value1(first, kFogStart), "3.5");
    ui.Click(kWindow, "second_mod");
    ui.EnterValue(kWindow, Value1(second, kFogStart), "4.5");
    Manager().RemoveTimecycle(first);

    ui.Click(kWindow, "Undo");
    EXPECT_FLOAT_EQ(Live("second_mod", kFogStart)->value1, 1.0f);
    ui.Click(kWindow, "Undo");

    EXPECT_THAT(EditRow(), HasSubstr("Undo skipped (the game no longer has first_mod)"));
    EXPECT_FALSE(state.history.CanUndo());
}

TEST_F(EditingTest, TheHistoryKeepsItsBoundAndTheNetworkResetEmptiesIt)
{
    tcModifier& modifier = MakeModifier("bound_mod", { { kFogStart, 1.0f, 2.0f } });
    Select(modifier);
    ui.EnterValue(kWindow, Value1(modifier, kFogStart), "2");
    state.history.SetByteLimit(3 * state.history.Bytes());
    for (const char* typed : { "3", "4", "5", "6" })
        ui.EnterValue(kWindow, Value1(modifier, kFogStart), typed);

    int undone = 0;
    while (!ui.Find(kWindow, "Undo").Disabled())
    {
        ui.Click(kWindow, "Undo");
        ++undone;
    }
    EXPECT_EQ(undone, 3);
    EXPECT_FLOAT_EQ(Live("bound_mod", kFogStart)->value1, 3.0f);

    ui.Click(kWindow, "Redo");
    state.ResetEditorState();
    EXPECT_FALSE(state.history.CanUndo());
    EXPECT_FALSE(state.history.CanRedo());
    EXPECT_EQ(state.changes.ChangedCount(), 0);
}
