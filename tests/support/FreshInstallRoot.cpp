#include "FreshInstallRoot.h"

#include <LaunchEnvironment.h>
#include <LaunchHandover.h>
#include <Platform.h>

#include <memory>
#include <random>
#include <stdexcept>
#include <string>

namespace
{
constexpr unsigned kTurnTimeoutMs = 60 * 1000;

struct HandedRoot
{
    std::filesystem::path folder;
    std::unique_ptr<RootHandover> handover;

    HandedRoot()
    {
        folder = std::filesystem::temp_directory_path() /
                 ("vesk-test-root-" + std::to_string(platform::CurrentProcessId()) + "-" +
                  std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder);
        handover = std::make_unique<RootHandover>(folder.u16string() + platform::kPathSeparator, kTurnTimeoutMs);
        if (!handover->Problem().empty())
            throw std::runtime_error("cannot hand over the test's install root: " + handover->Problem());
    }

    ~HandedRoot()
    {
        handover.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

HandedRoot& Root()
{
    static HandedRoot root;
    return root;
}
}

const std::filesystem::path& FreshInstallRoot()
{
    return Root().folder;
}

void FreshInstallRootTaken()
{
    Root().handover->ModulesStarted();
}

const std::filesystem::path& SettledInstallRoot()
{
    static const std::filesystem::path& folder = [] () -> const std::filesystem::path& {
        const std::filesystem::path& root = FreshInstallRoot();
        GetInstallRoot();
        FreshInstallRootTaken();
        return root;
    }();
    return folder;
}
