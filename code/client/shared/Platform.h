// The one seam between the framework's client code and the operating system.
// platform/ implements it a file per concern and system (Files.Posix.cpp,
// Files.Win32.cpp, ...), each operation with the same meaning on both;
// nothing else in the client includes an operating-system header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace platform
{
// Path separator of the platform's file names ('\\' on Windows, '/' on POSIX).
extern const char16_t kPathSeparator;

// Module file names are given without extension ("CoreRT"); the platform adds
// its own (".dll" or ".so").
using ModuleHandle = void*;

// A module's file name on this platform: "CoreRT" gives "CoreRT.so".
std::string ModuleFileName(std::string_view baseName);

// An already loaded module, or null; never loads one.
ModuleHandle FindLoadedModule(std::string_view baseName);
// The process's main executable module.
ModuleHandle GetMainModule();
// An exported symbol of a module, or null.
void* FindExport(ModuleHandle module, const char* name);

template<typename Fn>
Fn FindExportAs(ModuleHandle module, const char* name)
{
    return reinterpret_cast<Fn>(FindExport(module, name));
}

// The process's command line as one string with Windows quoting, so that
// SplitCommandLine gives the arguments back.
std::u16string GetProcessCommandLine();
// Splits a command line into arguments with Windows rules
// (CommandLineToArgvW's); the first argument is the program path.
std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine);
// Reads a leading decimal integer as the Windows runtime's _wtoi does: white
// space (Unicode space separators too), a sign, decimal digits (those of the
// other scripts _wtoi reads too, e.g. Arabic-Indic and fullwidth ones),
// saturating when out of range; 0 when there is none.
int ParseInt(std::u16string_view text);
// A type's name as written in C++ ("bool"), whatever the compiler's own
// spelling of type_info::name().
std::string ReadableTypeName(const std::type_info& type);

// A named block of shared memory, readable and writable by this user only.
// It lives while anyone holds it: once every holder has closed it or ended,
// however, the next open creates it afresh (`created`) with the `size` bytes
// at `freshContents` (zeroed when null), written before any other opener can
// join it, so nobody ever sees a block without its first contents.
// `view` is null, and nothing is held, when the block could not be created,
// opened or mapped; a block of another user, or one that others may access,
// is refused.
struct SharedMemory
{
    void* handle = nullptr;
    void* view = nullptr;
    bool created = false; // this call created the block
};
SharedMemory OpenSharedMemory(std::u16string_view name, size_t size, const void* freshContents = nullptr);
// Unmaps the view and releases the handle, if any; resets `memory`.
void CloseSharedMemory(SharedMemory& memory, size_t size);

// Absolute path of the process's main executable.
std::u16string GetExecutablePath();
bool PathExists(std::u16string_view path);
bool IsDirectory(std::u16string_view path);
// A symbolic link (or, on Windows, any reparse point such as a junction),
// itself, not what it leads to.
bool IsLink(std::u16string_view path);
enum class CreateFolderResult { Created, AlreadyExists, Failed };
// On failure `error`, when given, receives the system's reason.
CreateFolderResult CreateFolder(std::u16string_view path, std::string* error = nullptr);

// Writes a new file whole or not at all: the text goes into a temporary file
// beside it, which then takes the name. An existing file of that name (or of
// its temporary) is never replaced: AlreadyExists. On failure nothing is left
// behind and `error` holds the system's reason.
enum class WriteFileResult { Written, AlreadyExists, Failed };
WriteFileResult WriteNewFile(std::u16string_view path, std::string_view contents, std::string& error);

// Writes the file whole or not at all, as WriteNewFile does, but an existing
// file of that name is replaced: readers see the old contents or the new.
bool ReplaceFileContents(std::u16string_view path, std::string_view contents, std::string& error);

// A file that grows at its end only; each append reaches the disk before it
// returns.
struct AppendFile
{
    void* handle = nullptr;
};
// Opens the file for appending, creating it when missing.
bool OpenAppendFile(std::u16string_view path, AppendFile& file, std::string& error);
bool AppendToFile(AppendFile& file, std::string_view bytes, std::string& error);
void CloseAppendFile(AppendFile& file);

// The names of a folder's entries (without "." and ".."); empty when it
// cannot be listed.
std::vector<std::u16string> ListFolder(std::u16string_view folder);
bool RemoveFile(std::u16string_view path);
// Gives the file a new name; an existing file of that name is never
// replaced (false).
bool MoveFileWithoutReplacing(std::u16string_view from, std::u16string_view to, std::string& error);

// A lock on a file (created when missing) held by this process until it is
// released or the process ends, however it ends. Taking it fails while
// anyone else, another process or another holder in this one, has it.
struct FileLock
{
    void* handle = nullptr;
};
// When the lock file cannot even be opened (made in a folder that cannot be
// written, say), rather than being held, `openError` receives the system's
// reason.
bool TryLockFile(std::u16string_view path, FileLock& lock, std::string* openError = nullptr);
void ReleaseFileLock(FileLock& lock);

// A lock by name, held by one holder at a time (in this process or another)
// until it is released or its holder ends, however it ends. Taking it waits
// at most `timeoutMs` for the holder to let go; false when it did not come.
struct NamedLock
{
    void* handle = nullptr;
};
bool TakeNamedLock(std::u16string_view name, unsigned timeoutMs, NamedLock& lock);
void ReleaseNamedLock(NamedLock& lock);

uint32_t CurrentProcessId();

// A slot with a value per thread, whose destructor runs for each thread
// that set one as that thread ends; deleting the slot runs nothing.
struct ThreadSlot
{
    uintptr_t key = 0;
    bool valid = false;
};
ThreadSlot CreateThreadSlot(void (*destroy)(void*));
void DeleteThreadSlot(ThreadSlot& slot);
void* GetThreadSlotValue(const ThreadSlot& slot);
void SetThreadSlotValue(const ThreadSlot& slot, void* value);

// A thread of the module's own. While it runs it keeps the module loaded
// (Windows), and lets it go as it ends, so the module can be unloaded once
// the thread was joined.
struct Thread
{
    void* handle = nullptr;
};
// Runs `body(argument)` on a new thread; false when none could be started.
bool StartThread(Thread& thread, void (*body)(void*), void* argument);
// Waits until the thread has ended (at once when it ended already, even
// ended by the process's exit), then lets it go.
void JoinThread(Thread& thread);
// The same, waiting no longer than `timeoutMs`: false, with the thread
// kept, when it is still running then.
bool JoinThreadWithin(Thread& thread, unsigned timeoutMs);

// Has `function`, of the calling module, called as the process's orderly
// exit begins (exit(), or the return from main), while every other thread
// still runs: Windows ends them, inside whatever call they are, before any
// module hears of the exit. Never called once the module was unloaded.
// Once per module and load; false when it cannot be arranged.
bool CallAtExit(void (*function)());

// The local date and time, to the second; month and day count from 1.
struct LocalTime
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime GetLocalTime();

// Ends the process at once with the exit code, as after a fatal error:
// nothing of it runs any more, no destructor, no exit function, no module's
// unload (TerminateProcess on Windows, _exit on POSIX).
[[noreturn]] void EndProcessNow(int exitCode);

// Kills the process at once, as the system kills it from outside (SIGKILL on
// POSIX, TerminateProcess on Windows): nothing of it runs any more.
[[noreturn]] void KillCurrentProcess();

// Value of an environment variable, or null.
const char* GetEnvironment(const char* name);

// Opens a file by a UTF-16 path with a C runtime mode ("wb"); null on failure.
std::FILE* OpenFile(std::u16string_view path, const char* mode);

// Hands a zero-terminated text of `length` characters to the debugger. When
// one is attached (as the core runtime reports), it goes through the
// debugger's print channel, and, should nobody take it there, to the
// system's debug output after all; otherwise straight to the debug output.
// On POSIX both are standard error.
void PrintForDebugger(const char* text, size_t length, bool debuggerAttached);

// Stops at a breakpoint instruction; an attached debugger breaks here and
// may let the process continue.
void Breakpoint();

// Whether an error box shown now would be seen by a user (on POSIX: whether
// standard error is open).
bool CanShowMessageBox();
// Shows an error box owned by the window (may be null) and waits until it is
// closed (on POSIX: the caption and message on standard error).
void ShowErrorBox(void* ownerWindow, std::u16string_view message, std::u16string_view caption);
}
