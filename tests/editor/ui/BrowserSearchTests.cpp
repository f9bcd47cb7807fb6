// The browser's two search fields narrow the list by name and by parameter.
#include "EditorOverSmallGame.h"

#include <gmock/gmock.h>

using namespace tceditor;
using testing::ElementsAre;
using testing::ElementsAreArray;

namespace
{
using BrowserSearch = EditorOverSmallGame;

constexpr const char* kByName = "##controls_search_name";
constexpr const char* kByParam = "##controls_search_param";

struct SearchCase
{
    const char* name;
    const char* byName;
    const char* byParam;
    std::vector<std::string> listed;
};

void PrintTo(const SearchCase& search, std::ostream* out)
{
    *out << search.name;
}

class BrowserSearchQuery : public EditorOverSmallGame, public testing::WithParamInterface<SearchCase>
{
};

TEST_P(BrowserSearchQuery, ListsTheModifiersThatPass)
{
    const SearchCase& search = GetParam();
    ui.Frame();
    if (*search.byName)
        ui.Type(kWindow, kByName, search.byName);
    if (*search.byParam)
        ui.Type(kWindow, kByParam, search.byParam);

    EXPECT_THAT(ListedRows(), ElementsAreArray(search.listed));
    EXPECT_EQ(Shows("No timecycles found"), search.listed.empty());
    EXPECT_EQ(ui.Exists(kWindow, "Clear search query"), search.listed.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Queries, BrowserSearchQuery,
    testing::Values(
        // Names: any letter case on either side, contiguous characters only.
        SearchCase{ "NameAnyCase", "FOG", "", { "Foggy_Morning", "city_fog_night" } },
        SearchCase{ "NameInside", "gGY_m", "", { "Foggy_Morning" } },
        SearchCase{ "NameWithGaps", "fgy", "", {} },
        SearchCase{ "NameWhole", "underwater", "", { "underwater" } },
        SearchCase{ "NameLongerThanAny", "underwater_deep", "", {} },
        // Parameters, by the game's rule: some parameter's variable name
        // contains the query, any letter case.
        SearchCase{ "Param", "", "fog", { "Foggy_Morning", "underwater", "city_fog_night" } },
        SearchCase{ "ParamAnyCase", "", "Fog_Start", { "Foggy_Morning", "city_fog_night" } },
        SearchCase{ "ParamMatchesNothing", "", "exposure", {} },
        // Both set: a modifier must pass both.
        SearchCase{ "Both", "N", "light", { "sunny_day" } },
        SearchCase{ "BothNamePassesParamFails", "vault", "fog", {} },
        SearchCase{ "BothParamPassesNameFails", "morning", "sky", {} }),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST_F(BrowserSearch, SelectedModifierStaysListedWhateverTheQuery)
{
    ui.Frame();
    ui.Click(kWindow, "vault_dark");

    ui.Type(kWindow, kByName, "fog");
    EXPECT_THAT(ListedRows(), ElementsAre("Foggy_Morning", "city_fog_night", "vault_dark"));

    ui.Type(kWindow, kByParam, "nothing_has_this");
    EXPECT_THAT(ListedRows(), ElementsAre("vault_dark"));
    EXPECT_FALSE(Shows("No timecycles found"));
}

TEST_F(BrowserSearch, ModifierSelectedAfterTheSearchIsListedOnlyIfItMatched)
{
    ui.Frame();
    ui.Type(kWindow, kByName, "fog");
    ui.Click(kWindow, "Foggy_Morning");

    // Selecting does not search again: the stored result still holds.
    ui.SetText(kWindow, "##detail_name", "fog_copy");
    ui.Click(kWindow, "Clone");
    ASSERT_EQ(state.SelectedModifier(), timecycle::FindModifier("fog_copy"));
    EXPECT_THAT(ListedRows(), ElementsAre("Foggy_Morning", "city_fog_night"));

    // The next edit of the search text takes the selection in.
    ui.Type(kWindow, kByName, "g");
    EXPECT_THAT(ListedRows(), ElementsAre("Foggy_Morning", "fog_copy"));
}

TEST_F(BrowserSearch, ClearSearchQueryBringsEverythingBack)
{
    ui.Frame();
    ui.Type(kWindow, kByName, "zzz");
    ui.Type(kWindow, kByParam, "fog");
    ASSERT_TRUE(ListedRows().empty());
    ASSERT_TRUE(Shows("No timecycles found"));

    ui.Click(kWindow, "Clear search query");

    EXPECT_EQ(ListedRows(), AllNames());
    EXPECT_STREQ(state.searchName, "");
    EXPECT_STREQ(state.searchParam, "");
    EXPECT_TRUE(state.filterHashes.empty());
    EXPECT_FALSE(Shows("No timecycles found"));
    EXPECT_FALSE(ui.Exists(kWindow, "Clear search query"));
    // Empty fields show their hints.
    EXPECT_TRUE(Shows("By name { name contains... }"));
    EXPECT_TRUE(Shows("By param { parameter contains... }"));
}

TEST_F(BrowserSearch, EmptyingTheFieldListsEverything)
{
    ui.Frame();
    ui.Type(kWindow, kByName, "fog");
    ASSERT_EQ(ListedRows().size(), 2u);

    ui.SetText(kWindow, kByName, "");
    EXPECT_EQ(ListedRows(), AllNames());
    EXPECT_TRUE(state.filterHashes.empty());
}

TEST_F(BrowserSearch, EmptyGameShowsNoMessage)
{
    smallgame::ResetWithVariables();
    ui.Frame();

    EXPECT_TRUE(WindowDrawn());
    EXPECT_TRUE(ListedRows().empty());
    EXPECT_FALSE(Shows("No timecycles found"));
    EXPECT_FALSE(ui.Exists(kWindow, "Clear search query"));

    // A query over nothing finds nothing, and says so.
    ui.Type(kWindow, kByName, "fog");
    EXPECT_TRUE(Shows("No timecycles found"));
}
}

// The list follows the game from frame to frame while a search stands: the
// stored hashes decide, tested against each modifier's current hash.
TEST_F(BrowserSearch, ListFollowsTheGameWhileASearchStands)
{
    ui.Frame();
    ui.Type(kWindow, kByName, "fog");
    ASSERT_THAT(ListedRows(), ElementsAre("Foggy_Morning", "city_fog_night"));

    // A renamed modifier gets another hash and leaves the list.
    smallgame::Manager().RenameTimecycle(*cityFog, "city_mist_night");
    ui.Frame();
    EXPECT_THAT(ListedRows(), ElementsAre("Foggy_Morning"));

    // One that takes a stored hash joins it, wherever it stands.
    timecycle::ForceNameHash(*vault, foggy->nameHash);
    ui.Frame();
    EXPECT_THAT(ListedRows(), ElementsAre("Foggy_Morning", "vault_dark"));

    // A removed modifier leaves, and the rows after it move up.
    smallgame::Manager().RemoveTimecycle(*foggy);
    ui.Frame();
    EXPECT_THAT(ListedRows(), ElementsAre("vault_dark"));
}

TEST_F(BrowserSearch, ListWithoutASearchFollowsTheGame)
{
    ui.Frame();
    smallgame::AddModifier("new_mod");
    smallgame::Manager().RemoveTimecycle(*sunny);
    ui.Frame();

    EXPECT_THAT(ListedRows(), ElementsAre("Foggy_Morning", "underwater", "city_fog_night", "vault_dark", "new_mod"));
}
