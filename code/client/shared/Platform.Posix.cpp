// The platform layer on Linux: the Windows operations of the framework with
// their POSIX meanings.
#include "Platform.h"

#include "Utils.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{
const char16_t kPathSeparator = u'/';

ModuleHandle FindLoadedModule(std::string_view baseName)
{
    const std::string fileName = std::string(baseName) + ".so";
    void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_NOLOAD);
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
    return module ? dlsym(module, name) : nullptr;
}

namespace
{
// Quotes one argument so that the Windows splitting rules give it back.
void AppendQuoted(std::u16string& out, std::u16string_view argument)
{
    if (!argument.empty() && argument.find_first_of(u" \t\n\v\"") == std::u16string_view::npos)
    {
        out += argument;
        return;
    }

    out += u'"';
    size_t backslashes = 0;
    for (char16_t c : argument)
    {
        if (c == u'\\')
        {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
        backslashes = 0;
        out += c;
    }
    // Backslashes before the closing quote are doubled.
    out.append(backslashes * 2, u'\\');
    out += u'"';
}
}

std::u16string GetProcessCommandLine()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    std::u16string commandLine;
    size_t start = 0;
    while (start < raw.size())
    {
        size_t end = raw.find('\0', start);
        if (end == std::string::npos)
            end = raw.size();
        if (!commandLine.empty())
            commandLine += u' ';
        AppendQuoted(commandLine, ToUtf16(std::string_view(raw).substr(start, end - start)));
        start = end + 1;
    }
    return commandLine;
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view line)
{
    std::vector<std::u16string> arguments;
    auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };

    // The program path: up to the closing quote when quoted, else up to the
    // first blank; backslashes are plain characters here.
    size_t i = 0;
    std::u16string program;
    if (i < line.size() && line[i] == u'"')
    {
        ++i;
        while (i < line.size() && line[i] != u'"')
            program += line[i++];
        if (i < line.size())
            ++i;
    }
    else
    {
        while (i < line.size() && !isBlank(line[i]))
            program += line[i++];
    }
    arguments.push_back(program);

    while (true)
    {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;

        std::u16string argument;
        // 0 outside quotes, 1 inside. In a run of quotes every third one is
        // a literal quote, and a doubled quote ends the quoted part.
        int quotes = 0;
        while (i < line.size() && (quotes != 0 || !isBlank(line[i])))
        {
            if (line[i] == u'\\')
            {
                size_t backslashes = 0;
                while (i < line.size() && line[i] == u'\\')
                {
                    ++backslashes;
                    ++i;
                }
                argument.append(i < line.size() && line[i] == u'"' ? backslashes / 2 : backslashes, u'\\');
                if (i < line.size() && line[i] == u'"' && backslashes % 2 == 1)
                {
                    argument += u'"';
                    ++i;
                }
            }
            else if (line[i] == u'"')
            {
                ++quotes;
                ++i;
                while (i < line.size() && line[i] == u'"')
                {
                    if (++quotes == 3)
                    {
                        argument += u'"';
                        quotes = 0;
                    }
                    ++i;
                }
                if (quotes == 2)
                    quotes = 0;
            }
            else
            {
                argument += line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

int ParseInt(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';

    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    {
        value = value * 10 + (text[i] - u'0');
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

SharedMemory OpenSharedMemory(std::u16string_view name, size_t size)
{
    SharedMemory memory;
    const std::string objectName = "/" + ToUtf8(name);

    int fd = shm_open(objectName.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd >= 0)
    {
        memory.created = true;
        if (ftruncate(fd, static_cast<off_t>(size)) != 0)
        {
            close(fd);
            shm_unlink(objectName.c_str());
            return {};
        }
    }
    else if (errno == EEXIST)
    {
        fd = shm_open(objectName.c_str(), O_RDWR, 0);
        // Only a block of this user, of the full size, is trusted.
        struct stat info{};
        if (fd >= 0 && (fstat(fd, &info) != 0 || info.st_uid != geteuid() ||
                        static_cast<size_t>(info.st_size) < size))
        {
            close(fd);
            fd = -1;
        }
    }
    if (fd < 0)
        return {};

    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (view == MAP_FAILED)
    {
        if (memory.created)
            shm_unlink(objectName.c_str());
        return {};
    }

    memory.view = view;
    // The handle keeps the name, so that the creator can remove the block
    // when it closes it: like a Windows mapping, a block lives while the
    // process that made it holds it.
    memory.handle = new std::string(objectName);
    return memory;
}

void CloseSharedMemory(SharedMemory& memory, size_t size)
{
    if (memory.view)
        munmap(memory.view, size);
    if (auto* objectName = static_cast<std::string*>(memory.handle))
    {
        if (memory.created)
            shm_unlink(objectName->c_str());
        delete objectName;
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

CreateFolderResult CreateFolder(std::u16string_view path)
{
    if (mkdir(ToUtf8(path).c_str(), 0755) == 0)
        return CreateFolderResult::Created;
    return errno == EEXIST ? CreateFolderResult::AlreadyExists : CreateFolderResult::Failed;
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
}
