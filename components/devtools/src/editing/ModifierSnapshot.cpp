#include "editing/ModifierSnapshot.h"

#include <algorithm>
#include <bit>

namespace tceditor
{
namespace
{
// Adds the parameter at the end of the array and gives it the entry's values.
bool AddWithValues(GameTimecycle& game, tcModifier& modifier, const tcModData& entry)
{
    const uint16_t count = modifier.numMods;
    if (!game.AddTimecycleModDataById(modifier, entry.varId))
        return false;
    // The game appends a new parameter; anywhere else it is looked for.
    tcModData* live = modifier.numMods == count + 1 && modifier.modData[count].varId == entry.varId
                          ? &modifier.modData[count]
                          : game.GetTimecycleModData(modifier, entry.varId);
    if (!live)
        return false;
    live->value1 = entry.value1;
    live->value2 = entry.value2;
    return true;
}

// Removes the array's entries from `position` on; returns them.
std::vector<tcModData> TakeTail(GameTimecycle& game, tcModifier& modifier, size_t position)
{
    std::vector<tcModData> tail;
    if (position < modifier.numMods)
        tail.assign(modifier.modData + position, modifier.modData + modifier.numMods);
    for (const tcModData& entry : tail)
        game.RemoveTimecycleModData(modifier, entry);
    return tail;
}

std::vector<tcModData> SortedByVar(std::vector<tcModData> params)
{
    std::sort(params.begin(), params.end(),
              [](const tcModData& a, const tcModData& b) { return a.varId < b.varId; });
    return params;
}

bool SameParams(const std::vector<tcModData>& a, const std::vector<tcModData>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameValues);
}

// FNV-1a over 32-bit words.
class Fingerprint
{
public:
    void Add(uint32_t word)
    {
        for (int shift = 0; shift < 32; shift += 8)
            m_value = (m_value ^ ((word >> shift) & 0xFF)) * 0x100000001B3ull;
    }
    void Add(const tcModData& entry)
    {
        Add(static_cast<uint32_t>(entry.varId));
        Add(std::bit_cast<uint32_t>(entry.value1));
        Add(std::bit_cast<uint32_t>(entry.value2));
    }
    uint64_t Value() const { return m_value; }

private:
    uint64_t m_value = 0xCBF29CE484222325ull;
};

uint64_t FingerprintOf(uint32_t userFlags, const tcModData* params, size_t count)
{
    Fingerprint fingerprint;
    fingerprint.Add(userFlags);
    fingerprint.Add(static_cast<uint32_t>(count));
    for (size_t i = 0; i < count; ++i)
        fingerprint.Add(params[i]);
    return fingerprint.Value();
}
}

uint64_t ContentFingerprint(const tcModifier& modifier)
{
    return FingerprintOf(modifier.userFlags, modifier.modData, modifier.modData ? modifier.numMods : 0);
}

uint64_t ContentFingerprint(const ModifierSnapshot& snapshot)
{
    return FingerprintOf(snapshot.userFlags, snapshot.params.data(), snapshot.params.size());
}

bool SameValue(float a, float b)
{
    return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}

bool SameValues(const tcModData& a, const tcModData& b)
{
    return a.varId == b.varId && SameValue(a.value1, b.value1) && SameValue(a.value2, b.value2);
}

ModifierSnapshot ModifierSnapshot::Take(GameTimecycle& game, const tcModifier& modifier)
{
    ModifierSnapshot snapshot;
    snapshot.name = game.GetTimecycleName(modifier);
    snapshot.userFlags = modifier.userFlags;
    if (modifier.modData)
        snapshot.params.assign(modifier.modData, modifier.modData + modifier.numMods);
    return snapshot;
}

size_t ModifierSnapshot::Bytes() const
{
    // A short name lives inside the string itself.
    const size_t nameBytes = name.capacity() > 15 ? name.capacity() + 1 : 0;
    return sizeof(*this) + nameBytes + params.capacity() * sizeof(tcModData);
}

bool ModifierSnapshot::operator==(const ModifierSnapshot& other) const
{
    return name == other.name && userFlags == other.userFlags && SameParams(params, other.params);
}

bool ModifierSnapshot::SameContent(const ModifierSnapshot& other) const
{
    if (name != other.name || userFlags != other.userFlags || params.size() != other.params.size())
        return false;
    // Parameters in the same order, as after most edits, are compared as
    // they stand, without sorting copies.
    const bool sameOrder = std::equal(params.begin(), params.end(), other.params.begin(),
                                      [](const tcModData& a, const tcModData& b) { return a.varId == b.varId; });
    if (sameOrder)
        return SameParams(params, other.params);
    return SameParams(SortedByVar(params), SortedByVar(other.params));
}

bool ApplyContent(GameTimecycle& game, tcModifier& modifier, const ModifierSnapshot& snapshot)
{
    if (!modifier.modData)
        return false;
    modifier.userFlags = snapshot.userFlags;

    // Entries that already stand where the snapshot wants them keep their
    // place; everything after the first difference is added again in order.
    size_t common = 0;
    while (common < modifier.numMods && common < snapshot.params.size() &&
           modifier.modData[common].varId == snapshot.params[common].varId)
        ++common;
    TakeTail(game, modifier, common);

    for (size_t i = 0; i < common; ++i)
    {
        modifier.modData[i].value1 = snapshot.params[i].value1;
        modifier.modData[i].value2 = snapshot.params[i].value2;
    }
    bool complete = true;
    for (size_t i = common; i < snapshot.params.size(); ++i)
        complete = AddWithValues(game, modifier, snapshot.params[i]) && complete;
    return complete;
}

bool ApplySnapshot(GameTimecycle& game, tcModifier& modifier, const ModifierSnapshot& snapshot)
{
    bool renamed = game.GetTimecycleName(modifier) == snapshot.name;
    if (!renamed)
        renamed = game.RenameTimecycle(modifier, snapshot.name);
    return ApplyContent(game, modifier, snapshot) && renamed;
}

tcModifier* CreateFromSnapshot(GameTimecycle& game, const ModifierSnapshot& snapshot)
{
    tcModifier* modifier = game.CreateTimecycle(snapshot.name);
    if (modifier)
        ApplyContent(game, *modifier, snapshot);
    return modifier;
}

bool InsertParameter(GameTimecycle& game, tcModifier& modifier, const tcModData& entry, size_t position)
{
    const std::vector<tcModData> tail = TakeTail(game, modifier, position);
    const bool inserted = AddWithValues(game, modifier, entry);
    for (const tcModData& moved : tail)
        AddWithValues(game, modifier, moved);
    return inserted;
}
}
