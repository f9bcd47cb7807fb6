// A Windows host that loads, starts, uses, stops, releases and unloads the
// component DLL a hundred times in one process: each unload really unloads,
// each load draws one editor, and the process's heap and handles stay flat.
#include "WindowsTestSupport.h"

#include "CoreRTControl.h"
#include "HostCycle.h"
#include "SmallTimecycleGame.h"

#include <gtest/gtest.h>

#include <psapi.h>

// kernel32's; Wine's headers leave it out.
extern "C" __declspec(dllimport) BOOL WINAPI GetProcessHandleCount(HANDLE process, DWORD* count);

#include <cstdio>
#include <cstdlib>

namespace
{
// The memory the process has committed (its private bytes).
size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

DWORD Handles()
{
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

TEST(WindowsHost, LoadsAndUnloadsTheComponentAHundredTimes)
{
    smallgame::ResetWithVariables();
    smallgame::AddModifier("sunny_day", {{smallgame::kLightDirMult, 2.0f, 1.0f}});
    _putenv("Tamberlin_SDK_Guest=1");
    corert::SetGameReady(true);

    bool wantGui = false;
    uidriver::UiDriver ui([&] { wantGui = hostcycle::RaiseFrame(); });

    constexpr int kCycles = 100;
    constexpr int kSettled = 20;
    size_t settledBytes = 0;
    DWORD settledHandles = 0;
    const std::wstring path = (wintest::ProgramFolder() / "devtools-vesk.dll").wstring();
    for (int cycle = 1; cycle <= kCycles; ++cycle)
    {
        SCOPED_TRACE(cycle);
        HMODULE library = LoadLibraryW(path.c_str());
        ASSERT_NE(library, nullptr) << GetLastError();
        auto createComponent =
            reinterpret_cast<Component* (*)()>(reinterpret_cast<void*>(GetProcAddress(library, "CreateComponent")));
        ASSERT_NE(createComponent, nullptr);
        hostcycle::StartUseStopRelease(createComponent(), ui, wantGui, "sunny_day");
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(FreeLibrary(library));
        ASSERT_EQ(GetModuleHandleW(L"devtools-vesk.dll"), nullptr) << "the DLL stayed loaded";

        if (cycle == kSettled)
        {
            settledBytes = PrivateBytes();
            settledHandles = Handles();
        }
    }
    const size_t bytes = PrivateBytes();
    const size_t perCycle = (bytes > settledBytes ? bytes - settledBytes : 0) / (kCycles - kSettled);
    std::printf("private memory per cycle after cycle %d: %zu bytes\n", kSettled, perCycle);
    EXPECT_LT(perCycle, 16384u);
    EXPECT_LE(Handles(), settledHandles + 2) << "handles grow";
}
}
