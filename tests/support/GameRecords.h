// Everything the game holds about its modifiers, read straight from its
// records, to judge tools that change them: by name, each modifier's user
// flags and parameters in the game's order, values compared to the bit. The
// order of the modifiers themselves is left out.
#pragma once

#include "TimecycleManager.h"

#include <bit>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace gamerecords
{
struct Parameter
{
    int32_t varId;
    uint32_t value1Bits;
    uint32_t value2Bits;

    bool operator==(const Parameter&) const = default;
};

struct Modifier
{
    uint32_t userFlags = 0;
    std::vector<Parameter> params;

    bool operator==(const Modifier&) const = default;
};

using Records = std::map<std::string, Modifier>;

inline Records Read()
{
    Records records;
    const tcManager* manager = TimecycleManager::GetGameManager();
    for (int i = 0; manager && i < manager->modifierCount; ++i)
    {
        const tcModifier* modifier = manager->modifiers[i];
        if (!modifier || !modifier->modData)
            continue;
        Modifier& record = records[TheTimecycleManager->GetTimecycleName(*modifier)];
        record.userFlags = modifier->userFlags;
        for (int p = 0; p < modifier->numMods; ++p)
        {
            const tcModData& entry = modifier->modData[p];
            record.params.push_back(
                { entry.varId, std::bit_cast<uint32_t>(entry.value1), std::bit_cast<uint32_t>(entry.value2) });
        }
    }
    return records;
}

inline void PrintTo(const Parameter& param, std::ostream* out)
{
    *out << param.varId << "=" << std::bit_cast<float>(param.value1Bits) << "/"
         << std::bit_cast<float>(param.value2Bits);
}

inline void PrintTo(const Modifier& modifier, std::ostream* out)
{
    *out << "flags " << modifier.userFlags << " {";
    for (const Parameter& param : modifier.params)
    {
        *out << " ";
        PrintTo(param, out);
    }
    *out << " }";
}
}
