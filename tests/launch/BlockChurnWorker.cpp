// A worker of the churn test (BlockChurnTests.cpp): opens the churn block,
// checks its creation values, writes the root when there is none and its mark
// into its own slot, holds the block for 0 to 300 microseconds, checks that
// nothing of that changed, and closes it; over and over until it is killed
// (or, should its test be gone, for at most a minute). What goes wrong is
// counted in the tally block at once, as the worker may die any moment.
#include "BlockChurn.h"

#include "LaunchEnvironment.h"
#include "Platform.h"

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace
{
bool HasCreationMarks(const KelInitState& block)
{
    return block.reserved12 == -1 && block.reserved17 == 1;
}

std::u16string_view MarkSlot(const KelInitState& block, int slot)
{
    return std::u16string_view(block.reservedPaths[0] + slot * kChurnMarkLength, kChurnMarkLength);
}

void WriteMark(KelInitState& block, int slot, std::u16string_view mark)
{
    std::copy(mark.begin(), mark.end(), block.reservedPaths[0] + slot * kChurnMarkLength);
}

// Text of exactly kChurnMarkLength units, different for every open.
std::u16string MakeMark(unsigned long long open, std::mt19937_64& random)
{
    std::string text = std::to_string(open) + ":" + std::to_string(random());
    text.resize(kChurnMarkLength, '.');
    return std::u16string(text.begin(), text.end());
}
}

int main(int argc, char** argv)
{
    const int slot = argc > 1 ? std::atoi(argv[1]) : -1;
    if (slot < 0 || slot >= kChurnWorkerSlots)
        return 2;

    platform::SharedMemory tallyMemory = platform::OpenSharedMemory(kChurnTallyName, sizeof(ChurnTally));
    if (!tallyMemory.view || tallyMemory.created)
        return 3;
    ChurnTally& tally = *static_cast<ChurnTally*>(tallyMemory.view);

    std::mt19937_64 random(std::random_device{}());
    std::uniform_int_distribution<int> holdMicroseconds(0, 300);
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    for (unsigned long long open = 0; std::chrono::steady_clock::now() < end; ++open)
    {
        InitStateView block = OpenInitStateNamed(kChurnBlockName);
        if (block.IsFallback())
        {
            ChurnTally::Count(tally.notOpened);
            continue;
        }
        ChurnTally::Count(tally.opens);
        if (!HasCreationMarks(*block.Get()))
            ChurnTally::Count(tally.withoutCreationValues);
        if (BlockText(block->rootPath).empty())
            std::copy_n(kChurnRoot, std::char_traits<char16_t>::length(kChurnRoot) + 1, block->rootPath);
        const std::u16string mark = MakeMark(open, random);
        WriteMark(*block.Get(), slot, mark);

        // Half of the opens close again at once.
        const int hold = holdMicroseconds(random);
        if (hold % 2 == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(hold));

        if (!HasCreationMarks(*block.Get()) || MarkSlot(*block.Get(), slot) != mark)
            ChurnTally::Count(tally.changedUnderHolder);
        if (BlockText(block->rootPath) != kChurnRoot)
            ChurnTally::Count(tally.rootsLost);
    }
    return 0;
}
