// The launch environment: launch mode, pure level and install root, from the
// command line, the environment and the shared init-state block that the
// processes of one launch share.
#pragma once

#include "Platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The shared init-state block, laid out as every process of a launch expects.
// Its text arrays are UTF-16 and NUL-terminated when the writer was careful.
struct KelInitState
{
    uint64_t reserved0;
    uint32_t reserved8;
    int32_t reserved12;              // -1 when created
    uint8_t reserved16;
    uint8_t reserved17;              // 1 when created
    uint8_t createAppFolder;         // switches on the "Tarn.app" folder rules
    uint8_t reserved19;
    char16_t rootPath[1024];         // install root, with a trailing separator
    char16_t reservedPaths[3][1024];
    char16_t commandLine[2048];      // replaces the process's for the pure level
    uint8_t reserved12308[64];
    uint32_t reserved12372;
};

static_assert(offsetof(KelInitState, reserved0) == 0);
static_assert(offsetof(KelInitState, reserved8) == 8);
static_assert(offsetof(KelInitState, reserved12) == 12);
static_assert(offsetof(KelInitState, reserved16) == 16);
static_assert(offsetof(KelInitState, reserved17) == 17);
static_assert(offsetof(KelInitState, createAppFolder) == 18);
static_assert(offsetof(KelInitState, reserved19) == 19);
static_assert(offsetof(KelInitState, rootPath) == 20);
static_assert(offsetof(KelInitState, reservedPaths[0]) == 2068);
static_assert(offsetof(KelInitState, reservedPaths[1]) == 4116);
static_assert(offsetof(KelInitState, reservedPaths[2]) == 6164);
static_assert(offsetof(KelInitState, commandLine) == 8212);
static_assert(offsetof(KelInitState, reserved12308) == 12308);
static_assert(offsetof(KelInitState, reserved12372) == 12372);
static_assert(sizeof(KelInitState) == 12376);

// The values a block gets from the process that creates it.
KelInitState FreshInitState();

// A text array of the block, up to its NUL. The block is written by other
// processes, so an array without one ends at the array's end.
template<size_t N>
std::u16string_view BlockText(const char16_t (&text)[N])
{
    return std::u16string_view(text, std::find(text, text + N, u'\0') - text);
}

// An open block, or the process's fallback block when the shared one could
// not be opened. Closes when Close is called or when it goes away.
class InitStateView
{
public:
    InitStateView(platform::SharedMemory memory, KelInitState* block) : m_memory(memory), m_block(block) {}
    InitStateView(InitStateView&& other) noexcept;
    InitStateView& operator=(InitStateView&& other) noexcept;
    ~InitStateView() { Close(); }

    KelInitState* operator->() const { return m_block; }
    KelInitState* Get() const { return m_block; }
    bool IsFallback() const;

    // Unmaps the view (unless it is the fallback block) and closes the
    // handle, if any. The view is unusable afterwards.
    void Close();

private:
    platform::SharedMemory m_memory;
    KelInitState* m_block;
};

// "Tamberlin_SDK_Guest" is set in the environment, whatever its value.
bool IsSdkGuest();
// The command line contains "mosk" and the process is no SDK guest.
bool IsMoskLaunch();
// "mosk" for a mosk launch or an SDK guest, else "cl2" when the command line
// contains it, else empty.
std::string GetLaunchModeKey();

// "KEL_<launchModeKey>_KELGame_SharedData_<objectName>".
std::string FormatInitStateName(std::string_view launchModeKey, std::string_view objectName);

// Opens or creates the block of this launch mode: "KelInitState" is the one
// the client uses. A block this call creates gets the creation values.
InitStateView OpenInitState(const char* objectName);
// The same for a block given by its full name.
InitStateView OpenInitStateNamed(std::string_view blockName);

// The number after the first "pure_" inside an argument (never the program
// path) of a Windows-rule command line; 0 when there is none.
int ParsePureLevel(std::u16string_view commandLine);
// The pure level of this process; the block's command line, when it has
// one, replaces the process's.
int GetPureLevel();

// The install root with a trailing separator: the block's root, else the
// executable's folder; its "Tarn.app" folder when the root lacks the core
// runtime and has one.
std::u16string ResolveInstallRoot();
// The cached install root, switched once to a freshly resolved one when the
// block asks for the application folder.
std::u16string GetInstallRoot();
