// Modules on Linux: shared objects found by file name, their exports, the
// main program and its path.
#include "Platform.h"

#include "Utils.h"

#include <climits>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace platform
{
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

std::u16string GetExecutablePath()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return {};
    return ToUtf16(std::string_view(path, static_cast<size_t>(length)));
}
}
