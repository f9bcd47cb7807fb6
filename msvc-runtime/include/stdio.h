// Wine's <stdio.h>, plus the scanf forms with a va_list that Microsoft's
// <stdio.h> defines inline over ucrtbase's __stdio_common_vfscanf/vsscanf,
// as Microsoft's STL's <cstdio> names them, vsnprintf_s and
// _get_stream_buffer_pointers.
#pragma once
#include_next <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif
static __inline int __cdecl vfscanf(FILE* _Stream, char const* _Format, va_list _Args) {
    return __stdio_common_vfscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Stream, _Format, NULL, _Args);
}
static __inline int __cdecl vscanf(char const* _Format, va_list _Args) {
    return vfscanf(stdin, _Format, _Args);
}
static __inline int __cdecl vsscanf(char const* _Buffer, char const* _Format, va_list _Args) {
    return __stdio_common_vsscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Buffer, (size_t)-1, _Format, NULL, _Args);
}
// The stream buffer's pointers, which the STL's <fstream> reads (ucrtbase).
_ACRTIMP errno_t __cdecl _get_stream_buffer_pointers(FILE* _Stream, char*** _Base, char*** _Pointer, int** _Count);

// The bounded secure form (C11 Annex K), as Microsoft's header has it.
static __inline int __cdecl vsnprintf_s(char* _Buffer, size_t _BufferCount, size_t _MaxCount, char const* _Format,
    va_list _Args) {
    int _Result = __stdio_common_vsnprintf_s(_CRT_INTERNAL_LOCAL_PRINTF_OPTIONS, _Buffer, _BufferCount, _MaxCount,
        _Format, NULL, _Args);
    return _Result < 0 ? -1 : _Result;
}
#ifdef __cplusplus
}
#endif
