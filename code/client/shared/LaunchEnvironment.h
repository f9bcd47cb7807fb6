// The launch environment: launch mode, pure level and install root, from the
// command line, the environment and the shared init-state block that the
// processes of one launch share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The shared init-state block, laid out as every process of a launch expects.
struct KelInitState
{
    uint64_t reserved0;              // 0
    uint32_t reserved8;              // 8
    int32_t reserved12;              // 12, -1 when created
    uint8_t reserved16;              // 16
    uint8_t reserved17;              // 17, 1 when created
    uint8_t createAppFolder;         // 18
    uint8_t reserved19;              // 19
    char16_t rootPath[1024];         // 20: install root, with a trailing separator
    char16_t reservedPaths[3][1024]; // 2068, 4116, 6164
    char16_t commandLine[2048];      // 8212: replaces the process's for the pure level
    uint8_t reserved12308[64];       // 12308
    uint32_t reserved12372;          // 12372
};

// A view of the block, open until Close.
class InitStateView
{
public:
    InitStateView(void* handle, KelInitState* block) : m_handle(handle), m_block(block) {}

    KelInitState* operator->() const { return m_block; }
    KelInitState* Get() const { return m_block; }
    bool IsFallback() const;

    // Unmaps the view (unless it is the fallback block) and closes the
    // handle, if any.
    void Close();

private:
    void* m_handle;
    KelInitState* m_block;
};

bool IsSdkGuest();
bool IsMoskLaunch();
std::string GetLaunchModeKey();

// Opens or creates the block "KEL_<key>_KELGame_SharedData_<objectName>";
// a block this call creates gets the creation values.
InitStateView OpenInitState(const char* objectName);

int GetPureLevel();
std::u16string ResolveInstallRoot();
std::u16string GetInstallRoot();
