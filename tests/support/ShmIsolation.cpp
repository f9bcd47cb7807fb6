#include "ShmIsolation.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int __real_shm_open(const char* name, int flags, mode_t mode);
extern "C" int __real_shm_unlink(const char* name);

const std::string& TestShmPrefix()
{
    static const std::string prefix = [] {
        const char* inherited = std::getenv(kShmPrefixVariable);
        return inherited ? std::string(inherited) : "vesk-test-" + std::to_string(getpid()) + "-";
    }();
    return prefix;
}

namespace
{
std::string IsolatedName(const char* name)
{
    return "/" + TestShmPrefix() + (name[0] == '/' ? name + 1 : name);
}
}

extern "C" int __wrap_shm_open(const char* name, int flags, mode_t mode)
{
    return __real_shm_open(IsolatedName(name).c_str(), flags, mode);
}

extern "C" int __wrap_shm_unlink(const char* name)
{
    return __real_shm_unlink(IsolatedName(name).c_str());
}
