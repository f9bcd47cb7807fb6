// Wine's <time.h>, plus struct timespec and timespec_get as Microsoft's
// <time.h> has them: a 64-bit time_t and a long, read by ucrtbase's
// _timespec64_get; and localtime_s.
#pragma once
#include_next <time.h>

#ifdef __cplusplus
extern "C" {
#endif
#ifndef TIME_UTC
#define TIME_UTC 1
#endif
struct _timespec64 {
    __time64_t tv_sec;
    long tv_nsec;
};
struct timespec {
    time_t tv_sec;
    long tv_nsec;
};
_ACRTIMP int __cdecl _timespec64_get(struct _timespec64* _Ts, int _Base);
static __inline int __cdecl timespec_get(struct timespec* const _Ts, int const _Base) {
    return _timespec64_get((struct _timespec64*)_Ts, _Base);
}

// The secure local time, inline over ucrtbase's 64-bit form as in Microsoft's
// header (time_t is 64 bits).
_ACRTIMP errno_t __cdecl _localtime64_s(struct tm* _Tm, __time64_t const* _Time);
static __inline errno_t __cdecl localtime_s(struct tm* const _Tm, time_t const* const _Time) {
    return _localtime64_s(_Tm, _Time);
}
#ifdef __cplusplus
}
#endif
