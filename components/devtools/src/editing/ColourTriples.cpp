#include "editing/ColourTriples.h"

#include "base/EditorAssert.h"
#include "base/StatusText.h"

#include <Utils.h>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

namespace tceditor
{
namespace
{
constexpr const char* kChannelSuffixes[3] = { "_r", "_g", "_b" };
}

const ColourTriple* ColourTriples::Of(GameTimecycle& game, int32_t varId)
{
    if (game.GetConfigVarInfos() != m_varInfos || game.GetConfigVarInfoCount() != m_varCount)
        Gather(game);
    if (varId < 0 || varId >= static_cast<int32_t>(m_tripleOfVar.size()) || m_tripleOfVar[varId] < 0)
        return nullptr;
    return &m_triples[m_tripleOfVar[varId]];
}

void ColourTriples::Gather(GameTimecycle& game)
{
    m_varInfos = game.GetConfigVarInfos();
    m_varCount = game.GetConfigVarInfoCount();
    m_triples.clear();
    m_tripleOfVar.assign(m_varCount > 0 ? m_varCount : 0, -1);

    // The first variable of a name counts, as the game's lookup by name finds.
    std::unordered_map<std::string_view, int32_t> idByName;
    for (int32_t varId = 0; varId < m_varCount; ++varId)
    {
        if (const char* name = game.VariableName(varId))
            idByName.emplace(name, varId);
    }

    for (const auto& [name, redId] : idByName)
    {
        if (name.size() <= 2 || !name.ends_with(kChannelSuffixes[0]))
            continue;
        const std::string stem(name.substr(0, name.size() - 2));
        ColourTriple triple{ stem, { redId, -1, -1 } };
        for (int channel = 1; channel < 3; ++channel)
        {
            const auto found = idByName.find(stem + kChannelSuffixes[channel]);
            if (found != idByName.end())
                triple.channels[channel] = found->second;
        }
        if (triple.channels[1] < 0 || triple.channels[2] < 0)
            continue;
        for (int32_t channelId : triple.channels)
            m_tripleOfVar[channelId] = static_cast<int>(m_triples.size());
        m_triples.push_back(std::move(triple));
    }
}

bool HasAllChannels(const ColourTriple& triple, const std::map<int32_t, tcModData>& params)
{
    for (int32_t channelId : triple.channels)
    {
        if (!params.contains(channelId))
            return false;
    }
    return true;
}

std::string DescribeColourEdit(const std::string& stem, ValueColumn column, const std::array<float, 3>& before,
                               const std::array<float, 3>& after, const std::string& modifier)
{
    return fmt::sprintf("%s value %d (%.2f, %.2f, %.2f) -> (%.2f, %.2f, %.2f) in %s", stem, static_cast<int>(column),
                        before[0], before[1], before[2], after[0], after[1], after[2], StatusName(modifier));
}

float ColourIntensity::Of(const std::array<float, 3>& colour)
{
    if (m_known && colour == m_colour)
        return m_intensity;
    // A channel that is not a number is left out; an infinite one would
    // divide the others down to nothing.
    float brightest = 1.0f;
    for (float channel : colour)
    {
        if (std::isfinite(channel))
            brightest = std::max(brightest, channel);
    }
    Keep(brightest, colour);
    return brightest;
}

void ColourIntensity::Keep(float intensity, const std::array<float, 3>& colour)
{
    TCE_ASSERT(intensity > 0.0f);  // the picker divides the colour by it
    m_known = true;
    m_intensity = intensity;
    m_colour = colour;
}

std::array<float, 3> ScaledColour(const std::array<float, 3>& colour, float factor)
{
    return { colour[0] * factor, colour[1] * factor, colour[2] * factor };
}
}
