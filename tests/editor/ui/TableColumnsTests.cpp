// The parameter table's columns over the stand-in game: the "Name" column as
// wide as the longest name it shows, the swatch before a colour's channel
// included, so that no name is cut.
#include "DetailPaneFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace tceditor;

namespace
{
enum LongVar
{
    kDownR,
    kDownG,
    kDownB,
    kMult,
    kLongVarCount
};

const smallgame::Variable kLongNames[kLongVarCount] = {
    { "light_ambient_down_col_r", 0.5f },
    { "light_ambient_down_col_g", 0.5f },
    { "light_ambient_down_col_b", 0.5f },
    { "light_ambient_down_mult", 1.0f },
};
}

class TableColumnsTest : public DetailPaneTest
{
protected:
    void SetUp() override
    {
        DetailPaneTest::SetUp();
        smallgame::LoadVariables(kLongNames, m_folder / "long-names.xml");
    }
};

TEST_F(TableColumnsTest, NameColumnFitsTheLongestNameAfterItsSwatch)
{
    tcModifier& modifier = MakeModifier("long_names", { { kDownR, 0.1f, 0.1f }, { kDownG, 0.2f, 0.2f },
                                                        { kDownB, 0.3f, 0.3f }, { kMult, 1.0f, 1.0f } });
    Select(modifier);
    ui.Frame(2);
    for (int varId : { kDownR, kDownG, kDownB })
    {
        // The swatch's cell ends where the "Name" column does.
        const uidriver::UiItem swatch = ui.Find(kWindow, RowLabel(modifier, varId, "colour"));
        const float nameEnds =
            swatch.rect.Max.x + ImGui::GetStyle().ItemSpacing.x + ImGui::CalcTextSize(kLongNames[varId].name).x;
        EXPECT_LE(nameEnds, swatch.clipRect.Max.x) << kLongNames[varId].name;
    }
}
