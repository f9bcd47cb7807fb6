// "Compare" held and let go: the game shows the original only while the
// button is held, the table shows it too (greyed, read-only), the edit comes
// back exactly, and whatever the game changed meanwhile is left alone.
#include "DetailPaneFixture.h"
#include "editing/TableValues.h"
#include "GameRecords.h"

#include <gmock/gmock.h>

#include <ostream>
#include <string>

using namespace tceditor;

class CompareTest : public DetailPaneTest
{
protected:
    void SetUp() override
    {
        DetailPaneTest::SetUp();
        tcModifier& modifier =
            MakeModifier("compare_mod", { { kFogDensity, 0.25f, 0.5f }, { kFogStart, 1.0f, 2.0f } });
        modifier.userFlags = 3;
        Select(modifier);
        original = gamerecords::Read();
        // The edit: a value changed, a parameter deleted, one added.
        ui.EnterValue(kWindow, Value1(modifier, kFogStart), "3.5");
        ui.Click(kWindow, DeleteRow(modifier, kFogDensity));
        ui.SetText(kWindow, "##input", "sky_tint");
        ui.Click(kWindow, "Add");
        edited = gamerecords::Read();
    }

    tcModifier& Compared() { return *timecycle::FindModifier("compare_mod"); }

    void PressAndHold()
    {
        ui.Hover(kWindow, "Compare");
        ImGui::GetIO().MouseDown[0] = true;
        ui.Frame(3);
    }
    void Release()
    {
        ImGui::GetIO().MouseDown[0] = false;
        ui.Frame(2);
    }

    gamerecords::Records original;
    gamerecords::Records edited;
};

TEST_F(CompareTest, TheTableShowsTheOriginalGreyedWhileHeldAndTheEditAfter)
{
    tcModifier& modifier = Compared();
    PressAndHold();
    ASSERT_EQ(gamerecords::Read(), original);

    // The values the cells read are the original's; a row the original lacks
    // shows none.
    const ShownValues fogStart = TableValues(state, kFogStart);
    ASSERT_TRUE(fogStart.original);
    ASSERT_NE(fogStart.values, nullptr);
    EXPECT_EQ(fogStart.values->value1, 1.0f);
    EXPECT_EQ(TableValues(state, kSkyTint).values, nullptr);
    for (const std::string& cell : { Value1(modifier, kFogStart), Value2(modifier, kSkyTint) })
        EXPECT_TRUE(ui.Find(kWindow, cell).Disabled()) << cell;
    const std::vector<std::string> texts = ui.Texts(kWindow);
    EXPECT_THAT(texts, testing::Contains(testing::HasSubstr("1.000")));
    EXPECT_THAT(texts, testing::Contains(testing::HasSubstr("not in the original")));
    EXPECT_THAT(texts, testing::Not(testing::Contains(testing::HasSubstr("3.500"))));

    Release();
    EXPECT_EQ(gamerecords::Read(), edited);
    const ShownValues after = TableValues(state, kFogStart);
    EXPECT_FALSE(after.original);
    EXPECT_EQ(after.values->value1, 3.5f);
    EXPECT_FALSE(ui.Find(kWindow, Value1(modifier, kFogStart)).Disabled());
    EXPECT_EQ(state.selection.workingParams.count(kFogDensity), 0u);
}

// The original has a parameter the session deleted: after a click on
// "Compare" its row must not come back, and the edit is back whole.
TEST_F(CompareTest, AClickBringsBackNoDeletedParameter)
{
    tcModifier& modifier = Compared();
    PressAndRelease("Compare");
    ui.Frame();

    EXPECT_EQ(gamerecords::Read(), edited);
    EXPECT_FALSE(RowDrawn(modifier, kFogDensity));
    EXPECT_EQ(state.selection.workingParams.count(kFogDensity), 0u);
}

// Compare ends whenever the button is not held; each way puts back exactly
// the edit.
struct CompareEnd
{
    const char* name;
    void (*end)(CompareTest&, TimecycleEditorState&);
};

void PrintTo(const CompareEnd& param, std::ostream* out)
{
    *out << param.name;
}

class CompareEndTest : public CompareTest, public testing::WithParamInterface<CompareEnd>
{
public:
    using CompareTest::ui;
};

TEST_P(CompareEndTest, TheEditComesBackExactly)
{
    const size_t steps = state.history.StepCount();
    PressAndHold();
    ASSERT_EQ(gamerecords::Read(), original);
    EXPECT_EQ(state.history.StepCount(), steps) << "showing the original is no step";
    GetParam().end(*this, state);
    EXPECT_EQ(gamerecords::Read(), edited);
    EXPECT_FALSE(state.comparedEdit.has_value());
    ImGui::GetIO().MouseDown[0] = false;
    ui.Frame(2);
    EXPECT_EQ(gamerecords::Read(), edited);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CompareEndTest,
    testing::Values(CompareEnd{ "Release",
                                [](CompareTest& t, TimecycleEditorState&) {
                                    ImGui::GetIO().MouseDown[0] = false;
                                    static_cast<CompareEndTest&>(t).ui.Frame(2);
                                } },
                    // Another window takes the focus while the button is down.
                    CompareEnd{ "FocusLost",
                                [](CompareTest& t, TimecycleEditorState&) {
                                    ImGui::FocusWindow(nullptr);
                                    static_cast<CompareEndTest&>(t).ui.Frame(2);
                                } },
                    CompareEnd{ "EditorReset",
                                [](CompareTest&, TimecycleEditorState& s) { s.ResetEditorState(); } }),
    [](const testing::TestParamInfo<CompareEnd>& info) { return std::string(info.param.name); });

// The game changes the modifier while its original is shown: the release
// leaves the game's change alone and says so.
TEST_F(CompareTest, AChangeTheGameMadeWhileHeldIsLeftAlone)
{
    PressAndHold();
    Manager().GetTimecycleModData(Compared(), kFogDensity)->value1 = 0.75f;
    const gamerecords::Records changedByGame = gamerecords::Read();
    Release();

    EXPECT_EQ(gamerecords::Read(), changedByGame);
    EXPECT_EQ(Status(), "Compare ended: the game changed compare_mod while its original was shown, so the edit was "
                        "not put back");
    // The table follows the game.
    EXPECT_EQ(state.selection.workingParams.at(kFogDensity).value1, 0.75f);
    EXPECT_EQ(state.selection.workingParams.count(kSkyTint), 0u);
}

TEST_F(CompareTest, AModifierTheGameRemovedWhileHeldIsNotMadeAgain)
{
    PressAndHold();
    Manager().RemoveTimecycle(Compared());
    const gamerecords::Records removedByGame = gamerecords::Read();
    Release();

    EXPECT_EQ(gamerecords::Read(), removedByGame);
    EXPECT_EQ(timecycle::FindModifier("compare_mod"), nullptr);
    EXPECT_EQ(Status(), "Compare ended: the game no longer has compare_mod, so the edit was not put back");
}
