// The browser's search: the case-insensitive substring test and the cached
// result of a search over the game's modifiers.
#include "editing/EditorState.h"
#include "editing/ModifierSearch.h"
#include "game/LiveTimecycle.h"
#include "SmallTimecycleGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <locale>

using namespace tceditor;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

namespace
{
struct ContainsCase
{
    const char* what;
    const char* text;
    const char* query;
    int at;  // offset of the match in text, -1 for none
};

void PrintTo(const ContainsCase& c, std::ostream* out)
{
    *out << c.what;
}

class ContainsIgnoreCaseCases : public testing::TestWithParam<ContainsCase>
{
};

TEST_P(ContainsIgnoreCaseCases, FindsTheFirstContiguousMatch)
{
    const ContainsCase& c = GetParam();
    const char* found = ContainsIgnoreCase(c.text, c.query);
    if (c.at < 0)
        EXPECT_EQ(found, nullptr);
    else
        EXPECT_EQ(found, c.text + c.at);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ContainsIgnoreCaseCases,
    testing::Values(ContainsCase{ "EmptyQuery", "fog", "", -1 },
                    ContainsCase{ "EmptyText", "", "fog", -1 },
                    ContainsCase{ "BothEmpty", "", "", -1 },
                    ContainsCase{ "Whole", "fog", "fog", 0 },
                    ContainsCase{ "UpperQuery", "fog_density", "DENS", 4 },
                    ContainsCase{ "UpperText", "FOG_DENSITY", "dens", 4 },
                    ContainsCase{ "MixedBothSides", "WaTeR_fOg", "wAtEr_FoG", 0 },
                    ContainsCase{ "AtTheEnd", "water_fog", "FOG", 6 },
                    ContainsCase{ "FirstOfTwo", "fog_fog", "fog", 0 },
                    ContainsCase{ "GapInText", "f_o_g", "fog", -1 },
                    ContainsCase{ "NotAPrefixOnly", "sky_fog", "fog", 4 },
                    ContainsCase{ "RetriesAfterPartialMatch", "aaab", "aab", 1 },
                    ContainsCase{ "QueryRunsPastText", "fo", "fog", -1 },
                    ContainsCase{ "TextEndsMidMatch", "xfo", "fog", -1 },
                    ContainsCase{ "NoTrimming", "fog", " fog", -1 },
                    ContainsCase{ "NoWildcards", "fog", "f*", -1 },
                    ContainsCase{ "DigitsAndPunctuation", "grade_2.5", "_2.", 5 },
                    ContainsCase{ "NonAsciiBytesExactly", "caf\xC3\xA9_night", "\xC3\xA9_N", 3 },
                    ContainsCase{ "NonAsciiNotFolded", "caf\xC3\xA9", "CAF\xC3\x89", -1 }),
    [](const testing::TestParamInfo<ContainsCase>& info) { return std::string(info.param.what); });

TEST(ContainsIgnoreCase, NullTextOrQueryMatchesNothing)
{
    EXPECT_EQ(ContainsIgnoreCase(nullptr, "fog"), nullptr);
    EXPECT_EQ(ContainsIgnoreCase("fog", nullptr), nullptr);
}

// Folds '-' into '_' on top of the classic rules, to show which facet the
// comparison uses.
class DashFoldingCtype : public std::ctype<char>
{
protected:
    char do_toupper(char c) const override { return c == '-' ? '_' : std::ctype<char>::do_toupper(c); }
    const char* do_toupper(char* begin, const char* end) const override
    {
        for (char* c = begin; c != end; ++c)
            *c = do_toupper(*c);
        return end;
    }
};

TEST(ContainsIgnoreCase, FindsMatchesAtTheEndOfLongTexts)
{
    // Texts longer than any name, on either side.
    const std::string text = std::string(300, 'a') + "Fog_Density";
    const std::string query = std::string(290, 'A') + "fog_d";
    EXPECT_EQ(ContainsIgnoreCase(text.c_str(), "FOG_D"), text.c_str() + 300);
    EXPECT_EQ(ContainsIgnoreCase(text.c_str(), query.c_str()), text.c_str() + 10);
    EXPECT_EQ(ContainsIgnoreCase(text.c_str(), (query + "x").c_str()), nullptr);
}

TEST(ContainsIgnoreCase, FoldsThroughTheGlobalLocaleOfTheCall)
{
    EXPECT_EQ(ContainsIgnoreCase("fog_density", "FOG-D"), nullptr);

    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new DashFoldingCtype));
    const char* text = "fog_density";
    const char* found = ContainsIgnoreCase(text, "FOG-D");
    std::locale::global(previous);

    EXPECT_EQ(found, text);
    EXPECT_EQ(ContainsIgnoreCase(text, "FOG-D"), nullptr) << "back to the previous locale";
}

// RebuildFilter and IsFilterActive over the stand-in game.
class ModifierSearch : public testing::Test
{
protected:
    void SetUp() override
    {
        smallgame::ResetWithVariables();
        using namespace smallgame;
        fogBank = &AddModifier("fog_bank", { { kFogDensity, 0.7f, 0.6f } });
        sunset = &AddModifier("SUNSET", { { kLightDirMult, 1.2f, 1.0f } });
        seaFog = &AddModifier("sea_FOG", { { kWaterFogDensity, 0.2f, 0.2f } });
    }
    void TearDown() override { timecycle::ResetManager(); }

    void Search(const char* name, const char* param)
    {
        strcpy(state.searchName, name);
        strcpy(state.searchParam, param);
        RebuildFilter(state);
    }

    TimecycleEditorState state{ LiveGame() };
    tcModifier* fogBank = nullptr;
    tcModifier* sunset = nullptr;
    tcModifier* seaFog = nullptr;
};

TEST_F(ModifierSearch, FilterIsActiveWhileEitherFieldHasText)
{
    EXPECT_FALSE(IsFilterActive(state));
    strcpy(state.searchName, "a");
    EXPECT_TRUE(IsFilterActive(state));
    state.searchName[0] = '\0';
    strcpy(state.searchParam, "b");
    EXPECT_TRUE(IsFilterActive(state));
}

TEST_F(ModifierSearch, StoresTheHashesOfWhatPasses)
{
    Search("fog", "");
    EXPECT_THAT(state.filterHashes, UnorderedElementsAre(fogBank->nameHash, seaFog->nameHash));

    Search("", "fog");
    EXPECT_THAT(state.filterHashes, UnorderedElementsAre(fogBank->nameHash, seaFog->nameHash));

    Search("sea", "fog");
    EXPECT_THAT(state.filterHashes, ElementsAre(seaFog->nameHash));

    Search("sun", "fog");
    EXPECT_THAT(state.filterHashes, IsEmpty());
}

TEST_F(ModifierSearch, EmptyFieldsEmptyTheResult)
{
    Search("fog", "");
    ASSERT_FALSE(state.filterHashes.empty());
    Search("", "");
    EXPECT_THAT(state.filterHashes, IsEmpty());
    EXPECT_FALSE(IsFilterActive(state));
}

TEST_F(ModifierSearch, SelectedModifierAlwaysPasses)
{
    state.Select(*sunset);
    Search("fog", "");
    EXPECT_THAT(state.filterHashes, UnorderedElementsAre(fogBank->nameHash, seaFog->nameHash, sunset->nameHash));

    Search("nothing", "nothing");
    EXPECT_THAT(state.filterHashes, ElementsAre(sunset->nameHash));
}

TEST_F(ModifierSearch, RemovedSelectionIsDroppedAndNotKept)
{
    state.Select(*sunset);
    smallgame::Manager().RemoveTimecycle(*sunset);

    Search("a", "");

    EXPECT_EQ(state.SelectedModifier(), nullptr);
    EXPECT_THAT(state.filterHashes, UnorderedElementsAre(fogBank->nameHash, seaFog->nameHash));
}

TEST_F(ModifierSearch, ModifiersSharingAHashPassTogether)
{
    timecycle::ForceNameHash(*sunset, fogBank->nameHash);

    Search("bank", "");
    EXPECT_THAT(state.filterHashes, ElementsAre(fogBank->nameHash));
    // The list shows every modifier whose hash passed: SUNSET rides along.
    EXPECT_TRUE(state.filterHashes.contains(sunset->nameHash));

    // And one that passes on its own does not duplicate the shared hash.
    Search("s", "");
    EXPECT_THAT(state.filterHashes, UnorderedElementsAre(fogBank->nameHash, seaFog->nameHash));
}

TEST_F(ModifierSearch, HashesCompareUnsigned)
{
    timecycle::ForceNameHash(*fogBank, 0xFFFFFFF0u);
    timecycle::ForceNameHash(*seaFog, 0x10u);
    Search("fog", "");
    EXPECT_THAT(state.filterHashes, ElementsAre(0x10u, 0xFFFFFFF0u));
}

TEST_F(ModifierSearch, WithoutAGameManagerNothingPasses)
{
    state.Select(*sunset);
    timecycle::SetGameManagerMissing(true);
    Search("fog", "");
    EXPECT_THAT(state.filterHashes, IsEmpty());
    EXPECT_TRUE(IsFilterActive(state));
}

TEST_F(ModifierSearch, ResultStaysUntilTheTextChanges)
{
    Search("fog", "");
    const NameHashSet before = state.filterHashes;
    smallgame::AddModifier("fog_new");
    smallgame::Manager().RenameTimecycle(*seaFog, "sea_mist");
    EXPECT_EQ(state.filterHashes, before);

    RebuildFilter(state);
    EXPECT_THAT(state.filterHashes,
                UnorderedElementsAre(fogBank->nameHash, timecycle::FindModifier("fog_new")->nameHash));
}
}
