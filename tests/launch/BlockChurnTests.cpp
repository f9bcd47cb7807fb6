// The init-state block under churn: workers (BlockChurnWorker.cpp) open,
// check, mark, hold and close the same block over and over, while the test
// kills one of them at a random moment and starts another in its slot. The
// block is created afresh many times meanwhile, each time its last holder
// goes, and joiners race its creator. What the workers see go wrong is
// counted in a tally block that the test holds throughout.
#include "BlockChurn.h"
#include "KillableProcess.h"
#include "LaunchTestSupport.h"

#include <chrono>
#include <iostream>
#include <memory>
#include <random>
#include <thread>

namespace
{
constexpr int kWorkers = 4;
// The churn runs for kChurnTime and on until the workers have opened the
// block kMinimumOpens times: on a loaded machine a worker may be killed
// before it opens anything, and a run of such kills proves nothing.
constexpr auto kChurnTime = std::chrono::seconds(3);
constexpr auto kChurnTimeLimit = std::chrono::seconds(30);
constexpr uint32_t kMinimumOpens = 1000;

std::filesystem::path WorkerPath()
{
    std::filesystem::path path = LaunchProbePath();
    const std::filesystem::path extension = path.extension();
    return path.replace_filename("block_churn_worker").replace_extension(extension);
}

std::unique_ptr<KillableProcess> StartWorker(int slot)
{
    return std::make_unique<KillableProcess>(WorkerPath(), std::vector<std::string>{"block_churn_worker",
                                                                                    std::to_string(slot)});
}

TEST(InitStateChurn, HoldersKeepAWholeBlockWhileOthersJoinCreateAndAreKilled)
{
    platform::SharedMemory tallyMemory = platform::OpenSharedMemory(kChurnTallyName, sizeof(ChurnTally));
    ASSERT_NE(tallyMemory.view, nullptr);
    ChurnTally& tally = *static_cast<ChurnTally*>(tallyMemory.view);

    std::vector<std::unique_ptr<KillableProcess>> workers;
    for (int slot = 0; slot < kWorkers; ++slot)
    {
        workers.push_back(StartWorker(slot));
        ASSERT_TRUE(workers.back()->Started()) << WorkerPath();
    }

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> pauseMicroseconds(0, 2000);
    std::uniform_int_distribution<int> pickSlot(0, kWorkers - 1);
    int kills = 0;
    const auto start = std::chrono::steady_clock::now();
    const auto churnedEnough = [&] {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        return elapsed >= kChurnTimeLimit ||
               (elapsed >= kChurnTime && ChurnTally::Read(tally.opens) >= kMinimumOpens);
    };
    while (!churnedEnough())
    {
        std::this_thread::sleep_for(std::chrono::microseconds(pauseMicroseconds(random)));
        const int slot = pickSlot(random);
        workers[slot]->Kill();
        ++kills;
        workers[slot] = StartWorker(slot);
        ASSERT_TRUE(workers[slot]->Started());
    }
    for (std::unique_ptr<KillableProcess>& worker : workers)
        worker->Kill();

    const uint32_t opens = ChurnTally::Read(tally.opens);
    std::cout << "[ churn    ] " << kills << " kills, " << opens << " opens; events: "
              << ChurnTally::Read(tally.withoutCreationValues) << " without creation values, "
              << ChurnTally::Read(tally.changedUnderHolder) << " changed under a holder, "
              << ChurnTally::Read(tally.rootsLost) << " roots lost\n";
    EXPECT_GE(opens, kMinimumOpens) << "the workers hardly ran in " << kChurnTimeLimit.count() << " s";
    EXPECT_EQ(ChurnTally::Read(tally.notOpened), 0u);
    EXPECT_EQ(ChurnTally::Read(tally.withoutCreationValues), 0u) << "a holder saw a block without creation values";
    EXPECT_EQ(ChurnTally::Read(tally.changedUnderHolder), 0u) << "a held block changed under its holder";
    EXPECT_EQ(ChurnTally::Read(tally.rootsLost), 0u) << "a root written by a holder went";

    // Every holder is gone: whatever they wrote went with them.
    InitStateView next = OpenInitStateNamed(kChurnBlockName);
    ASSERT_FALSE(next.IsFallback());
    EXPECT_TRUE(HasCreationValues(next.Get()));

    platform::CloseSharedMemory(tallyMemory, sizeof(ChurnTally));
}
}
