// Named shared memory on Linux: blocks that live while anyone holds them,
// as Windows named mappings do, and named locks made the same way.
#include "Platform.h"

#include "Utils.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{
namespace
{
// A block lives, as a Windows named mapping does, while anyone holds it.
// Every holder keeps a shared lock on byte 1 of the object; these locks
// belong to the open file and die with the process, however it ends. An
// opener that can lock byte 1 exclusively is the only holder, so the block
// is created afresh. Byte 0 serialises opening and the last close, so that
// nobody joins a block while its last holder removes it.
constexpr off_t kGuardByte = 0;
constexpr off_t kHolderByte = 1;

bool LockByte(int fd, off_t byte, short type, bool wait)
{
    struct flock lock{};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    for (;;)
    {
        if (fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

// Only a block of this user that nobody else may touch is trusted: the
// launch settings it carries steer the install root.
bool IsOwnPrivateObject(int fd)
{
    struct stat info{};
    return fstat(fd, &info) == 0 && info.st_uid == geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool IsStillNamed(int fd)
{
    struct stat info{};
    return fstat(fd, &info) == 0 && info.st_nlink > 0;
}

off_t ObjectSize(int fd)
{
    struct stat info{};
    return fstat(fd, &info) == 0 ? info.st_size : -1;
}

int OpenOrCreateObject(const std::string& objectName)
{
    const int fd = shm_open(objectName.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd >= 0)
    {
        // The umask must not make the block unusable for this user.
        if (fchmod(fd, 0600) == 0)
            return fd;
        close(fd);
        shm_unlink(objectName.c_str());
        return -1;
    }
    if (errno != EEXIST)
        return -1;
    // ENOENT when its last holder removed it in between.
    return shm_open(objectName.c_str(), O_RDWR, 0);
}

// An open block: the object, whose shared lock marks this holder, and its
// mapped view.
struct JoinedBlock
{
    int fd = -1;
    void* view = nullptr;
    bool created = false;
};

// Maps the object and, when this opener is the only holder, gives it its
// first contents. Runs under the guard with byte 1 locked exclusively by a
// creator, so nobody can join the block before it is written.
void* MapBlock(int fd, size_t size, bool created, const void* freshContents)
{
    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED)
        return nullptr;
    if (created && freshContents)
        std::memcpy(view, freshContents, size);
    return view;
}

// Opens the block under the guard and joins its holders; fd -1 when that
// fails or the block is not to be trusted. The guard is released on return.
JoinedBlock JoinBlock(const std::string& objectName, size_t size, const void* freshContents)
{
    // A block whose last holder removes it between our calls is gone; the
    // name is opened again (a bound, not a wait: each retry needs another
    // process's last close).
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const int fd = OpenOrCreateObject(objectName);
        if (fd < 0 && errno == ENOENT)
            continue;
        if (fd < 0)
            return {};
        if (!LockByte(fd, kGuardByte, F_WRLCK, true))
        {
            close(fd);
            return {};
        }
        if (!IsStillNamed(fd))
        {
            close(fd);
            continue;
        }
        if (!IsOwnPrivateObject(fd))
        {
            close(fd);
            return {};
        }

        JoinedBlock block{fd, nullptr, false};
        bool sized = false;
        if (LockByte(fd, kHolderByte, F_WRLCK, false))
        {
            // Nobody else holds it: whatever an earlier holder left is
            // dropped, and the block starts zeroed at its size.
            block.created = true;
            sized = ftruncate(fd, 0) == 0 && ftruncate(fd, static_cast<off_t>(size)) == 0;
        }
        else
        {
            sized = ObjectSize(fd) >= static_cast<off_t>(size);
        }
        if (sized)
            block.view = MapBlock(fd, size, block.created, freshContents);
        // A creator's exclusive lock becomes a holder's shared one in one step.
        const bool joined = block.view && LockByte(fd, kHolderByte, F_RDLCK, false);
        if (!joined && block.created)
            shm_unlink(objectName.c_str()); // still the only holder, under the guard
        LockByte(fd, kGuardByte, F_UNLCK, false);
        if (!joined)
        {
            if (block.view)
                munmap(block.view, size);
            close(fd);
            return {};
        }
        return block;
    }
    return {};
}

// What a POSIX handle holds: the open object, whose lock marks this holder,
// and its name, for the last holder to remove it.
struct PosixBlock
{
    int fd;
    std::string objectName;
};
}

SharedMemory OpenSharedMemory(std::u16string_view name, size_t size, const void* freshContents)
{
    const std::string objectName = "/" + ToUtf8(name);
    const JoinedBlock block = JoinBlock(objectName, size, freshContents);
    if (block.fd < 0)
        return {};
    return {new PosixBlock{block.fd, objectName}, block.view, block.created};
}

void CloseSharedMemory(SharedMemory& memory, size_t size)
{
    if (memory.view)
        munmap(memory.view, size);
    if (auto* block = static_cast<PosixBlock*>(memory.handle))
    {
        // The last holder removes the name, as the last handle ends a Windows
        // mapping; one that dies leaves it to the next opener to start afresh.
        if (LockByte(block->fd, kGuardByte, F_WRLCK, true) && LockByte(block->fd, kHolderByte, F_WRLCK, false))
            shm_unlink(block->objectName.c_str());
        close(block->fd); // releases this holder's locks
        delete block;
    }
    memory = {};
}

// A named lock is an empty shared-memory object whose byte 0 its holder
// locks. The holder removes the name as it lets go, so nothing is left
// behind; a waiter that then gets the lock of the removed object starts over
// on the name, where newcomers meet.
bool TakeNamedLock(std::u16string_view name, unsigned timeoutMs, NamedLock& lock)
{
    const std::string objectName = "/" + ToUtf8(name);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const auto elapsedMs = [&start] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
    };
    for (;;)
    {
        const int fd = OpenOrCreateObject(objectName);
        if (fd < 0 && errno != ENOENT)
            return false;
        if (fd >= 0 && !IsOwnPrivateObject(fd))
        {
            close(fd);
            return false;
        }
        if (fd >= 0 && LockByte(fd, kGuardByte, F_WRLCK, false))
        {
            if (IsStillNamed(fd))
            {
                lock.handle = new PosixBlock{fd, objectName};
                return true;
            }
        }
        if (fd >= 0)
            close(fd);
        if (elapsedMs() >= timeoutMs)
            return false;
        const timespec pause{0, 5 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
}

void ReleaseNamedLock(NamedLock& lock)
{
    if (auto* held = static_cast<PosixBlock*>(lock.handle))
    {
        shm_unlink(held->objectName.c_str());
        close(held->fd); // lets go of the lock
        delete held;
    }
    lock = {};
}
}
