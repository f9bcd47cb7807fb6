// Wine's <wchar.h> with Microsoft's mbstate_t: the struct _Mbstatet that
// ucrtbase.dll works on (Wine's header has a plain int), so that types holding
// one (std::fpos, the codecvt facets) are laid out as in a host built with
// Microsoft's compiler. Wine's declarations of the functions that take it are
// set aside under other names and declared again over the real type; the
// functions themselves are ucrtbase's. Also the wide scanf forms with a
// va_list, inline as in Microsoft's header, and fwide/mbsinit, which
// Microsoft's header defines inline.
#pragma once

#define mbstate_t __wine_int_mbstate_t
#define mbrlen __wine_int_mbrlen
#define mbrtowc __wine_int_mbrtowc
#define mbsrtowcs __wine_int_mbsrtowcs
#define wcrtomb __wine_int_wcrtomb
#define wcsrtombs __wine_int_wcsrtombs
#include_next <wchar.h>
#undef mbstate_t
#undef mbrlen
#undef mbrtowc
#undef mbsrtowcs
#undef wcrtomb
#undef wcsrtombs

#ifdef __cplusplus
extern "C" {
#endif
typedef _Mbstatet mbstate_t;

_ACRTIMP size_t __cdecl mbrlen(char const* _Ch, size_t _SizeInBytes, mbstate_t* _State);
_ACRTIMP size_t __cdecl mbrtowc(wchar_t* _DstCh, char const* _SrcCh, size_t _SizeInBytes, mbstate_t* _State);
_ACRTIMP size_t __cdecl mbsrtowcs(wchar_t* _Dest, char const** _PSrc, size_t _Count, mbstate_t* _State);
_ACRTIMP size_t __cdecl wcrtomb(char* _Dest, wchar_t _Source, mbstate_t* _State);
_ACRTIMP size_t __cdecl wcsrtombs(char* _Dest, wchar_t const** _PSource, size_t _Count, mbstate_t* _State);
_ACRTIMP long double __cdecl wcstold(wchar_t const* _String, wchar_t** _EndPtr);

static __inline int __cdecl fwide(FILE* _Stream, int _Mode) {
    (void)_Stream;
    return _Mode;
}
static __inline int __cdecl mbsinit(mbstate_t const* _State) {
    return _State == NULL || _State->_Wchar == 0;
}
static __inline int __cdecl vfwscanf(FILE* _Stream, wchar_t const* _Format, va_list _Args) {
    return __stdio_common_vfwscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Stream, _Format, NULL, _Args);
}
static __inline int __cdecl vswscanf(wchar_t const* _Buffer, wchar_t const* _Format, va_list _Args) {
    return __stdio_common_vswscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Buffer, (size_t)-1, _Format, NULL, _Args);
}
static __inline int __cdecl vwscanf(wchar_t const* _Format, va_list _Args) {
    return vfwscanf(stdin, _Format, _Args);
}
#ifdef __cplusplus
}
#endif
