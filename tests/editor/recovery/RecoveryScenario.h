// What the tests of unsaved work share: the game a session starts from, the
// game's own records as one line of text, and random sessions of model
// steps (values typed and dragged, parameters added, deleted and switched,
// modifiers created, cloned, renamed, deleted, reverted and pasted, undo and
// redo).
#pragma once

#include "editing/EditorState.h"
#include "editing/ModifierPaste.h"
#include "game/LiveTimecycle.h"
#include "GameRecords.h"
#include "SmallTimecycleGame.h"

#include <bit>
#include <cstdio>
#include <random>
#include <string>

namespace recovery
{
// A fresh stand-in game with the small table and four modifiers.
inline void StartGame()
{
    using namespace smallgame;
    ResetWithVariables();
    AddModifier("sunny_day", { { kLightDirMult, 2.0f, 1.5f }, { kSkyZenithR, 0.4f, 0.3f } });
    AddModifier("foggy", { { kFogDensity, 0.9f, 0.2f }, { kFogStart, 5.0f, 15.0f } });
    AddModifier("underwater", { { kWaterFogDensity, 0.3f, 0.3f } });
    AddModifier("vault_dark", { { kLightDirMult, 0.2f, 0.1f }, { kGradeSaturation, 0.6f, 0.9f } });
}

// The game's records as text: per modifier by name, its flags and each
// parameter's var id and value bits in the game's order.
inline std::string RecordsText(const gamerecords::Records& records)
{
    std::string text;
    char part[64];
    for (const auto& [name, modifier] : records)
    {
        text += "[" + name;
        std::snprintf(part, sizeof(part), " %u", modifier.userFlags);
        text += part;
        for (const gamerecords::Parameter& param : modifier.params)
        {
            std::snprintf(part, sizeof(part), " %d:%08x:%08x", param.varId, param.value1Bits, param.value2Bits);
            text += part;
        }
        text += "]";
    }
    return text;
}

// Random steps through the editor's history, as the UI makes them.
class RandomSteps
{
public:
    RandomSteps(tceditor::TimecycleEditorState& state, unsigned seed) : m_state(state), m_random(seed) {}

    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    // One step (or nothing when the game refused); returns what it tried.
    std::string Act()
    {
        using namespace tceditor;
        static const char* const kNames[] = { "sunny_day", "foggy", "underwater", "vault_dark", "new_a", "new_b" };
        static const float kValues[] = { 0.1234f, -3.25f, 12.0f, 0.0f, -0.0f, 7.125f, 1e-30f, 0.3f };
        GameTimecycle& game = m_state.game;
        EditHistory& history = m_state.history;
        const auto modifiers = game.Modifiers();
        if (modifiers.empty())
            return "none left";
        tcModifier& modifier = *modifiers[size_t(Below(int(modifiers.size())))];
        const std::string name = game.GetTimecycleName(modifier);
        const int32_t varId = Below(smallgame::kVariableCount);
        const char* variable = game.VariableName(varId);
        const char* other = kNames[Below(6)];
        const ValueColumn column = Below(2) ? ValueColumn::Outdoor : ValueColumn::Indoor;

        switch (Below(13))
        {
        case 0:
            history.SetValue(modifier, varId, column, kValues[Below(8)]);
            return "type into " + name;
        case 1: {
            // A drag: frames of one gesture, then its end.
            const uint32_t gesture = 1 + uint32_t(Below(1000));
            for (int frame = 0; frame < 3; ++frame)
                history.SetValue(modifier, varId, column, kValues[Below(8)] + float(frame), gesture);
            history.EndGesture();
            return "drag in " + name;
        }
        case 2:
            history.AddParameter(modifier, variable, nullptr, ParameterChangeKind::AddedOrDeleted);
            return "add " + std::string(variable) + " to " + name;
        case 3:
            history.RemoveParameter(modifier, varId, Below(2) ? ParameterChangeKind::Switched
                                                             : ParameterChangeKind::AddedOrDeleted);
            return "remove or switch off " + std::string(variable) + " in " + name;
        case 4:
            history.CreateModifier(std::string(other));
            return std::string("create ") + other;
        case 5:
            history.CloneModifier(modifier, other);
            return "clone " + name + " as " + other;
        case 6:
            history.RenameModifier(modifier, other);
            return "rename " + name + " to " + other;
        case 7:
            if (modifiers.size() > 2)
                history.DeleteModifier(modifier);
            return "delete " + name;
        case 8:
            if (const SessionChanges::Record* record = m_state.changes.Find(name); record && record->original)
                history.ReplaceModifier(modifier, *record->original, "revert");
            return "revert " + name;
        case 9: {
            const std::string document = "<timecycle_modifier_data version=\"1.000000\"><modifier name=\"" +
                                         std::string(other) + "\" userFlags=\"" + std::to_string(Below(3)) +
                                         "\"><fog_start>" + std::to_string(Below(50)) +
                                         ".5 1</fog_start></modifier></timecycle_modifier_data>";
            PasteModifiers(game, history, document);
            return std::string("paste ") + other;
        }
        case 10:
        case 11:
            history.Undo();
            return "undo";
        default:
            history.Redo();
            return "redo";
        }
    }

private:
    tceditor::TimecycleEditorState& m_state;
    std::mt19937 m_random;
};
}
