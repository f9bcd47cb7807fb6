// Stack cookies (/GS) as Microsoft's start-up part gives them: the
// module's cookie, made unpredictable before any protected function runs,
// the check each protected function makes on return, and the load
// configuration directory that tells the loader (and a host's tools) where
// the cookie is.
#include <windows.h>

#include <stdint.h>

extern "C" {
// The value the cookie has until it is initialised; a module whose cookie
// still holds it was never initialised.
static constexpr uintptr_t kDefaultCookie = 0x00002B992DDFA232;

uintptr_t __security_cookie = kDefaultCookie;
uintptr_t __security_cookie_complement = ~kDefaultCookie;

// From the time, the process and thread ids, the performance counter and an
// address; the top 16 bits stay zero, as in Microsoft's runtime.
void __cdecl __security_init_cookie()
{
    if (__security_cookie != kDefaultCookie)
        return;
    FILETIME time{};
    GetSystemTimeAsFileTime(&time);
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    uintptr_t cookie = (uintptr_t(time.dwHighDateTime) << 32) ^ time.dwLowDateTime;
    cookie ^= uintptr_t(GetCurrentThreadId()) ^ (uintptr_t(GetCurrentProcessId()) << 32);
    cookie ^= (uintptr_t(counter.QuadPart) << 32) ^ uintptr_t(counter.QuadPart);
    cookie ^= uintptr_t(&cookie);
    cookie &= 0x0000FFFFFFFFFFFF;
    if (cookie == kDefaultCookie)
        ++cookie;
    __security_cookie = cookie;
    __security_cookie_complement = ~cookie;
}

// A smashed stack ends the process at once, without running anything of it.
void __cdecl __security_check_cookie(uintptr_t cookie)
{
    if (cookie != __security_cookie)
        __fastfail(2); // FAST_FAIL_STACK_COOKIE_CHECK_FAILURE
}

// The linker makes this the module's load configuration directory.
extern const IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = {
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64),
    .SecurityCookie = reinterpret_cast<ULONGLONG>(&__security_cookie),
};
}
