// "Paste XML" and the game's own loader (tc_load) read one document by the
// same rules: every hostile document of the table, pasted into a game and
// loaded into the same game, leaves the same records. Where the editor keeps
// a rule of its own (the names it creates, its escape of names), the paste
// says so in its status.
#include "editing/EditorState.h"
#include "editing/ModifierPaste.h"
#include "game/LiveTimecycle.h"
#include "GameRecords.h"
#include "SmallTimecycleGame.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace tceditor;
using namespace smallgame;
using testing::HasSubstr;

namespace
{
struct HostileDocument
{
    const char* label;
    // The root element's content.
    std::string modifiers;
    // Empty when both readers must leave the same records; otherwise what
    // the paste's status names as the editor's own rule.
    std::string deviation;
};

void PrintTo(const HostileDocument& document, std::ostream* out)
{
    *out << document.label;
}

// The records and, apart from them, the order of the modifiers' names.
struct GameState
{
    gamerecords::Records records;
    std::vector<std::string> order;
};

GameState ReadGame()
{
    GameState state{ gamerecords::Read(), {} };
    for (const tcModifier* modifier : LiveGame().Modifiers())
        state.order.push_back(LiveGame().GetTimecycleName(*modifier));
    return state;
}

// The game every case starts from: two modifiers the documents update, one
// of them with a name the editor would not give.
void StartGame()
{
    ResetWithVariables();
    AddModifier("existing", { { kFogStart, 5.0f, 15.0f }, { kFogDensity, 0.5f, 0.25f } }).userFlags = 3;
    AddModifier("e", { { kSkyZenithR, 0.4f, 0.3f } });
}

std::string Document(const std::string& modifiers)
{
    return "<?xml version=\"1.0\"?>\n<timecycle_modifier_data version=\"1.000000\">\n" + modifiers +
           "</timecycle_modifier_data>\n";
}

class ReaderAgreement : public testing::TestWithParam<HostileDocument>
{
protected:
    void TearDown() override
    {
        timecycle::ResetManager();
        std::error_code ignored;
        std::filesystem::remove(m_file, ignored);
    }

    GameState Loaded()
    {
        StartGame();
        std::ofstream(m_file, std::ios::binary) << Document(GetParam().modifiers);
        timecycle::LoadModifierFile(m_file.string(), timecycle::ExistingModifiers::Replace);
        return ReadGame();
    }

    GameState Pasted(std::string& status)
    {
        StartGame();
        TimecycleEditorState editor{ LiveGame() };
        status = PasteModifiers(editor.game, editor.history, Document(GetParam().modifiers)).message;
        return ReadGame();
    }

private:
    std::filesystem::path m_file =
        std::filesystem::temp_directory_path() / ("vesk-agreement-" + std::to_string(std::random_device()()) + ".xml");
};

TEST_P(ReaderAgreement, PasteAndLoadLeaveTheSameRecordsOrNameTheDifference)
{
    const GameState loaded = Loaded();
    std::string status;
    const GameState pasted = Pasted(status);

    if (GetParam().deviation.empty())
    {
        EXPECT_EQ(pasted.records, loaded.records) << status;
        EXPECT_EQ(pasted.order, loaded.order) << status;
    }
    else
    {
        EXPECT_NE(pasted.records, loaded.records) << "the case shows no difference";
        EXPECT_THAT(status, HasSubstr(GetParam().deviation));
    }
}

const std::string kName200(200, 'n');

INSTANTIATE_TEST_SUITE_P(
    HostileDocuments, ReaderAgreement,
    testing::Values(
        HostileDocument{ "NewModifierNamedTwice",
                         "<modifier name=\"twice\" userFlags=\"1\"><fog_start>1 2</fog_start></modifier>\n"
                         "<modifier name=\"between\"/>\n"
                         "<modifier name=\"twice\" userFlags=\"2\"><fog_density>3 4</fog_density></modifier>\n", "" },
        HostileDocument{ "ExistingModifierNamedTwice",
                         "<modifier name=\"existing\"><fog_start>1 2</fog_start></modifier>\n"
                         "<modifier name=\"existing\" userFlags=\"9\"/>\n", "" },
        HostileDocument{ "NegativeUserFlags", "<modifier name=\"flags\" userFlags=\"-1\"/>\n", "" },
        HostileDocument{ "UserFlagsPast32Bits", "<modifier name=\"existing\" userFlags=\"4294967296\"/>\n", "" },
        HostileDocument{ "UserFlagsNotANumber", "<modifier name=\"flags\" userFlags=\"seven\"/>\n", "" },
        HostileDocument{ "NotANumber",
                         "<modifier name=\"existing\"><fog_start>nan 1</fog_start><fog_density>1 2</fog_density></modifier>\n",
                         "" },
        HostileDocument{ "Infinite", "<modifier name=\"inf\"><fog_start>1 inf</fog_start><sky_zenith_col_r>1 2</sky_zenith_col_r></modifier>\n", "" },
        HostileDocument{ "PastTheFloatRange", "<modifier name=\"big\"><fog_start>1e39 0</fog_start></modifier>\n", "" },
        HostileDocument{ "OneNumber", "<modifier name=\"one\"><fog_start>1</fog_start></modifier>\n", "" },
        HostileDocument{ "ThreeNumbers", "<modifier name=\"three\"><fog_start>1 2 3</fog_start></modifier>\n", "" },
        HostileDocument{ "WordsForValues", "<modifier name=\"words\"><fog_start>abc def</fog_start></modifier>\n", "" },
        HostileDocument{ "ParameterTwice",
                         "<modifier name=\"rep\"><fog_start>1 2</fog_start><fog_start>3 4</fog_start></modifier>\n", "" },
        HostileDocument{ "UnknownVariable",
                         "<modifier name=\"existing\"><no_such_var>1 2</no_such_var><fog_start>7 8</fog_start></modifier>\n",
                         "" },
        HostileDocument{ "OnlyUnknownVariables", "<modifier name=\"unknowns\"><zz>1 2</zz></modifier>\n", "" },
        HostileDocument{ "WithoutName", "<modifier><fog_start>1 2</fog_start></modifier>\n<modifier name=\"\"/>\n", "" },
        HostileDocument{ "OtherElements", "<variant name=\"v\"/>\n<modifier name=\"kept\"/>\n", "" },
        HostileDocument{ "NumModsDisagreeing", "<modifier name=\"count\" numMods=\"9\"><fog_start>1 2</fog_start></modifier>\n",
                         "" },
        HostileDocument{ "FewerParametersForAnExistingModifier", "<modifier name=\"existing\"/>\n", "" },
        HostileDocument{ "ExactValues",
                         "<modifier name=\"exact\"><fog_start>0.12345678 1e-45</fog_start>"
                         "<fog_density>-0 3.4028235e38</fog_density></modifier>\n", "" },
        HostileDocument{ "WhiteSpaceInValues", "<modifier name=\"ws\"><fog_start>\n 1.5\t-2e1 \n</fog_start></modifier>\n", "" },
        HostileDocument{ "EntitiesInTheName", "<modifier name=\"a&amp;b&#10;c\"/>\n", "" },
        HostileDocument{ "ShortNameOfAnExistingModifier", "<modifier name=\"e\" userFlags=\"5\"/>\n", "" },
        HostileDocument{ "NoModifier", "", "" },
        HostileDocument{ "NewNameOfOneByte", "<modifier name=\"x\"/>\n",
                         "not created, a modifier name needs 2 to 127 bytes: x" },
        HostileDocument{ "NewNameOf200Bytes", "<modifier name=\"" + kName200 + "\"/>\n",
                         "not created, a modifier name needs 2 to 127 bytes: nnnn" },
        HostileDocument{ "EscapedName", "<modifier name=\"a\\x01\" nameEscaped=\"true\"/>\n",
                         "the game's loader takes the name as written" },
        HostileDocument{ "BrokenEscape", "<modifier name=\"a\\q\" nameEscaped=\"true\"/>\n",
                         "starts neither \\\\ nor \\xHH; the modifier is skipped" },
        HostileDocument{ "UnclearEscapeMarker", "<modifier name=\"mm\" nameEscaped=\"maybe\"/>\n",
                         "nameEscaped is neither true nor false; the modifier is skipped" }),
    [](const testing::TestParamInfo<HostileDocument>& info) { return std::string(info.param.label); });
}
