// What the bare frame shows, made from the game once, before it is drawn.
#include "BareFrame.h"

#include "ColourTriples.h"
#include "LiveTimecycle.h"

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

// The parameter rows of the selected modifier in the order of their var ids.
std::vector<BareParameterRow> ParameterRows(GameTimecycle& game, const tcModifier& modifier)
{
    std::map<int32_t, tcModData> params;
    for (int i = 0; i < modifier.numMods; ++i)
        params.try_emplace(modifier.modData[i].varId, modifier.modData[i]);

    ColourTriples triples;
    const uint32_t hash = modifier.nameHash;
    std::vector<BareParameterRow> rows;
    for (const auto& [varId, data] : params)
    {
        const tcVarInfo* info = game.GetConfigVarInfo(varId);
        const char* name = info ? game.GetVarInfoName(*info) : nullptr;
        if (!name)
            continue;
        BareParameterRow row{ Printed("%d", info->varId), name, Printed("%f", info->defaultValue),
                              Printed("##%x-%d-1", hash, varId), Printed("##%x-%d-2", hash, varId),
                              Printed("##%x-%d-check", hash, varId), Printed("Delete##%x-%d-del", hash, varId),
                              { data.value1, data.value2 }, false, {}, {} };
        const ColourTriple* triple = triples.Of(game, varId);
        if (triple && HasAllChannels(*triple, params))
        {
            row.hasSwatch = true;
            row.swatchLabel = Printed("##%x-%d-colour", hash, varId);
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
    if (!script || script->primaryIndex != -1 || script->transitionIndex != -1 ||
        game.GetInteriorModifierOverride() != -1)
        Fail("draws no applied modifier");

    BareView view;
    for (tcModifier* modifier : game.Modifiers())
    {
        if (modifier)
            view.list.push_back({ modifier, game.GetTimecycleName(*modifier) });
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
    return view;
}
}
