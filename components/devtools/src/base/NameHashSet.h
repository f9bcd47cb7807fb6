// An ordered set of modifier name hashes, built once per search and asked
// once per listed modifier every frame. The hashes sit in a sorted array; a
// bitmap over their low bits answers most "not in the set" questions without
// a search, which keeps the per-frame cost flat for games with thousands of
// modifiers.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tceditor
{
class NameHashSet
{
public:
    using value_type = uint32_t;
    using const_iterator = std::vector<uint32_t>::const_iterator;

    bool contains(uint32_t hash) const
    {
        const uint32_t slot = hash & kBitmapMask;
        if (!(m_bitmap[slot / 64] & (uint64_t{ 1 } << (slot % 64))))
            return false;
        return std::binary_search(m_hashes.begin(), m_hashes.end(), hash);
    }

    void insert(uint32_t hash)
    {
        auto position = std::lower_bound(m_hashes.begin(), m_hashes.end(), hash);
        if (position == m_hashes.end() || *position != hash)
            m_hashes.insert(position, hash);
        Mark(hash);
        Touch();
    }

    // Replaces the contents with `hashes`, in any order, duplicates allowed.
    void assign(std::vector<uint32_t> hashes)
    {
        std::sort(hashes.begin(), hashes.end());
        hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
        clear();
        m_hashes = std::move(hashes);
        for (uint32_t hash : m_hashes)
            Mark(hash);
        Touch();
    }

    void clear()
    {
        m_hashes.clear();
        m_bitmap.fill(0);
        Touch();
    }

    bool empty() const { return m_hashes.empty(); }
    size_t size() const { return m_hashes.size(); }
    const_iterator begin() const { return m_hashes.begin(); }
    const_iterator end() const { return m_hashes.end(); }

    bool operator==(const NameHashSet& other) const { return m_hashes == other.m_hashes; }

    // Changes with every change of contents, and is never the same for two
    // sets, so that a view built from a set can tell whether it still holds.
    uint64_t Version() const { return m_version; }

private:
    static constexpr uint32_t kBitmapBits = 1u << 16;
    static constexpr uint32_t kBitmapMask = kBitmapBits - 1;

    void Mark(uint32_t hash)
    {
        const uint32_t slot = hash & kBitmapMask;
        m_bitmap[slot / 64] |= uint64_t{ 1 } << (slot % 64);
    }

    void Touch()
    {
        static uint64_t lastVersion = 0;
        m_version = ++lastVersion;
    }

    std::vector<uint32_t> m_hashes; // ascending, unique
    std::array<uint64_t, kBitmapBits / 64> m_bitmap{};
    uint64_t m_version = 0;
};
}
