// Modules on Windows: loaded DLLs found by file name, their exports, the
// main executable and its path.
#include "Platform.h"

#include "Utils.h"
#include "WideText.h"

#include <windows.h>

namespace platform
{
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
}
