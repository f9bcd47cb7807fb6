// What the bare frame shows, made from the game once, before it is drawn.
#include "BareFrame.h"

#include "editing/ColourTriples.h"
#include "game/LiveTimecycle.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

using namespace tceditor;

namespace bench
{
namespace
{
[[noreturn]] void Fail(const char* message)
{
    fprintf(stderr, "bench: the bare frame %s\n", message);
    exit(1);
}

std::string Printed(const char* format, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// The modifier the game applies at `index`; null for none. Stops the process
// at an index that names no modifier ("INVALID" is not drawn).
const tcModifier* AppliedModifier(GameTimecycle& game, int index)
{
    if (index == -1)
        return nullptr;
    const tcModifier* modifier = game.GetTimecycleByIndex(static_cast<unsigned>(index));
    if (!modifier)
        Fail("draws no invalid applied modifier");
    return modifier;
}

// The parameter rows of the selected modifier in the order of their var ids.
std::vector<BareParameterRow> ParameterRows(GameTimecycle& game, const tcModifier& modifier)
{
    std::map<int32_t, tcModData> params;
    for (int i = 0; i < modifier.numMods; ++i)
        params.try_emplace(modifier.modData[i].varId, modifier.modData[i]);

    ColourTriples triples;
    std::vector<BareParameterRow> rows;
    for (const auto& [varId, data] : params)
    {
        const tcVarInfo* info = game.GetConfigVarInfo(varId);
        const char* name = info ? game.GetVarInfoName(*info) : nullptr;
        if (!name)
            continue;
        BareParameterRow row{ Printed("%d", info->varId), name, Printed("%f", info->defaultValue),
                              { data.value1, data.value2 }, false, {} };
        const ColourTriple* triple = triples.Of(game, varId);
        if (triple && HasAllChannels(*triple, params))
        {
            row.hasSwatch = true;
            row.swatchColour = ImVec4(params[triple->channels[0]].value1, params[triple->channels[1]].value1,
                                      params[triple->channels[2]].value1, 1.0f);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}
}

BareView CaptureBareView(const tcModifier* selected)
{
    GameTimecycle& game = LiveGame();
    const TimecycleScriptData* script = game.GetScriptData();
    if (!script || game.GetInteriorModifierOverride() != -1)
        Fail("draws no interior modifier");

    BareView view;
    const tcModifier* primary = AppliedModifier(game, script->primaryIndex);
    const tcModifier* transition = AppliedModifier(game, script->transitionIndex);
    if (primary)
        view.primary = { "Primary modifier: " + game.GetTimecycleName(*primary), script->primaryStrength };
    if (transition)
        view.transition = { "Transition modifier: " + game.GetTimecycleName(*transition), script->transitionStrength };
    for (tcModifier* modifier : game.Modifiers())
    {
        if (modifier)
            view.list.push_back({ modifier, game.GetTimecycleName(*modifier),
                                  (modifier == primary ? kPrimaryTag : 0) | (modifier == transition ? kTransitionTag : 0) });
    }
    view.changedCountText = "Changed this session: 0";
    if (!selected)
        return view;

    const std::string& name = game.GetTimecycleName(*selected);
    if (name.size() >= sizeof view.nameInput)
        Fail("shows no cut name");
    std::memcpy(view.nameInput, name.c_str(), name.size() + 1);
    view.selectedId = selected;
    view.indexText = Printed("(index: %d)", game.GetTimecycleIndex(*selected));
    view.rows = ParameterRows(game, *selected);
    const float swatch = ImGui::GetTextLineHeight() + ImGui::GetStyle().ItemSpacing.x;
    view.varWidth = ImGui::CalcTextSize("Var").x;
    view.nameWidth = ImGui::CalcTextSize("Name").x;
    for (const BareParameterRow& row : view.rows)
    {
        view.varWidth = std::max(view.varWidth, ImGui::CalcTextSize(row.varText.c_str()).x);
        view.nameWidth = std::max(view.nameWidth, ImGui::CalcTextSize(row.name.c_str()).x + (row.hasSwatch ? swatch : 0.0f));
    }
    return view;
}
}
