// What the churn test and its workers share: the block they churn, and the
// tally block in which the workers count what they saw go wrong.
#pragma once

#include <atomic>
#include <cstdint>

// The block the workers open, check, mark, hold and close over and over.
constexpr const char* kChurnBlockName = "BlockChurn";
// Held by the test for the whole run, so it never starts afresh.
constexpr const char16_t* kChurnTallyName = u"BlockChurn.Tally";

// A worker's mark lives in its own slot of the block's first reserved path.
constexpr size_t kChurnMarkLength = 32;
constexpr int kChurnWorkerSlots = 8;

// The root every worker writes when it finds the block without one.
constexpr const char16_t* kChurnRoot = u"churn-root/";

struct ChurnTally
{
    uint32_t opens;                  // blocks opened and checked
    uint32_t withoutCreationValues;  // a holder saw a block without them
    uint32_t changedUnderHolder;     // creation values or own mark changed while held
    uint32_t rootsLost;              // a written root went while still held
    uint32_t notOpened;              // the shared block could not be opened

    static void Count(uint32_t& counter) { std::atomic_ref<uint32_t>(counter).fetch_add(1); }
    static uint32_t Read(uint32_t& counter) { return std::atomic_ref<uint32_t>(counter).load(); }
};
