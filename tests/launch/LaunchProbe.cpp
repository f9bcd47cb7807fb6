// Reports the launch environment as this process sees it, for the launch
// tests, which choose its argv, its environment and its init-state block.
// LAUNCH_PROBE_STEPS holds one step per line. A query ("key") prints
// "key=<value>"; a step "field=value" writes that field of the block. The
// step "hold" keeps the block open until the process ends; "vanish" ends the
// process at once with exit code 3 and "assert" by a failed assertion, both
// without closing anything, as a process that is killed or crashes. "start"
// starts a component as the loader does, "save" writes the file "saved"
// into the install root, as the editor saves its changes there; "signal=PATH"
// creates a file and "await=PATH" waits until one exists, so that a test can
// run another process of the launch in between.
#include "Assert.h"
#include "Component.h"
#include "LaunchEnvironment.h"
#include "Platform.h"
#include "Utils.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace
{
template<size_t N>
void SetBlockText(char16_t (&array)[N], const std::string& text)
{
    const std::u16string value = ToUtf16(text);
    std::memset(array, 0, sizeof(array));
    std::copy_n(value.begin(), std::min(value.size(), N - 1), array);
}

std::string DescribeBlock()
{
    InitStateView block = OpenInitState("KelInitState");
    const auto* bytes = reinterpret_cast<const unsigned char*>(block.Get());
    const size_t nonZero = sizeof(KelInitState) - std::count(bytes, bytes + sizeof(KelInitState), 0);
    std::ostringstream text;
    text << "fallback:" << block.IsFallback() << " r0:" << block->reserved0 << " r8:" << block->reserved8
         << " r12:" << block->reserved12 << " r16:" << int(block->reserved16) << " r17:" << int(block->reserved17)
         << " app:" << int(block->createAppFolder) << " r19:" << int(block->reserved19) << " nonzero:" << nonZero;
    return text.str();
}

bool Write(const std::string& field, const std::string& value)
{
    InitStateView block = OpenInitState("KelInitState");
    if (field == "appFolder")
        block->createAppFolder = static_cast<uint8_t>(std::atoi(value.c_str()));
    else if (field == "rootPath")
        SetBlockText(block->rootPath, value);
    else if (field == "commandLine")
        SetBlockText(block->commandLine, value);
    else
        return false;
    return true;
}

bool Query(const std::string& step, std::string& value)
{
    if (step == "sdk")
        value = std::to_string(IsSdkGuest());
    else if (step == "mosk")
        value = std::to_string(IsMoskLaunch());
    else if (step == "key")
        value = GetLaunchModeKey();
    else if (step == "pure")
        value = std::to_string(GetPureLevel());
    else if (step == "resolve")
        value = ToUtf8(ResolveInstallRoot());
    else if (step == "root")
        value = ToUtf8(GetInstallRoot());
    else if (step == "block")
        value = DescribeBlock();
    else if (step == "rootPath")
        value = ToUtf8(BlockText(OpenInitState("KelInitState")->rootPath));
    else if (step == "commandLine")
        value = ToUtf8(BlockText(OpenInitState("KelInitState")->commandLine));
    else
        return false;
    return true;
}

std::optional<InitStateView> g_heldBlock;

// Held until the process ends, as the loader holds it.
Component* g_startedComponent = nullptr;

void StartComponent()
{
    g_startedComponent = new ComponentInstance();
    g_startedComponent->AddRef();
    g_startedComponent->Start();
}

bool SaveIntoInstallRoot()
{
    std::string error;
    return platform::WriteNewFile(GetInstallRoot() + u"saved", "saved", error) == platform::WriteFileResult::Written;
}

// A test's go-ahead; a minute at most, should the test be gone.
bool AwaitFile(const std::string& path)
{
    for (int tries = 0; tries < 6000; ++tries)
    {
        if (platform::PathExists(ToUtf16(path)))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

bool Act(const std::string& step)
{
    if (step.starts_with("signal="))
        std::fclose(platform::OpenFile(ToUtf16(step.substr(7)), "wb"));
    else if (step.starts_with("await="))
    {
        if (!AwaitFile(step.substr(6)))
            std::exit(4);
    }
    else if (step == "start")
        StartComponent();
    else if (step == "save")
    {
        if (!SaveIntoInstallRoot())
            std::exit(5);
    }
    else if (step == "hold")
        g_heldBlock.emplace(OpenInitState("KelInitState"));
    else if (step == "vanish")
        platform::EndProcessNow(3);
    else if (step == "assert")
        FW_ASSERT_AT(step.empty(), "step.empty()", "code/client/test/LaunchProbe", 1);
    else
        return false;
    return true;
}
}

int main()
{
    // Every line must be out before a step that ends the process.
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    const char* steps = std::getenv("LAUNCH_PROBE_STEPS");
    std::istringstream lines(steps ? steps : "");
    std::string step;
    while (std::getline(lines, step))
    {
        if (Act(step))
            continue;
        const size_t equals = step.find('=');
        std::string value;
        const bool known =
            equals == std::string::npos ? Query(step, value) : Write(step.substr(0, equals), step.substr(equals + 1));
        if (!known)
        {
            std::fprintf(stderr, "unknown step: %s\n", step.c_str());
            return 2;
        }
        if (equals == std::string::npos)
            std::printf("%s=%s\n", step.c_str(), value.c_str());
    }
    // Closed while the block-name prefix of the tests still stands.
    g_heldBlock.reset();
    return 0;
}
