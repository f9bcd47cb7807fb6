// Colours stored as three parameters. A variable is a channel of a colour
// when its name ends in "_r", "_g" or "_b" and the game's variable table has
// all three names of that stem ("sky_zenith_col_r", "_g", "_b"). Decided from
// the names the game's table gives, gathered again when the table changes.
#pragma once

#include "editing/EditHistory.h"
#include "game/GameTimecycle.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tceditor
{
struct ColourTriple
{
    std::string stem;                 // "sky_zenith_col"
    std::array<int32_t, 3> channels;  // the var ids of red, green and blue
};

class ColourTriples
{
public:
    // The colour the variable is a channel of, or null.
    const ColourTriple* Of(GameTimecycle& game, int32_t varId);

private:
    void Gather(GameTimecycle& game);

    // What the triples were gathered from.
    const tcVarInfo* m_varInfos = nullptr;
    int m_varCount = -1;

    std::vector<ColourTriple> m_triples;
    std::vector<int> m_tripleOfVar;  // by var id: index in m_triples, or -1
};

// The brightness a colour is picked at. The picker's square reaches 1 at
// most, so it is given the colour divided by its intensity and what it gives
// back is multiplied again: a pick on a colour above 1 keeps its brightness.
class ColourIntensity
{
public:
    // The intensity kept for `colour`, while it is the colour it was kept
    // with; for any other colour (changed elsewhere, or first seen) its
    // brightest channel, and 1 for colours no brighter than that.
    float Of(const std::array<float, 3>& colour);
    // The intensity of the colour just written.
    void Keep(float intensity, const std::array<float, 3>& colour);

private:
    bool m_known = false;
    float m_intensity = 1.0f;
    std::array<float, 3> m_colour{};
};

// The colour with each channel multiplied by `factor`.
std::array<float, 3> ScaledColour(const std::array<float, 3>& colour, float factor);

// The colour popup of the parameter table: which colour of which modifier it
// edits, and where the gesture under way started.
struct ColourPopupState
{
    std::string modifier;  // the name of the modifier it was opened for
    std::string stem;
    int32_t redVarId = -1;  // -1 while closed
    bool openRequested = false;
    std::array<float, 3> gestureStart{};
    // Where the swatch it was opened from stands on the screen; the popup
    // closes when that swatch moves or is no longer drawn.
    int32_t anchorVarId = -1;
    float anchorX = 0.0f, anchorY = 0.0f;
    bool anchorDrawnInPlace = false;
    // The picker's intensity of value 1 and value 2.
    std::array<ColourIntensity, 2> intensity{};
};

// Whether the parameters hold all three channels of the colour.
bool HasAllChannels(const ColourTriple& triple, const std::map<int32_t, tcModData>& params);

// The history's text for a colour edit, e.g.
// "sky_zenith_col value 1 (0.45, 0.38, 0.46) -> (0.80, 0.45, 0.20) in tod_sunrise_warm".
std::string DescribeColourEdit(const std::string& stem, ValueColumn column, const std::array<float, 3>& before,
                               const std::array<float, 3>& after, const std::string& modifier);
}
