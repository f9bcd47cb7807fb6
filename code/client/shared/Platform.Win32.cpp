// The platform layer on Windows: the framework's own Windows calls.
#include "Platform.h"

#include "Utils.h"

#include <windows.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace platform
{
const char16_t kPathSeparator = u'\\';

namespace
{
// Windows' wide text is UTF-16 in wchar_t; the client keeps it in char16_t.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::u16string FromWide(const wchar_t* text)
{
    return reinterpret_cast<const char16_t*>(text);
}

std::u16string FromWide(const wchar_t* text, size_t length)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// A text of a Windows call, NUL-terminated.
std::u16string Terminated(std::u16string_view text)
{
    return std::u16string(text);
}
}

std::string ModuleFileName(std::string_view baseName)
{
    return std::string(baseName) + ".dll";
}

ModuleHandle FindLoadedModule(std::string_view baseName)
{
    return GetModuleHandleW(Wide(ToUtf16(ModuleFileName(baseName))));
}

ModuleHandle GetMainModule()
{
    return GetModuleHandleW(nullptr);
}

void* FindExport(ModuleHandle module, const char* name)
{
    if (!module)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

std::u16string GetProcessCommandLine()
{
    return FromWide(GetCommandLineW());
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine)
{
    const std::u16string line = Terminated(commandLine);
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(Wide(line), &count);
    if (!arguments)
        return {};

    std::vector<std::u16string> result;
    result.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(FromWide(arguments[i]));
    LocalFree(arguments);
    return result;
}

int ParseInt(std::u16string_view text)
{
    const std::u16string terminated = Terminated(text);
    return _wtoi(Wide(terminated));
}

std::string ReadableTypeName(const std::type_info& type)
{
    // Microsoft's ABI names types as written ("bool").
    return type.name();
}

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

std::u16string GetExecutablePath()
{
    // 512 units hold the usual path; a longer one is read again in a buffer
    // that fits, rather than used cut off.
    std::wstring path(512, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size())
    {
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
    if (length == 0)
        return {};
    path.resize(length);

    std::wstring absolute(512, L'\0');
    DWORD absoluteLength = GetFullPathNameW(path.c_str(), static_cast<DWORD>(absolute.size()), absolute.data(), nullptr);
    if (absoluteLength >= absolute.size())
    {
        // The result did not fit: the length needed, with its NUL, came back.
        absolute.resize(absoluteLength);
        absoluteLength = GetFullPathNameW(path.c_str(), static_cast<DWORD>(absolute.size()), absolute.data(), nullptr);
        if (absoluteLength >= absolute.size())
            return {};
    }
    if (absoluteLength == 0)
        return {};
    return FromWide(absolute.c_str(), absoluteLength);
}

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

WriteFileResult WriteNewFile(std::u16string_view path, std::string_view contents, std::string& error)
{
    const std::u16string target = Terminated(path);
    const std::u16string temporary = target + u".partial";
    HANDLE file = CreateFileW(Wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
            return WriteFileResult::AlreadyExists;
        error = ErrorText(code);
        return WriteFileResult::Failed;
    }

    DWORD failure = 0;
    if (!WriteAll(file, contents) || !FlushFileBuffers(file))
        failure = GetLastError();
    CloseHandle(file);
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a taken name.
    if (failure == 0 && !MoveFileExW(Wide(temporary), Wide(target), MOVEFILE_WRITE_THROUGH))
        failure = GetLastError();
    if (failure == 0)
        return WriteFileResult::Written;

    DeleteFileW(Wide(temporary));
    if (failure == ERROR_ALREADY_EXISTS || failure == ERROR_FILE_EXISTS)
        return WriteFileResult::AlreadyExists;
    error = ErrorText(failure);
    return WriteFileResult::Failed;
}

bool ReplaceFileContents(std::u16string_view path, std::string_view contents, std::string& error)
{
    const std::u16string target = Terminated(path);
    const std::u16string temporary = target + u".partial";
    HANDLE file = CreateFileW(Wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        error = ErrorText(GetLastError());
        return false;
    }
    DWORD failure = 0;
    if (!WriteAll(file, contents) || !FlushFileBuffers(file))
        failure = GetLastError();
    CloseHandle(file);
    if (failure == 0 &&
        !MoveFileExW(Wide(temporary), Wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failure = GetLastError();
    if (failure == 0)
        return true;
    DeleteFileW(Wide(temporary));
    error = ErrorText(failure);
    return false;
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
// Fiber-local storage: its callback runs as each thread ends, as a thread
// key's destructor does.
ThreadSlot CreateThreadSlot(void (*destroy)(void*))
{
    const DWORD index = FlsAlloc(reinterpret_cast<PFLS_CALLBACK_FUNCTION>(destroy));
    if (index == FLS_OUT_OF_INDEXES)
        return {};
    return { uintptr_t(index), true };
}

void DeleteThreadSlot(ThreadSlot& slot)
{
    if (slot.valid)
    {
        // FlsFree would run the callback for the values still set; the slot's
        // owner has dealt with them.
        FlsSetValue(DWORD(slot.key), nullptr);
        FlsFree(DWORD(slot.key));
    }
    slot.valid = false;
}

void* GetThreadSlotValue(const ThreadSlot& slot)
{
    return slot.valid ? FlsGetValue(DWORD(slot.key)) : nullptr;
}

void SetThreadSlotValue(const ThreadSlot& slot, void* value)
{
    if (slot.valid)
        FlsSetValue(DWORD(slot.key), value);
}

namespace
{
struct ThreadStart
{
    void (*body)(void*);
    void* argument;
    HMODULE module;
};

// The thread holds a reference on this module while it runs and lets it go
// in the same call that ends the thread, so the module's code is never
// unloaded under it. Joined before the host's last FreeLibrary (the
// component's stop), it has let go by then and the module unloads at once;
// a module never stopped stays loaded while the thread lives.
DWORD WINAPI RunThread(void* start)
{
    const ThreadStart run = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    run.body(run.argument);
    FreeLibraryAndExitThread(run.module, 0);
}
}

bool StartThread(Thread& thread, void (*body)(void*), void* argument)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&RunThread), &module))
        return false;
    auto* start = new ThreadStart{ body, argument, module };
    thread.handle = CreateThread(nullptr, 0, RunThread, start, 0, nullptr);
    if (!thread.handle)
    {
        delete start;
        FreeLibrary(module);
    }
    return thread.handle != nullptr;
}

void JoinThread(Thread& thread)
{
    JoinThreadWithin(thread, INFINITE);
}

bool JoinThreadWithin(Thread& thread, unsigned timeoutMs)
{
    if (!thread.handle)
        return true;
    if (WaitForSingleObject(thread.handle, timeoutMs) != WAIT_OBJECT_0)
        return false;
    CloseHandle(thread.handle);
    thread.handle = nullptr;
    return true;
}

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

uint32_t CurrentProcessId()
{
    return GetCurrentProcessId();
}

LocalTime GetLocalTime()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return { now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond };
}

void ExitProcess(int exitCode)
{
    ::ExitProcess(static_cast<UINT>(exitCode));
}

void DebugOutput(const char* text)
{
    OutputDebugStringA(text);
}

const char* GetEnvironment(const char* name)
{
    return getenv(name);
}

std::FILE* OpenFile(std::u16string_view path, const char* mode)
{
    const std::u16string terminated = Terminated(path);
    return _wfopen(Wide(terminated), Wide(ToUtf16(mode)));
}

namespace
{
using NtRaiseExceptionFn = LONG(NTAPI*)(EXCEPTION_RECORD* record, CONTEXT* context, BOOLEAN firstChance);

// A debug print being raised on this thread: where a caught exception
// resumes (right after the context capture) and whether one was caught.
struct PrintGuard
{
    CONTEXT* resume;
    volatile bool caught;
};
thread_local PrintGuard* t_printGuard = nullptr;

// The guard around the raise, as an execute-handler filter would be: every
// exception of this thread while the guard stands lands here, and the
// thread goes on at the captured context with `caught` set. A debugger that
// takes the print sees it before any handler does, so this runs only when
// none did.
LONG CALLBACK CatchInsidePrintGuard(EXCEPTION_POINTERS* exception)
{
    PrintGuard* guard = t_printGuard;
    if (!guard)
        return EXCEPTION_CONTINUE_SEARCH;
    t_printGuard = nullptr;
    guard->caught = true;
    *exception->ContextRecord = *guard->resume;
    return EXCEPTION_CONTINUE_EXECUTION;
}

NtRaiseExceptionFn ResolveNtRaiseException()
{
    static const auto ntRaiseException =
        FindExportAs<NtRaiseExceptionFn>(GetModuleHandleW(L"ntdll.dll"), "NtRaiseException");
    return ntRaiseException;
}
}

void DebugPrint(const char* text, size_t length)
{
    EXCEPTION_RECORD record{};
    record.ExceptionCode = DBG_PRINTEXCEPTION_C;
    record.ExceptionFlags = 0;
    record.ExceptionAddress = __builtin_return_address(0);
    record.NumberParameters = 2;
    record.ExceptionInformation[0] = length + 1; // with the terminating NUL
    record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(text);

    CONTEXT context{};
    PrintGuard guard{&context, false};
    // Both are read again after the thread resumes at the captured context,
    // so they must live in memory, not in registers the capture restores.
    volatile bool raised = false;
    volatile bool returned = false;

    void* handler = AddVectoredExceptionHandler(1, CatchInsidePrintGuard);
    t_printGuard = &guard;
    RtlCaptureContext(&context);
    if (!raised)
    {
        raised = true;
        if (NtRaiseExceptionFn ntRaiseException = ResolveNtRaiseException())
            ntRaiseException(&record, &context, TRUE);
        // Only a raise that failed, or none at all, comes back here.
        returned = true;
    }
    t_printGuard = nullptr;
    RemoveVectoredExceptionHandler(handler);

    // Nobody took the text: the debugger output gets it after all.
    if (guard.caught || returned)
        OutputDebugStringA(text);
}

void Breakpoint()
{
    __debugbreak();
}

bool CanShowMessageBox()
{
    // Loaded at run time (and kept), as not every system has it.
    HMODULE wtsapi = LoadLibraryW(L"wtsapi32.dll");
    if (!wtsapi)
        return true;

    using QuerySessionFn = BOOL(WINAPI*)(HANDLE server, DWORD sessionId, WTS_INFO_CLASS infoClass, LPWSTR* buffer,
                                         DWORD* bytesReturned);
    using FreeMemoryFn = void(WINAPI*)(void* memory);
    const auto querySession = FindExportAs<QuerySessionFn>(wtsapi, "WTSQuerySessionInformationW");
    const auto freeMemory = FindExportAs<FreeMemoryFn>(wtsapi, "WTSFreeMemory");
    if (!querySession)
        return true;

    LPWSTR buffer = nullptr;
    DWORD bytesReturned = 0;
    if (!querySession(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSConnectState, &buffer, &bytesReturned))
        return true;

    // A buffer too short for the state says nothing about the session.
    int32_t state = WTSActive;
    if (buffer && bytesReturned >= sizeof(state))
        memcpy(&state, buffer, sizeof(state));
    if (freeMemory)
        freeMemory(buffer);
    return state == WTSActive;
}

void ShowErrorBox(void* ownerWindow, std::u16string_view message, std::u16string_view caption)
{
    const std::u16string text = Terminated(message);
    const std::u16string title = Terminated(caption);
    MessageBoxW(static_cast<HWND>(ownerWindow), Wide(text), Wide(title), MB_ICONERROR);
}

void TerminateCurrentProcess(int exitCode)
{
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
    // Termination of the own process does not come back; should it be
    // refused, the process still ends here.
    ::ExitProcess(static_cast<UINT>(exitCode));
}

void KillCurrentProcess()
{
    TerminateProcess(GetCurrentProcess(), 1);
    ::ExitProcess(1);
}
}
