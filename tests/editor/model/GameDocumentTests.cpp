// Documents made from the game and pasted into it, over the in-memory and the
// stand-in game: what a modifier's document holds, the session's document,
// and a paste as one step of the history.
#include "documents/ModifierDocument.h"
#include "editing/EditHistory.h"
#include "editing/ModifierDocumentOfGame.h"
#include "editing/ModifierPaste.h"
#include "editing/SessionChanges.h"
#include "EitherGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace tceditor;
using namespace smallgame;
using testing::HasSubstr;
using testing::Not;

namespace
{
class GameDocuments : public testing::TestWithParam<GameKind>
{
protected:
    GameDocuments()
    {
        either.Add("a", { { kFogStart, 5.0f, 15.0f }, { kFogDensity, 0.5f, 0.25f } }).userFlags = 3;
        either.Add("b", { { kSkyZenithR, 0.4f, 0.3f } });
    }

    EitherGame either{ GetParam() };
    GameTimecycle& game = either.Game();
    SessionChanges changes{ game };
    EditHistory history{ game, changes };
};

TEST_P(GameDocuments, AModifierDocumentHoldsTheGameOrderFlagsAndValues)
{
    const DocumentModifier document = DocumentOfModifier(game, either.Named("a"));
    EXPECT_EQ(document.name, "a");
    EXPECT_EQ(document.userFlags, 3u);
    EXPECT_EQ(document.numMods, 2);
    ASSERT_EQ(document.parameters.size(), 2u);
    EXPECT_EQ(document.parameters[0].variable, "fog_start");
    EXPECT_EQ(document.parameters[0].value2, 15.0f);
    EXPECT_EQ(document.parameters[1].variable, "fog_density");
    EXPECT_EQ(document.parameters[1].value1, 0.5f);
}

TEST_P(GameDocuments, TheSessionDocumentHoldsTheChangedAndNamesTheRemoved)
{
    EXPECT_THAT(ChangedModifiersText(game, changes), Not(HasSubstr("<modifier")));
    history.SetValue(either.Named("a"), kFogStart, ValueColumn::Outdoor, 6.0f);
    history.DeleteModifier(either.Named("b"));

    const std::string text = ChangedModifiersText(game, changes);
    EXPECT_THAT(text, HasSubstr("<modifier name=\"a\" description=\"\" numMods=\"2\" userFlags=\"3\">"));
    EXPECT_THAT(text, HasSubstr("<fog_start>6 15</fog_start>"));
    EXPECT_THAT(text, HasSubstr("Removed this session:\n    b\n"));
}

// Values the game holds more precisely than three decimals come back exactly
// from the session's document.
TEST_P(GameDocuments, TheSessionDocumentKeepsEveryValueExactly)
{
    history.SetValue(either.Named("a"), kFogStart, ValueColumn::Outdoor, 0.0004f);
    history.SetValue(either.Named("a"), kFogDensity, ValueColumn::Indoor, 0.12345f);

    const DocumentReading reading = ReadModifierDocument(ChangedModifiersText(game, changes));

    ASSERT_EQ(reading.modifiers.size(), 1u);
    const std::vector<DocumentParameter>& params = reading.modifiers[0].parameters;
    ASSERT_EQ(params.size(), 2u);
    EXPECT_EQ(params[0].value1, 0.0004f);
    EXPECT_EQ(params[1].value2, 0.12345f);
}

// "delete b, rename a to b": the document names the rename, and lists as
// removed what is gone under every name, by the name it had before.
TEST_P(GameDocuments, TheSessionDocumentNamesRenamesAndRemovesByTheFirstNames)
{
    either.Add("c");
    history.DeleteModifier(either.Named("b"));
    history.RenameModifier(either.Named("a"), "b");
    history.RenameModifier(either.Named("c"), "c2");
    history.RenameModifier(either.Named("c2"), "c3");
    history.DeleteModifier(either.Named("c3"));

    const std::string text = ChangedModifiersText(game, changes);

    EXPECT_THAT(text, HasSubstr("<!--\n"
                                "    Removed this session:\n"
                                "    b\n"
                                "    c\n"
                                "    Renamed this session:\n"
                                "    a -> b\n"
                                "-->\n"));
    EXPECT_THAT(text, HasSubstr("<modifier name=\"b\" description=\"\" numMods=\"2\" userFlags=\"3\">"));
    EXPECT_THAT(text, Not(HasSubstr("c2")));
    EXPECT_THAT(text, Not(HasSubstr("c3")));
}

TEST_P(GameDocuments, APasteUpdatesAndCreatesAsOneStep)
{
    const auto before = either.Records();
    const PasteOutcome outcome = PasteModifiers(game, history, R"(<timecycle_modifier_data>
        <modifier name="a" userFlags="9"><grade_saturation>0.5 0.75</grade_saturation></modifier>
        <modifier name="cc"><fog_start>1 2</fog_start><zz_unknown>1 1</zz_unknown></modifier>
    </timecycle_modifier_data>)");

    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.message, "Pasted 2 modifiers: 1 updated, 1 created; skipped unknown variable zz_unknown");
    const tcModifier& a = either.Named("a");
    EXPECT_EQ(a.userFlags, 9u);
    ASSERT_EQ(a.numMods, 1);
    EXPECT_EQ(a.modData[0].varId, kGradeSaturation);
    EXPECT_EQ(either.Named("cc").numMods, 1);
    EXPECT_EQ(history.StepCount(), 1u);

    history.Undo();
    EXPECT_EQ(either.Records(), before);
}

INSTANTIATE_TEST_SUITE_P(Games, GameDocuments, testing::Values(GameKind::InMemory, GameKind::StandIn), GameKindName);
}
