// The platform layer on Linux: the Windows operations of the framework with
// their POSIX meanings.
#include "Platform.h"

#include "Utils.h"
#include "WindowsCommandLine.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <cxxabi.h>
#include <dirent.h>
#include <dlfcn.h>
#include <pthread.h>
#include <link.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace platform
{
const char16_t kPathSeparator = u'/';

std::string ModuleFileName(std::string_view baseName)
{
    return std::string(baseName) + ".so";
}

ModuleHandle FindLoadedModule(std::string_view baseName)
{
    void* handle = dlopen(ModuleFileName(baseName).c_str(), RTLD_NOW | RTLD_NOLOAD);
    // dlopen counts references like LoadLibrary; a lookup must not keep the
    // module loaded, and a found module stays loaded through its owner.
    if (handle)
        dlclose(handle);
    return handle;
}

ModuleHandle GetMainModule()
{
    static void* mainModule = dlopen(nullptr, RTLD_NOW);
    return mainModule;
}

void* FindExport(ModuleHandle module, const char* name)
{
    if (!module)
        return nullptr;
    void* symbol = dlsym(module, name);
    if (!symbol || module != GetMainModule())
        return symbol;

    // The main program's handle searches every globally loaded library too;
    // like GetProcAddress, take only what the executable itself exports.
    Dl_info info{};
    link_map* owner = nullptr;
    link_map* program = nullptr;
    if (!dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) ||
        dlinfo(module, RTLD_DI_LINKMAP, &program) != 0 || owner != program)
        return nullptr;
    return symbol;
}

std::u16string GetProcessCommandLine()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    std::vector<std::u16string> arguments;
    for (size_t start = 0; start < raw.size();)
    {
        size_t end = raw.find('\0', start);
        if (end == std::string::npos)
            end = raw.size();
        arguments.push_back(ToUtf16(std::string_view(raw).substr(start, end - start)));
        start = end + 1;
    }
    return JoinWindowsCommandLine(arguments);
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view line)
{
    return SplitWindowsCommandLine(line);
}

namespace
{
// White space as the Windows runtime's _wtoi (ucrtbase) skips it: the ASCII
// controls, the next-line control and the Unicode space separators.
bool IsConversionSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x0085 || c == 0x00A0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// A decimal digit's value as _wtoi reads it, -1 for none: ASCII digits, and
// those of the other scripts whose zero-to-nine runs the runtime knows.
int ConversionDigit(char16_t c)
{
    static constexpr char16_t kZeros[] = {
        u'0', 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66,
        0x0CE6, 0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10,
    };
    for (const char16_t zero : kZeros)
    {
        if (c >= zero && c < zero + 10)
            return c - zero;
    }
    return -1;
}
}

int ParseInt(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsConversionSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    long long value = 0;
    for (int digit = 0; i < text.size() && (digit = ConversionDigit(text[i])) >= 0; ++i)
    {
        value = value * 10 + digit;
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    // Out of range saturates, as the C runtime's conversion does.
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string ReadableTypeName(const std::type_info& type)
{
    // GCC's type names are mangled ("b"); the C++ ABI's demangler spells them.
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                          &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

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

std::u16string GetExecutablePath()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return {};
    return ToUtf16(std::string_view(path, static_cast<size_t>(length)));
}

bool PathExists(std::u16string_view path)
{
    struct stat info{};
    return stat(ToUtf8(path).c_str(), &info) == 0;
}

bool IsDirectory(std::u16string_view path)
{
    struct stat info{};
    return stat(ToUtf8(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsLink(std::u16string_view path)
{
    struct stat info{};
    return lstat(ToUtf8(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

CreateFolderResult CreateFolder(std::u16string_view path, std::string* error)
{
    if (mkdir(ToUtf8(path).c_str(), 0755) == 0)
        return CreateFolderResult::Created;
    if (errno == EEXIST)
        return CreateFolderResult::AlreadyExists;
    if (error)
        *error = std::generic_category().message(errno);
    return CreateFolderResult::Failed;
}

namespace
{
bool WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty())
    {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Gives the temporary its final name unless that name is taken; link() where
// the file system cannot refuse a rename over an existing file.
int MoveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (link(from.c_str(), to.c_str()) != 0)
        return errno;
    unlink(from.c_str());
    return 0;
}
}

WriteFileResult WriteNewFile(std::u16string_view path, std::string_view contents, std::string& error)
{
    const std::string target = ToUtf8(path);
    const std::string temporary = target + ".partial";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        if (errno == EEXIST)
            return WriteFileResult::AlreadyExists;
        error = std::generic_category().message(errno);
        return WriteFileResult::Failed;
    }

    int failure = 0;
    if (!WriteAll(fd, contents) || fsync(fd) != 0)
        failure = errno;
    if (close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0)
        failure = MoveWithoutReplacing(temporary, target);
    if (failure == 0)
        return WriteFileResult::Written;

    unlink(temporary.c_str());
    if (failure == EEXIST)
        return WriteFileResult::AlreadyExists;
    error = std::generic_category().message(failure);
    return WriteFileResult::Failed;
}

bool ReplaceFileContents(std::u16string_view path, std::string_view contents, std::string& error)
{
    const std::string target = ToUtf8(path);
    const std::string temporary = target + ".partial";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        error = std::generic_category().message(errno);
        return false;
    }
    int failure = 0;
    if (!WriteAll(fd, contents) || fsync(fd) != 0)
        failure = errno;
    if (close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure == 0)
        return true;
    unlink(temporary.c_str());
    error = std::generic_category().message(failure);
    return false;
}

// An fd is kept in the handle plus one, so that fd 0 is not null.
bool OpenAppendFile(std::u16string_view path, AppendFile& file, std::string& error)
{
    const int fd = open(ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        error = std::generic_category().message(errno);
        return false;
    }
    file.handle = reinterpret_cast<void*>(static_cast<intptr_t>(fd) + 1);
    return true;
}

bool AppendToFile(AppendFile& file, std::string_view bytes, std::string& error)
{
    const int fd = static_cast<int>(reinterpret_cast<intptr_t>(file.handle) - 1);
    if (!file.handle || !WriteAll(fd, bytes) || fdatasync(fd) != 0)
    {
        error = file.handle ? std::generic_category().message(errno) : "the file is not open";
        return false;
    }
    return true;
}

void CloseAppendFile(AppendFile& file)
{
    if (file.handle)
        close(static_cast<int>(reinterpret_cast<intptr_t>(file.handle) - 1));
    file.handle = nullptr;
}

std::vector<std::u16string> ListFolder(std::u16string_view folder)
{
    std::vector<std::u16string> names;
    DIR* listing = opendir(ToUtf8(folder).c_str());
    if (!listing)
        return names;
    while (const dirent* entry = readdir(listing))
    {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(ToUtf16(std::string(name)));
    }
    closedir(listing);
    return names;
}

bool RemoveFile(std::u16string_view path)
{
    return unlink(ToUtf8(path).c_str()) == 0;
}

bool MoveFileWithoutReplacing(std::u16string_view from, std::u16string_view to, std::string& error)
{
    const int failure = MoveWithoutReplacing(ToUtf8(from), ToUtf8(to));
    if (failure != 0)
        error = std::generic_category().message(failure);
    return failure == 0;
}

// flock belongs to the open file, not the process: a second open in this
// process is refused as another process's would be, and the lock goes when
// the process ends.
ThreadSlot CreateThreadSlot(void (*destroy)(void*))
{
    pthread_key_t key{};
    if (pthread_key_create(&key, destroy) != 0)
        return {};
    return { uintptr_t(key), true };
}

void DeleteThreadSlot(ThreadSlot& slot)
{
    if (slot.valid)
        pthread_key_delete(pthread_key_t(slot.key));
    slot.valid = false;
}

void* GetThreadSlotValue(const ThreadSlot& slot)
{
    return slot.valid ? pthread_getspecific(pthread_key_t(slot.key)) : nullptr;
}

void SetThreadSlotValue(const ThreadSlot& slot, void* value)
{
    if (slot.valid)
        pthread_setspecific(pthread_key_t(slot.key), value);
}

namespace
{
struct ThreadStart
{
    void (*body)(void*);
    void* argument;
};

void* RunThread(void* start)
{
    const ThreadStart run = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    run.body(run.argument);
    return nullptr;
}
}

bool StartThread(Thread& thread, void (*body)(void*), void* argument)
{
    auto* start = new ThreadStart{ body, argument };
    pthread_t id{};
    if (pthread_create(&id, nullptr, RunThread, start) != 0)
    {
        delete start;
        return false;
    }
    thread.handle = new pthread_t(id);
    return true;
}

void JoinThread(Thread& thread)
{
    if (!thread.handle)
        return;
    auto* id = static_cast<pthread_t*>(thread.handle);
    pthread_join(*id, nullptr);
    delete id;
    thread.handle = nullptr;
}

bool JoinThreadWithin(Thread& thread, unsigned timeoutMs)
{
    if (!thread.handle)
        return true;
    timespec deadline{};
    clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += time_t(timeoutMs / 1000);
    deadline.tv_nsec += long(timeoutMs % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L)
    {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    auto* id = static_cast<pthread_t*>(thread.handle);
    if (pthread_timedjoin_np(*id, nullptr, &deadline) != 0)
        return false;
    delete id;
    thread.handle = nullptr;
    return true;
}

// exit runs the atexit functions while the other threads still run; those
// a library registered go with it when it is unloaded.
bool CallAtExit(void (*function)())
{
    return atexit(function) == 0;
}

bool TryLockFile(std::u16string_view path, FileLock& lock, std::string* openError)
{
    const int fd = open(ToUtf8(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
    {
        if (openError)
            *openError = std::generic_category().message(errno);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        close(fd);
        return false;
    }
    lock.handle = reinterpret_cast<void*>(static_cast<intptr_t>(fd) + 1);
    return true;
}

void ReleaseFileLock(FileLock& lock)
{
    if (lock.handle)
        close(static_cast<int>(reinterpret_cast<intptr_t>(lock.handle) - 1));
    lock.handle = nullptr;
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

uint32_t CurrentProcessId()
{
    return static_cast<uint32_t>(getpid());
}

LocalTime GetLocalTime()
{
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    return { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
}

void ExitProcess(int exitCode)
{
    _exit(exitCode);
}

void DebugOutput(const char* text)
{
    fputs(text, stderr);
}

const char* GetEnvironment(const char* name)
{
    return getenv(name);
}

std::FILE* OpenFile(std::u16string_view path, const char* mode)
{
    return fopen(ToUtf8(path).c_str(), mode);
}

void DebugPrint(const char* text, size_t length)
{
    fwrite(text, 1, length, stderr);
}

void Breakpoint()
{
    __asm__ volatile("int3");
}

bool CanShowMessageBox()
{
    return fcntl(STDERR_FILENO, F_GETFD) != -1;
}

void ShowErrorBox(void*, std::u16string_view message, std::u16string_view caption)
{
    const std::string text = ToUtf8(caption) + ": " + ToUtf8(message) + "\n";
    fwrite(text.data(), 1, text.size(), stderr);
}

void TerminateCurrentProcess(int exitCode)
{
    _exit(exitCode);
}

void KillCurrentProcess()
{
    kill(getpid(), SIGKILL);
    // SIGKILL cannot be caught; this is not reached.
    _exit(137);
}
}
