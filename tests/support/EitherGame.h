// The game a test of the editor's model runs against: the in-memory game
// (InMemoryTimecycle) or the stand-in game's manager, both over the small
// variable table of SmallTimecycleGame.h and reached only through the
// editor's GameTimecycle, so that one test body judges both.
#pragma once

#include "game/LiveTimecycle.h"
#include "InMemoryTimecycle.h"
#include "SmallTimecycleGame.h"

#include <gtest/gtest.h>

#include <bit>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>

enum class GameKind
{
    InMemory,
    StandIn,
};

inline std::string GameKindName(const testing::TestParamInfo<GameKind>& info)
{
    return info.param == GameKind::InMemory ? "InMemory" : "StandIn";
}

class EitherGame
{
public:
    explicit EitherGame(GameKind kind) : m_kind(kind)
    {
        if (m_kind == GameKind::StandIn)
            smallgame::ResetWithVariables();
    }
    ~EitherGame()
    {
        if (m_kind == GameKind::StandIn)
            timecycle::ResetManager();
    }
    EitherGame(const EitherGame&) = delete;
    EitherGame& operator=(const EitherGame&) = delete;

    tceditor::GameTimecycle& Game() { return m_kind == GameKind::InMemory ? m_memory : tceditor::LiveGame(); }

    // A new modifier with these parameters (varId, value1, value2).
    tcModifier& Add(const std::string& name, std::initializer_list<tcModData> params = {})
    {
        tceditor::GameTimecycle& game = Game();
        tcModifier* modifier = game.CreateTimecycle(name);
        if (!modifier)
            throw std::runtime_error("the game refused to create modifier " + name);
        for (const tcModData& param : params)
        {
            const char* variable = game.VariableName(param.varId);
            if (!variable || !game.AddTimecycleModData(*modifier, variable))
                throw std::runtime_error("the game refused a parameter of modifier " + name);
            tcModData* live = game.GetTimecycleModData(*modifier, param.varId);
            live->value1 = param.value1;
            live->value2 = param.value2;
        }
        return *modifier;
    }

    tcModifier& Named(const std::string& name)
    {
        tcModifier* modifier = Game().FindModifierByName(name);
        if (!modifier)
            throw std::runtime_error("no modifier " + name);
        return *modifier;
    }

    // Every live modifier by name: user flags, then each parameter's var id
    // and the bits of its two values, in the game's order.
    std::map<std::string, std::vector<uint64_t>> Records()
    {
        std::map<std::string, std::vector<uint64_t>> records;
        tceditor::GameTimecycle& game = Game();
        for (const tcModifier* modifier : game.Modifiers())
        {
            std::vector<uint64_t>& record = records[game.GetTimecycleName(*modifier)];
            record.push_back(modifier->userFlags);
            for (int i = 0; i < modifier->numMods; ++i)
            {
                const tcModData& entry = modifier->modData[i];
                record.push_back(uint64_t(uint32_t(entry.varId)));
                record.push_back(uint64_t(std::bit_cast<uint32_t>(entry.value1)) << 32 |
                                 std::bit_cast<uint32_t>(entry.value2));
            }
        }
        return records;
    }

private:
    GameKind m_kind;
    InMemoryTimecycle m_memory{ smallgame::kVariables };
};
