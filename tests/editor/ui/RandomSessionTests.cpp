// A long random session through the UI driver: clicks on rows and buttons,
// drags, typed values, switches, context menus, keys, undo and redo. Undoing
// every step must give back the game's data as it was at the start, to the
// bit, and redoing every step the data as it was at the end. The seed is
// printed on failure; VESK_SESSION_SEED replays one.
#include "EditorOverSmallGame.h"
#include "GameRecords.h"

#include <cstdlib>
#include <deque>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace tceditor;

namespace
{
constexpr int kActions = 2000;
constexpr size_t kRememberedActions = 30;

const char* const kNames[] = { "alpha_mod", "beta_mod", "sunny_day", "underwater", "x", "gamma_mod" };
// The small table's variables, and one the game does not know.
const char* const kVariables[] = { smallgame::kVariables[0].name, smallgame::kVariables[1].name,
                                   smallgame::kVariables[2].name, smallgame::kVariables[3].name,
                                   smallgame::kVariables[4].name, smallgame::kVariables[5].name,
                                   "no_such_variable" };
static_assert(std::size(kVariables) == smallgame::kVariableCount + 1);
const char* const kTypedValues[] = { "0.5", "-3.25", "12", "0", "1e39", "-0", "7.125", "nan" };

unsigned SessionSeed()
{
    if (const char* seed = std::getenv("VESK_SESSION_SEED"))
        return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    return std::random_device()();
}
}

class RandomSession : public EditorOverSmallGame
{
protected:
    template <class T, size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[std::uniform_int_distribution<size_t>(0, N - 1)(m_random)];
    }
    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    // Labels of the last frame's enabled widgets in the editor that pass the test.
    template <class Test>
    std::vector<std::string> Widgets(Test test) const
    {
        std::vector<std::string> labels;
        for (const uidriver::UiItem& item : ui.Items())
            if (item.TopWindowName() == std::string_view(kWindow) && !item.Disabled() && test(std::string_view(item.label)))
                labels.push_back(item.label);
        return labels;
    }
    std::vector<std::string> Values() const
    {
        return Widgets([](std::string_view label) {
            return label.starts_with("##") && (label.ends_with("-1") || label.ends_with("-2")) &&
                   label.find('-') != std::string_view::npos && !label.starts_with("##primary") &&
                   !label.starts_with("##transition");
        });
    }
    std::vector<std::string> Ending(std::string_view suffix) const
    {
        return Widgets([&](std::string_view label) { return label.starts_with("##") && label.ends_with(suffix); });
    }
    std::vector<std::string> RowDeletes() const
    {
        return Widgets([](std::string_view label) { return label.starts_with("Delete##"); });
    }
    bool Enabled(std::string_view label) const
    {
        return !Widgets([&](std::string_view candidate) { return candidate == label; }).empty();
    }

    // One random action; returns what it did.
    std::string Act()
    {
        const std::vector<std::string> values = Values();
        const std::vector<std::string> switches = Ending("-check");
        const std::vector<std::string> rowDeletes = RowDeletes();
        const bool selected = ui.Exists(kWindow, "Rename");

        switch (Below(16))
        {
        case 0:
        case 1: {
            const std::vector<std::string> rows = ListedRows();
            if (rows.empty())
                break;
            const std::string& row = rows[Below(int(rows.size()))];
            ui.Click(kWindow, row);
            return "click row " + row;
        }
        case 2:
        case 3:
            if (values.empty())
                break;
            {
                const std::string& value = values[Below(int(values.size()))];
                const float dx = float(Below(121) - 60);
                ui.Drag(kWindow, value, ImVec2(dx, 0.0f));
                return "drag " + value + " by " + std::to_string(dx);
            }
        case 4:
            if (values.empty())
                break;
            {
                const std::string& value = values[Below(int(values.size()))];
                const char* typed = Pick(kTypedValues);
                ui.EnterValue(kWindow, value, typed);
                return "type " + std::string(typed) + " into " + value;
            }
        case 5:
            if (switches.empty())
                break;
            {
                const std::string& check = switches[Below(int(switches.size()))];
                ui.Click(kWindow, check);
                return "switch " + check;
            }
        case 6:
            if (rowDeletes.empty())
                break;
            {
                const std::string& button = rowDeletes[Below(int(rowDeletes.size()))];
                ui.Click(kWindow, button);
                return "delete row " + button;
            }
        case 7:
            if (!selected)
                break;
            {
                const char* variable = Pick(kVariables);
                ui.SetText(kWindow, "##input", variable);
                ui.Click(kWindow, "Add");
                return "add " + std::string(variable);
            }
        case 8: {
            static const char* const kControls[] = { "Create", "Rename", "Clone" };
            const char* control = selected ? Pick(kControls) : "Create";
            const char* name = Pick(kNames);
            ui.SetText(kWindow, "##detail_name", name);
            ui.Click(kWindow, control);
            return std::string(control) + " " + name;
        }
        case 9:
            // Keep a few modifiers around.
            if (!selected || ListedRows().size() < 3)
                break;
            ui.Click(kWindow, "Delete", 0);
            return "delete modifier";
        case 10:
        case 11: {
            static const char* const kUndoKeys[] = { "ctrl+z", "button" };
            const char* how = Pick(kUndoKeys);
            if (how == std::string("button") && Enabled("Undo"))
                ui.Click(kWindow, "Undo");
            else
                ui.Key("ctrl+z");
            return std::string("undo by ") + how;
        }
        case 12: {
            static const char* const kRedoKeys[] = { "ctrl+y", "ctrl+shift+z", "button" };
            const char* how = Pick(kRedoKeys);
            if (how == std::string("button") && Enabled("Redo"))
                ui.Click(kWindow, "Redo");
            else
                ui.Key(how == std::string("button") ? "ctrl+y" : how);
            return std::string("redo by ") + how;
        }
        case 13:
            if (!Enabled("Revert"))
                break;
            ui.Click(kWindow, "Revert");
            return "revert";
        case 14:
            if (!Enabled("Compare"))
                break;
            ui.Hover(kWindow, "Compare");
            ImGui::GetIO().MouseDown[0] = true;
            ui.Frame(2);
            ImGui::GetIO().MouseDown[0] = false;
            ui.Frame(2);
            return "compare";
        case 15:
            if (values.empty())
                break;
            {
                static const char* const kMenu[] = { "Reset to default", "Reset to original", "Copy value", "Paste value" };
                const std::string& value = values[Below(int(values.size()))];
                const char* item = Pick(kMenu);
                ui.RightClick(kWindow, value);
                // "Copy value" is always there; it closes the menu when the
                // item picked is not available.
                const bool available = Enabled(item);
                ui.Click(kWindow, available ? item : "Copy value");
                return std::string(available ? "" : "(unavailable) ") + item + " on " + value;
            }
        }
        ui.Frame();
        return "nothing";
    }

    std::mt19937 m_random;
};

TEST_F(RandomSession, UndoingEveryStepRestoresTheStartAndRedoingThemTheEnd)
{
    const unsigned seed = SessionSeed();
    m_random.seed(seed);
    std::deque<std::string> lastActions;
    const auto replay = [&] {
        std::ostringstream text;
        text << "seed " << seed << " (VESK_SESSION_SEED=" << seed << " replays it); last actions:";
        for (const std::string& action : lastActions)
            text << "\n  " << action;
        return text.str();
    };

    ui.Frame(2);
    // The game as it was at each place in the history, the latest time an
    // action left the session there; it tells which step went wrong.
    std::map<size_t, gamerecords::Records> atStep;
    atStep[0] = gamerecords::Read();
    for (int i = 0; i < kActions; ++i)
    {
        try
        {
            lastActions.push_back(Act());
        }
        catch (const std::exception& error)
        {
            FAIL() << "action " << i << " failed: " << error.what() << "\n" << replay();
        }
        if (lastActions.size() > kRememberedActions)
            lastActions.pop_front();
        atStep[state.history.DoneCount()] = gamerecords::Read();
    }
    const gamerecords::Records end = gamerecords::Read();
    const size_t endStep = state.history.DoneCount();
    ASSERT_LT(state.history.Bytes(), state.history.ByteLimit()) << "the session must fit in the history";

    while (state.history.CanUndo())
    {
        const std::string step = state.history.UndoDescription();
        state.Undo();
        ASSERT_EQ(state.history.Message(), "") << replay();
        if (auto known = atStep.find(state.history.DoneCount()); known != atStep.end())
        {
            ASSERT_EQ(gamerecords::Read(), known->second) << "undo of " << step << "\n" << replay();
        }
    }
    ui.Frame(2);
    EXPECT_EQ(gamerecords::Read(), atStep[0]) << replay();

    while (state.history.DoneCount() < endStep)
    {
        const std::string step = state.history.RedoDescription();
        state.Redo();
        ASSERT_EQ(state.history.Message(), "") << replay();
        if (auto known = atStep.find(state.history.DoneCount()); known != atStep.end())
        {
            ASSERT_EQ(gamerecords::Read(), known->second) << "redo of " << step << "\n" << replay();
        }
    }
    ui.Frame(2);
    EXPECT_EQ(gamerecords::Read(), end) << replay();
}
