// The editor's state record: validating, capturing, selecting and clearing
// the selection, the browser's selection sequence, and the reset.
#include "EditorState.h"
#include "SmallTimecycleGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;

namespace
{
constexpr int32_t kV1 = 1, kV2 = 2, kV3 = 3;

// A modifier record made by hand, so that a test can give it what the game
// never would (the same variable twice).
struct HandModifier
{
    explicit HandModifier(std::vector<tcModData> entries)
        : params(std::move(entries))
    {
        // The game's modifiers never have a null array, even when empty.
        params.reserve(8);
        Sync();
    }

    void Sync()
    {
        record.modData = params.data();
        record.numMods = static_cast<uint16_t>(params.size());
    }
    // As the game marks a removed modifier.
    void Remove()
    {
        record.modData = nullptr;
        record.numMods = 0;
    }

    std::vector<tcModData> params;
    tcModifier record{};
};

MATCHER_P3(Entry, varId, value1, value2, "")
{
    return arg.varId == varId && arg.value1 == value1 && arg.value2 == value2;
}

// ModifierSelection alone: no game involved.
class Selection : public testing::Test
{
protected:
    // Selects `modifier` and switches off `varId` as the parameter table
    // does: the saved copy stays, the live entry goes.
    void SelectAndSwitchOff(HandModifier& modifier, int32_t varId)
    {
        selection.SelectModifier(modifier.record);
        selection.removedVars.insert(varId);
        std::erase_if(modifier.params, [&](const tcModData& entry) { return entry.varId == varId; });
        modifier.Sync();
    }

    ModifierSelection selection;
};

TEST_F(Selection, WithNothingSelectedValidateAndCaptureChangeNothing)
{
    selection.ValidateSelection();
    selection.CaptureParams();
    EXPECT_EQ(selection.modifier, nullptr);
    EXPECT_THAT(selection.savedParams, IsEmpty());
    EXPECT_THAT(selection.removedVars, IsEmpty());
}

TEST_F(Selection, SelectCapturesEveryParameter)
{
    HandModifier a({ { kV2, 2.0f, 2.5f }, { kV1, 1.0f, 1.5f } });
    selection.SelectModifier(a.record);

    EXPECT_EQ(selection.modifier, &a.record);
    EXPECT_THAT(selection.savedParams,
                ElementsAre(Pair(kV1, Entry(kV1, 1.0f, 1.5f)), Pair(kV2, Entry(kV2, 2.0f, 2.5f))));
}

TEST_F(Selection, DuplicateVarIdIsCapturedOnceFromTheFirstEntry)
{
    HandModifier a({ { kV1, 1.0f, 1.0f }, { kV1, 9.0f, 9.0f } });
    selection.SelectModifier(a.record);
    EXPECT_THAT(selection.savedParams, ElementsAre(Pair(kV1, Entry(kV1, 1.0f, 1.0f))));
}

TEST_F(Selection, CaptureAddsNewParametersAndKeepsEditedOnes)
{
    HandModifier a({ { kV1, 1.0f, 1.0f } });
    selection.SelectModifier(a.record);
    selection.savedParams.at(kV1).value1 = 5.0f;  // edited in the table
    a.params.push_back({ kV2, 2.0f, 2.0f });       // added by "Add"
    a.Sync();

    selection.CaptureParams();

    EXPECT_THAT(selection.savedParams,
                ElementsAre(Pair(kV1, Entry(kV1, 5.0f, 1.0f)), Pair(kV2, Entry(kV2, 2.0f, 2.0f))));
}

TEST_F(Selection, RemovedModifierIsDroppedByValidateAndCapture)
{
    for (bool byCapture : { false, true })
    {
        HandModifier a({ { kV1, 1.0f, 1.0f } });
        SelectAndSwitchOff(a, kV1);
        a.Remove();

        if (byCapture)
            selection.CaptureParams();
        else
            selection.ValidateSelection();

        EXPECT_EQ(selection.modifier, nullptr) << byCapture;
        EXPECT_THAT(selection.savedParams, IsEmpty());
        EXPECT_THAT(selection.removedVars, IsEmpty());
    }
}

TEST_F(Selection, ValidSelectionSurvivesValidate)
{
    HandModifier a({ { kV1, 1.0f, 1.0f } });
    SelectAndSwitchOff(a, kV1);
    selection.ValidateSelection();
    EXPECT_EQ(selection.modifier, &a.record);
    EXPECT_THAT(selection.removedVars, ElementsAre(kV1));
    EXPECT_THAT(selection.savedParams, testing::SizeIs(1));
}

TEST_F(Selection, ClearForgetsEverything)
{
    HandModifier a({ { kV1, 1.0f, 1.0f } });
    SelectAndSwitchOff(a, kV1);
    selection.ClearSelection();
    EXPECT_EQ(selection.modifier, nullptr);
    EXPECT_THAT(selection.savedParams, IsEmpty());
    EXPECT_THAT(selection.removedVars, IsEmpty());
}

TEST_F(Selection, MovingOnRestoresASwitchedOffParameterThatCameBack)
{
    HandModifier a({ { kV1, 1.0f, 1.5f }, { kV2, 2.0f, 2.5f } });
    HandModifier b({ { kV3, 3.0f, 3.0f } });
    SelectAndSwitchOff(a, kV2);
    selection.savedParams.at(kV1).value1 = 7.0f;  // edits of a live row are not restored
    // Added back to A by another route while still switched off.
    a.params.push_back({ kV2, 0.0f, 0.0f });
    a.Sync();

    selection.SelectModifier(b.record);

    EXPECT_THAT(a.params, ElementsAre(Entry(kV1, 1.0f, 1.5f), Entry(kV2, 2.0f, 2.5f)));
    EXPECT_EQ(selection.modifier, &b.record);
    EXPECT_THAT(selection.removedVars, IsEmpty());
    EXPECT_THAT(selection.savedParams, ElementsAre(Pair(kV3, Entry(kV3, 3.0f, 3.0f))));
}

TEST_F(Selection, MovingOnWritesNothingForAParameterStillAbsent)
{
    HandModifier a({ { kV1, 1.0f, 1.5f }, { kV2, 2.0f, 2.5f } });
    HandModifier b({});
    SelectAndSwitchOff(a, kV2);
    const std::vector<tcModData> before = a.params;

    selection.SelectModifier(b.record);

    ASSERT_EQ(a.params.size(), before.size());
    EXPECT_EQ(memcmp(a.params.data(), before.data(), sizeof(tcModData) * before.size()), 0);
    EXPECT_EQ(selection.modifier, &b.record);
}

TEST_F(Selection, RestoreWritesEveryEntryOfTheVariable)
{
    HandModifier a({ { kV2, 2.0f, 2.5f } });
    HandModifier b({});
    SelectAndSwitchOff(a, kV2);
    a.params = { { kV2, 0.0f, 0.0f }, { kV1, 1.0f, 1.0f }, { kV2, 0.0f, 0.0f } };
    a.Sync();

    selection.SelectModifier(b.record);

    EXPECT_THAT(a.params, ElementsAre(Entry(kV2, 2.0f, 2.5f), Entry(kV1, 1.0f, 1.0f), Entry(kV2, 2.0f, 2.5f)));
}

TEST_F(Selection, SwitchedOffIdWithoutSavedCopyIsSkipped)
{
    HandModifier a({ { kV1, 1.0f, 1.0f }, { kV3, 3.0f, 3.0f } });
    HandModifier b({});
    selection.SelectModifier(a.record);
    selection.removedVars.insert(kV2);
    selection.savedParams.erase(kV3);
    selection.removedVars.insert(kV3);

    selection.SelectModifier(b.record);

    EXPECT_THAT(a.params, ElementsAre(Entry(kV1, 1.0f, 1.0f), Entry(kV3, 3.0f, 3.0f)));
}

TEST_F(Selection, SelectingTheSameModifierAgainRestoresNothingAndRecaptures)
{
    HandModifier a({ { kV1, 1.0f, 1.0f }, { kV2, 2.0f, 2.0f } });
    SelectAndSwitchOff(a, kV2);
    selection.savedParams.at(kV1).value1 = 9.0f;
    a.params.push_back({ kV2, 0.0f, 0.0f });  // back while switched off
    a.Sync();

    selection.SelectModifier(a.record);

    EXPECT_THAT(a.params, ElementsAre(Entry(kV1, 1.0f, 1.0f), Entry(kV2, 0.0f, 0.0f)));
    EXPECT_THAT(selection.removedVars, IsEmpty());
    EXPECT_THAT(selection.savedParams,
                ElementsAre(Pair(kV1, Entry(kV1, 1.0f, 1.0f)), Pair(kV2, Entry(kV2, 0.0f, 0.0f))));
}

TEST_F(Selection, SelectingOverARemovedModifierActsAsFromNothing)
{
    HandModifier a({ { kV1, 1.0f, 1.0f } });
    HandModifier b({ { kV2, 2.0f, 2.0f } });
    SelectAndSwitchOff(a, kV1);
    a.Remove();

    selection.SelectModifier(b.record);

    EXPECT_EQ(a.record.modData, nullptr);
    EXPECT_EQ(selection.modifier, &b.record);
    EXPECT_THAT(selection.removedVars, IsEmpty());
    EXPECT_THAT(selection.savedParams, ElementsAre(Pair(kV2, Entry(kV2, 2.0f, 2.0f))));
}

// The state record over the stand-in game.
class EditorState : public testing::Test
{
protected:
    void SetUp() override { smallgame::ResetWithVariables(); }
    void TearDown() override { timecycle::ResetManager(); }

    static void PrintSomeXml(tinyxml2::XMLPrinter& printer)
    {
        printer.OpenElement("timecycle_modifier_data");
        printer.CloseElement();
    }

    TimecycleEditorState state;
};

TEST_F(EditorState, StartsEmpty)
{
    EXPECT_FALSE(state.isOpen);
    EXPECT_EQ(state.selection.modifier, nullptr);
    EXPECT_THAT(state.filterHashes, IsEmpty());
    for (const char* field : { state.searchName, state.searchParam, state.nameInput, state.paramFilter, state.varInput })
        EXPECT_EQ(std::count(field, field + kTextBufferSize, '\0'), kTextBufferSize);
    EXPECT_FALSE(state.applySelected);
    EXPECT_EQ(state.xmlPrinter.CStrSize(), 1);
}

TEST_F(EditorState, SelectFromBrowserTakesBackupSelectsAndCopiesTheName)
{
    tcModifier& fog = smallgame::AddModifier("fog_bank", { { smallgame::kFogDensity, 0.7f, 0.6f } });
    PrintSomeXml(state.xmlPrinter);
    ASSERT_GT(state.xmlPrinter.CStrSize(), 1);

    state.SelectFromBrowser(fog);

    EXPECT_EQ(state.xmlPrinter.CStrSize(), 1);
    EXPECT_TRUE(timecycle::HasBackup(fog));
    EXPECT_EQ(state.selection.modifier, &fog);
    EXPECT_THAT(state.selection.savedParams, ElementsAre(Pair(smallgame::kFogDensity, Entry(1, 0.7f, 0.6f))));
    EXPECT_STREQ(state.nameInput, "fog_bank");
}

TEST_F(EditorState, ShorterNameReplacesTheWholeField)
{
    tcModifier& longer = smallgame::AddModifier("a_rather_long_name");
    tcModifier& shorter = smallgame::AddModifier("ab");
    state.SelectFromBrowser(longer);
    state.SelectFromBrowser(shorter);
    EXPECT_STREQ(state.nameInput, "ab");
}

struct LongName
{
    const char* what;
    std::string name;
    std::string field;
};

void PrintTo(const LongName& name, std::ostream* out)
{
    *out << name.what;
}

class NameField : public EditorState, public testing::WithParamInterface<LongName>
{
};

TEST_P(NameField, TakesTheNameCutAtACharacterBoundary)
{
    tcModifier& modifier = smallgame::AddModifier(GetParam().name);
    memset(state.nameInput, 'x', sizeof(state.nameInput));

    state.SelectFromBrowser(modifier);

    EXPECT_EQ(std::string(state.nameInput), GetParam().field);
    EXPECT_EQ(state.selection.modifier, &modifier);
}

const std::string k123(123, 'a'), k124(124, 'a'), k125(125, 'a'), k126(126, 'a'), k127(127, 'a');

INSTANTIATE_TEST_SUITE_P(
    Names, NameField,
    testing::Values(LongName{ "Fits127", k127, k127 },
                    LongName{ "Ascii128", k127 + "b", k127 },
                    LongName{ "Ascii300", std::string(300, 'n'), std::string(127, 'n') },
                    LongName{ "TwoByteAcross", k126 + "\xC3\xA9", k126 },
                    LongName{ "ThreeByteAcross", k125 + "\xE2\x82\xAC", k125 },
                    LongName{ "FourByteAcross", k124 + "\xF0\x9F\x98\x80", k124 },
                    LongName{ "FourByteFits", k123 + "\xF0\x9F\x98\x80", k123 + "\xF0\x9F\x98\x80" },
                    LongName{ "TwoByteEndsAt127", k125 + "\xC3\xA9" + "zz", k125 + "\xC3\xA9" }),
    [](const testing::TestParamInfo<LongName>& info) { return std::string(info.param.what); });

TEST(TextField, TextThatIsNotUtf8LosesNoMoreThanACharacterWorth)
{
    char field[kTextBufferSize];
    CopyToTextBuffer(field, std::string(200, '\x80'));
    EXPECT_EQ(strlen(field), 124u) << "cut where a character would have started, at most three bytes back";
}

TEST_F(EditorState, ResetClosesAndForgetsButLeavesAppliedModifiers)
{
    tcModifier& fog = smallgame::AddModifier("fog_bank", { { smallgame::kFogDensity, 0.7f, 0.6f } });
    tcModifier& sun = smallgame::AddModifier("sun", {});
    state.isOpen = true;
    state.SelectFromBrowser(fog);
    state.selection.removedVars.insert(smallgame::kFogDensity);
    state.filterHashes.insert(fog.nameHash);
    for (char* field : { state.searchName, state.searchParam, state.nameInput, state.paramFilter, state.varInput })
        memset(field, 'q', kTextBufferSize - 1);
    state.applySelected = true;
    PrintSomeXml(state.xmlPrinter);
    TimecycleScriptData& script = *TimecycleManager::GetScriptData();
    script = { smallgame::IndexOf(fog), 0.8f, smallgame::IndexOf(sun), 0.3f, 0.1f };
    smallgame::Manager().SetInteriorModifierOverride(smallgame::IndexOf(sun));

    state.ResetEditorState();

    EXPECT_FALSE(state.isOpen);
    EXPECT_EQ(state.selection.modifier, nullptr);
    EXPECT_THAT(state.selection.savedParams, IsEmpty());
    EXPECT_THAT(state.selection.removedVars, IsEmpty());
    EXPECT_THAT(state.filterHashes, IsEmpty());
    for (const char* field : { state.searchName, state.searchParam, state.nameInput, state.paramFilter, state.varInput })
        EXPECT_EQ(std::count(field, field + kTextBufferSize, '\0'), kTextBufferSize);
    EXPECT_FALSE(state.applySelected);
    EXPECT_EQ(state.xmlPrinter.CStrSize(), 1);
    EXPECT_EQ(smallgame::Manager().GetInteriorModifierOverride(), -1);

    EXPECT_EQ(script.primaryIndex, smallgame::IndexOf(fog));
    EXPECT_EQ(script.primaryStrength, 0.8f);
    EXPECT_EQ(script.transitionIndex, smallgame::IndexOf(sun));
    EXPECT_EQ(script.transitionStrength, 0.3f);
    EXPECT_TRUE(timecycle::HasBackup(fog)) << "the game's backup is the game's";
}
}
