// The memory and string functions vcruntime140.dll exports.
#pragma once
#include <vcruntime.h>

_CRT_BEGIN_C_HEADER
_VCRTIMP void* __cdecl memchr(void const* _Buf, int _Val, size_t _MaxCount);
int __cdecl memcmp(void const* _Buf1, void const* _Buf2, size_t _Size);
void* __cdecl memcpy(void* _Dst, void const* _Src, size_t _Size);
_VCRTIMP void* __cdecl memmove(void* _Dst, void const* _Src, size_t _Size);
void* __cdecl memset(void* _Dst, int _Val, size_t _Size);
_VCRTIMP char* __cdecl strchr(char const* _Str, int _Val);
_VCRTIMP char* __cdecl strrchr(char const* _Str, int _Ch);
_VCRTIMP char* __cdecl strstr(char const* _Str, char const* _SubStr);
_VCRTIMP wchar_t* __cdecl wcschr(wchar_t const* _Str, wchar_t _Ch);
_VCRTIMP wchar_t* __cdecl wcsrchr(wchar_t const* _Str, wchar_t _Ch);
_VCRTIMP wchar_t* __cdecl wcsstr(wchar_t const* _Str, wchar_t const* _SubStr);
_CRT_END_C_HEADER
