#include "LaunchEnvironment.h"

#include "ModuleThreadLocal.h"
#include "Utils.h"

#include <atomic>
#include <fmt/printf.h>
#include <optional>
#include <utility>
#include <vector>

namespace
{
constexpr const char* kInitStateObject = "KelInitState";
constexpr std::u16string_view kAppFolder = u"Tarn.app";

const std::u16string& ProcessCommandLine()
{
    static const std::u16string commandLine = platform::GetProcessCommandLine();
    return commandLine;
}

bool ProcessCommandLineContains(std::u16string_view text)
{
    return ProcessCommandLine().find(text) != std::u16string::npos;
}

// Used when the shared block cannot be opened: the launcher's values are not
// seen, and what this process writes stays with it.
KelInitState* FallbackBlock()
{
    static KelInitState block = FreshInitState();
    return &block;
}

// Copies text with its NUL into a text array of the block; text that does
// not fit is not stored.
template<size_t N>
void StoreBlockText(char16_t (&array)[N], std::u16string_view text)
{
    if (text.size() >= N)
        return;
    std::copy(text.begin(), text.end(), array);
    array[text.size()] = u'\0';
}

std::u16string ExecutableFolder()
{
    const std::u16string path = platform::GetExecutablePath();
    const size_t lastSeparator = path.rfind(platform::kPathSeparator);
    return lastSeparator == std::u16string::npos ? std::u16string() : path.substr(0, lastSeparator + 1);
}
}

KelInitState FreshInitState()
{
    KelInitState block{};
    block.reserved12 = -1;
    block.reserved17 = 1;
    return block;
}

InitStateView::InitStateView(InitStateView&& other) noexcept
    : m_memory(std::exchange(other.m_memory, {})), m_block(std::exchange(other.m_block, nullptr))
{
}

InitStateView& InitStateView::operator=(InitStateView&& other) noexcept
{
    if (this != &other)
    {
        Close();
        m_memory = std::exchange(other.m_memory, {});
        m_block = std::exchange(other.m_block, nullptr);
    }
    return *this;
}

bool InitStateView::IsFallback() const
{
    return m_block == FallbackBlock();
}

void InitStateView::Close()
{
    platform::CloseSharedMemory(m_memory, sizeof(KelInitState));
    m_block = nullptr;
}

bool IsSdkGuest()
{
    static const bool sdkGuest = platform::GetEnvironment("Tamberlin_SDK_Guest") != nullptr;
    return sdkGuest;
}

bool IsMoskLaunch()
{
    static const bool moskLaunch = ProcessCommandLineContains(u"mosk") && !IsSdkGuest();
    return moskLaunch;
}

std::string GetLaunchModeKey()
{
    static const bool cl2Launch = ProcessCommandLineContains(u"cl2");
    if (IsMoskLaunch() || IsSdkGuest())
        return "mosk";
    return cl2Launch ? "cl2" : "";
}

std::string FormatInitStateName(std::string_view launchModeKey, std::string_view objectName)
{
    return fmt::sprintf("KEL_%s_%s_SharedData_%s", launchModeKey, "KELGame", objectName);
}

InitStateView OpenInitState(const char* objectName)
{
    // This thread's copy, made on its first call.
    static ModuleThreadLocal<std::optional<std::string>> launchModeKeys;
    std::optional<std::string>& launchModeKey = launchModeKeys.Get();
    if (!launchModeKey)
        launchModeKey = GetLaunchModeKey();
    return OpenInitStateNamed(FormatInitStateName(*launchModeKey, objectName ? objectName : ""));
}

InitStateView OpenInitStateNamed(std::string_view blockName)
{
    // The creation values go in as the block is created, before anyone else
    // can join it: a joiner never sees a block without them, and a creator
    // never writes them over what a joiner wrote.
    const KelInitState fresh = FreshInitState();
    platform::SharedMemory memory = platform::OpenSharedMemory(ToUtf16(blockName), sizeof(KelInitState), &fresh);
    if (!memory.view)
        return InitStateView({}, FallbackBlock());
    return InitStateView(memory, static_cast<KelInitState*>(memory.view));
}

int ParsePureLevel(std::u16string_view commandLine)
{
    static constexpr std::u16string_view kPrefix = u"pure_";

    const std::vector<std::u16string> arguments = platform::SplitCommandLine(commandLine);
    for (size_t i = 1; i < arguments.size(); ++i)
    {
        const std::u16string_view argument = arguments[i];
        if (argument.size() < kPrefix.size())
            continue;
        const size_t at = argument.find(kPrefix);
        if (at != std::u16string_view::npos)
            return platform::ParseInt(argument.substr(at + kPrefix.size()));
    }
    return 0;
}

int GetPureLevel()
{
    // No lock: threads that come first together parse the same text and
    // store the same value. The value is stored only once it is known.
    static std::atomic<int> cachedLevel{-1};
    int level = cachedLevel.load(std::memory_order_relaxed);
    if (level != -1)
        return level;

    InitStateView block = OpenInitState(kInitStateObject);
    const std::u16string blockCommandLine(BlockText(block->commandLine));
    block.Close();

    level = ParsePureLevel(blockCommandLine.empty() ? ProcessCommandLine() : blockCommandLine);
    cachedLevel.store(level, std::memory_order_relaxed);
    return level;
}

std::u16string ResolveInstallRoot()
{
    InitStateView block = OpenInitState(kInitStateObject);

    std::u16string root(BlockText(block->rootPath));
    if (root.empty())
    {
        root = ExecutableFolder();
        // A folder too long for the block is still this process's root; the
        // block just cannot pass it on.
        StoreBlockText(block->rootPath, root);
    }

    const std::u16string coreRuntime = root + ToUtf16(platform::ModuleFileName("CoreRT"));
    const std::u16string appFolder = root + std::u16string(kAppFolder);
    if (block->createAppFolder && !platform::PathExists(coreRuntime))
    {
        if (platform::CreateFolder(appFolder) == platform::CreateFolderResult::Failed)
        {
            // Release the block first: the process ends without running
            // destructors.
            block.Close();
            platform::EndProcessNow(1);
        }
    }

    if (!platform::PathExists(coreRuntime) && platform::IsDirectory(appFolder))
        root = appFolder + platform::kPathSeparator;
    return root;
}

std::u16string GetInstallRoot()
{
    static const std::u16string firstRoot = ResolveInstallRoot();
    static std::u16string secondRoot;
    static std::atomic<int> rootIndex{0};
    static std::atomic<int> switchFlag{0};

    // Until the switch, every call asks the block whether the launcher wants
    // the application folder now.
    if (switchFlag.load() == 0)
    {
        InitStateView block = OpenInitState(kInitStateObject);
        int expected = 0;
        if (block->createAppFolder && switchFlag.compare_exchange_strong(expected, 1))
        {
            secondRoot = ResolveInstallRoot();
            rootIndex.store(1, std::memory_order_release);
        }
    }
    return rootIndex.load(std::memory_order_acquire) == 0 ? firstRoot : secondRoot;
}
