// Files and folders on Windows: paths, folders, whole-file writes, appends,
// listing, moving, removing and file locks.
#include "Platform.h"

#include "Utils.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>

namespace platform
{
const char16_t kPathSeparator = u'\\';

bool PathExists(std::u16string_view path)
{
    const std::u16string terminated = Terminated(path);
    return GetFileAttributesW(Wide(terminated)) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(std::u16string_view path)
{
    const std::u16string terminated = Terminated(path);
    const DWORD attributes = GetFileAttributesW(Wide(terminated));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsLink(std::u16string_view path)
{
    const std::u16string terminated = Terminated(path);
    const DWORD attributes = GetFileAttributesW(Wide(terminated));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

namespace
{
// The system's text for an error code, without its trailing line break.
std::string ErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length ? ToUtf8(FromWide(text, length)) : "error " + std::to_string(code);
    if (text)
        LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

bool WriteAll(HANDLE file, std::string_view contents)
{
    while (!contents.empty())
    {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, contents.data(), chunk, &written, nullptr) || written == 0)
            return false;
        contents.remove_prefix(written);
    }
    return true;
}
}

CreateFolderResult CreateFolder(std::u16string_view path, std::string* error)
{
    const std::u16string terminated = Terminated(path);
    if (CreateDirectoryW(Wide(terminated), nullptr))
        return CreateFolderResult::Created;
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS)
        return CreateFolderResult::AlreadyExists;
    if (error)
        *error = ErrorText(code);
    return CreateFolderResult::Failed;
}

namespace
{
// Writes the contents into a temporary beside the file, which then takes the
// file's name: over an existing file only when `replace` is set. 0, or the
// error of the step that failed; once the temporary was made, a failure
// removes it. A temporary that exists already is refused unless replacing,
// where it is left over from an earlier attempt and rewritten.
DWORD WriteThroughTemporary(std::u16string_view path, std::string_view contents, bool replace)
{
    const std::u16string target = Terminated(path);
    const std::u16string temporary = target + u".partial";
    HANDLE file = CreateFileW(Wide(temporary), GENERIC_WRITE, 0, nullptr, replace ? CREATE_ALWAYS : CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();

    DWORD failure = 0;
    if (!WriteAll(file, contents) || !FlushFileBuffers(file))
        failure = GetLastError();
    CloseHandle(file);
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a taken name.
    const DWORD moveFlags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (failure == 0 && !MoveFileExW(Wide(temporary), Wide(target), moveFlags))
        failure = GetLastError();
    if (failure != 0)
        DeleteFileW(Wide(temporary));
    return failure;
}
}

WriteFileResult WriteNewFile(std::u16string_view path, std::string_view contents, std::string& error)
{
    const DWORD failure = WriteThroughTemporary(path, contents, false);
    if (failure == 0)
        return WriteFileResult::Written;
    if (failure == ERROR_ALREADY_EXISTS || failure == ERROR_FILE_EXISTS)
        return WriteFileResult::AlreadyExists;
    error = ErrorText(failure);
    return WriteFileResult::Failed;
}

bool ReplaceFileContents(std::u16string_view path, std::string_view contents, std::string& error)
{
    const DWORD failure = WriteThroughTemporary(path, contents, true);
    if (failure != 0)
        error = ErrorText(failure);
    return failure == 0;
}

bool OpenAppendFile(std::u16string_view path, AppendFile& file, std::string& error)
{
    // Others may read it, and it may be renamed over while open.
    HANDLE handle = CreateFileW(Wide(Terminated(path)), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        error = ErrorText(GetLastError());
        return false;
    }
    file.handle = handle;
    return true;
}

bool AppendToFile(AppendFile& file, std::string_view bytes, std::string& error)
{
    if (!file.handle || !WriteAll(file.handle, bytes) || !FlushFileBuffers(file.handle))
    {
        error = file.handle ? ErrorText(GetLastError()) : "the file is not open";
        return false;
    }
    return true;
}

void CloseAppendFile(AppendFile& file)
{
    if (file.handle)
        CloseHandle(file.handle);
    file.handle = nullptr;
}

std::vector<std::u16string> ListFolder(std::u16string_view folder)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(std::u16string(folder) + u"\\*"), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        const std::u16string name = FromWide(found.cFileName);
        if (name != u"." && name != u"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool RemoveFile(std::u16string_view path)
{
    return DeleteFileW(Wide(Terminated(path))) != FALSE;
}

bool MoveFileWithoutReplacing(std::u16string_view from, std::u16string_view to, std::string& error)
{
    if (MoveFileExW(Wide(Terminated(from)), Wide(Terminated(to)), MOVEFILE_WRITE_THROUGH))
        return true;
    error = ErrorText(GetLastError());
    return false;
}

// A byte-range lock on the open file: refused to every other handle, in this
// process or another, and dropped by the system when the process ends.
bool TryLockFile(std::u16string_view path, FileLock& lock, std::string* openError)
{
    HANDLE handle = CreateFileW(Wide(Terminated(path)), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        if (openError)
            *openError = ErrorText(GetLastError());
        return false;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole))
    {
        CloseHandle(handle);
        return false;
    }
    lock.handle = handle;
    return true;
}

void ReleaseFileLock(FileLock& lock)
{
    if (lock.handle)
        CloseHandle(lock.handle);
    lock.handle = nullptr;
}

std::FILE* OpenFile(std::u16string_view path, const char* mode)
{
    const std::u16string terminated = Terminated(path);
    return _wfopen(Wide(terminated), Wide(ToUtf16(mode)));
}
}
