// Named shared memory on Windows: named mappings, created and first written
// under a mutex of their name, and named locks as named mutexes.
#include "Platform.h"

#include "WideText.h"

#include <windows.h>

#include <cstring>

namespace platform
{
namespace
{
// How long an opener waits for another to finish creating the block.
constexpr DWORD kBlockGuardTimeoutMs = 10000;
}

// Pagefile-backed, in the session's namespace, with the default security
// (the creator's default access list), as the launcher makes the block.
// Opening, creating and writing the first contents happen under a mutex of
// the block's name, so nobody joins a block that is not written yet. A
// creator that dies inside leaves the mutex abandoned, which the next opener
// takes over, and takes the mapping, which only it held, with it.
SharedMemory OpenSharedMemory(std::u16string_view name, size_t size, const void* freshContents)
{
    const std::u16string objectName = Terminated(name);
    const std::u16string guardName = objectName + u".Guard";
    HANDLE guard = CreateMutexW(nullptr, FALSE, Wide(guardName));
    if (!guard)
        return {};
    const DWORD waited = WaitForSingleObject(guard, kBlockGuardTimeoutMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
    {
        CloseHandle(guard);
        return {};
    }

    const uint64_t size64 = size;
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(size64 >> 32),
                                        static_cast<DWORD>(size64), Wide(objectName));
    // Taken before anything else can change the thread's last error.
    const bool created = mapping && GetLastError() != ERROR_ALREADY_EXISTS;
    void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size) : nullptr;
    if (view && created && freshContents)
        std::memcpy(view, freshContents, size);
    if (!view && mapping)
        CloseHandle(mapping);

    ReleaseMutex(guard);
    CloseHandle(guard);
    if (!view)
        return {};
    return {mapping, view, created};
}

void CloseSharedMemory(SharedMemory& memory, size_t)
{
    if (memory.view)
        UnmapViewOfFile(memory.view);
    if (memory.handle)
        CloseHandle(memory.handle);
    memory = {};
}

// A named mutex: one that its holder left by ending is taken as abandoned,
// which still gives it to the waiter.
bool TakeNamedLock(std::u16string_view name, unsigned timeoutMs, NamedLock& lock)
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(Terminated(name)));
    if (!mutex)
        return false;
    const DWORD waited = WaitForSingleObject(mutex, timeoutMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED)
    {
        CloseHandle(mutex);
        return false;
    }
    lock.handle = mutex;
    return true;
}

void ReleaseNamedLock(NamedLock& lock)
{
    if (lock.handle)
    {
        ReleaseMutex(lock.handle);
        CloseHandle(lock.handle);
    }
    lock = {};
}
}
