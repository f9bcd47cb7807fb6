#include "DiagnosticsSupport.h"

#include "CoreRTDiagnostics.h"
#include "LaunchEnvironment.h"
#include "Utils.h"

namespace fs = std::filesystem;

namespace windiag
{
namespace
{
struct PinnedRoot
{
    InitStateView block = OpenInitState("KelInitState");
    std::unique_ptr<wintest::TemporaryFolder> folder; // only in the process that made it
    fs::path root;

    PinnedRoot()
    {
        const std::u16string inherited(BlockText(block->rootPath));
        if (!inherited.empty())
        {
            // A death-test child: its parent holds the block with the root.
            root = fs::path(std::wstring(inherited.begin(), inherited.end()));
            return;
        }
        folder = std::make_unique<wintest::TemporaryFolder>();
        root = folder->Path() / "";
        const std::wstring& text = root.native();
        std::copy(text.begin(), text.end(), block->rootPath);
        block->rootPath[text.size()] = u'\0';
    }
};
}

const fs::path& InstallRoot()
{
    static const PinnedRoot pinned;
    return pinned.root;
}

fs::path PickupPath()
{
    return InstallRoot() / "data" / "cache" / "error-pickup";
}

std::string ReadPickup()
{
    return wintest::ReadBytes(PickupPath()).value_or("<no error-pickup file>");
}

void DiagnosticsTest::SetUp()
{
    corert::ResetErrorRecord();
    corert::SetErrorDataProvided(true);
    corert::SetDebuggerPresent(false);
    corert::ClearTraces();
    fs::create_directories(PickupPath().parent_path());
    fs::remove(PickupPath());
    ASSERT_EQ(ToUtf8(GetInstallRoot()), ToUtf8(std::u16string(InstallRoot().native().begin(), InstallRoot().native().end())));
}
}
