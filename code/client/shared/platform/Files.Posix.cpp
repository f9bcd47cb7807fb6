// Files and folders on Linux: paths, folders, whole-file writes, appends,
// listing, moving, removing and file locks.
#include "Platform.h"

#include "Utils.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace platform
{
const char16_t kPathSeparator = u'/';

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

// Writes the contents into a temporary beside the file, which then takes the
// file's name: over an existing file only when `replace` is set. 0, or the
// errno of the step that failed; once the temporary was made, a failure
// removes it. A temporary that exists already is refused (EEXIST) unless
// replacing, where it is left over from an earlier attempt and rewritten.
int WriteThroughTemporary(const std::string& target, std::string_view contents, bool replace)
{
    const std::string temporary = target + ".partial";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (replace ? O_TRUNC : O_EXCL), 0644);
    if (fd < 0)
        return errno;

    int failure = 0;
    if (!WriteAll(fd, contents) || fsync(fd) != 0)
        failure = errno;
    if (close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && replace && rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure == 0 && !replace)
        failure = MoveWithoutReplacing(temporary, target);
    if (failure != 0)
        unlink(temporary.c_str());
    return failure;
}
}

WriteFileResult WriteNewFile(std::u16string_view path, std::string_view contents, std::string& error)
{
    const int failure = WriteThroughTemporary(ToUtf8(path), contents, false);
    if (failure == 0)
        return WriteFileResult::Written;
    if (failure == EEXIST)
        return WriteFileResult::AlreadyExists;
    error = std::generic_category().message(failure);
    return WriteFileResult::Failed;
}

bool ReplaceFileContents(std::u16string_view path, std::string_view contents, std::string& error)
{
    const int failure = WriteThroughTemporary(ToUtf8(path), contents, true);
    if (failure != 0)
        error = std::generic_category().message(failure);
    return failure == 0;
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

std::FILE* OpenFile(std::u16string_view path, const char* mode)
{
    return fopen(ToUtf8(path).c_str(), mode);
}
}
