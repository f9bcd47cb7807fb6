// The compiler-support part of the C runtime as Microsoft's STL sees it: the
// macros its headers build on and the basic types. Our own, written for
// clang in Microsoft's ABI against Wine's C runtime headers; every layout and
// name here is the one vcruntime140.dll and Microsoft's own headers use, as
// documented on learn.microsoft.com (C runtime reference, "CRT library
// features") and as the DLL's exports show.
#pragma once
#define _VCRUNTIME_H

#include <sal.h>
#include <vadefs.h>

#ifndef _CRT_PACKING
#define _CRT_PACKING 8
#endif
#pragma pack(push, _CRT_PACKING)

#define _HAS_EXCEPTIONS 1
// A desktop application: the whole C library is available (getenv, system).
#define _CRT_USE_WINAPI_FAMILY_DESKTOP_APP

// The language level the STL builds on, from the compiler's _MSVC_LANG.
#if !defined(_HAS_CXX17) && defined(__cplusplus)
#if _MSVC_LANG > 201402L
#define _HAS_CXX17 1
#else
#define _HAS_CXX17 0
#endif
#endif
#if !defined(_HAS_CXX20) && defined(__cplusplus)
#if _HAS_CXX17 && _MSVC_LANG > 201703L
#define _HAS_CXX20 1
#else
#define _HAS_CXX20 0
#endif
#endif
#if !defined(_HAS_CXX23) && defined(__cplusplus)
#define _HAS_CXX23 0
#endif

#ifdef __cplusplus
#define _CRT_BEGIN_C_HEADER __pragma(pack(push, _CRT_PACKING)) extern "C" {
#define _CRT_END_C_HEADER } __pragma(pack(pop))
#else
#define _CRT_BEGIN_C_HEADER __pragma(pack(push, _CRT_PACKING))
#define _CRT_END_C_HEADER __pragma(pack(pop))
#endif

// Everything the runtime DLLs export is imported.
#ifndef _VCRTIMP
#define _VCRTIMP __declspec(dllimport)
#endif
#ifndef _CRTIMP2
#define _CRTIMP2 __declspec(dllimport)
#endif
// msvcp140's C-linkage helpers (_Mbrtowc, _GetLocaleForCP, ...).
#ifndef _MRTIMP2
#define _MRTIMP2 __declspec(dllimport)
#endif
// Process-wide data in Microsoft's managed builds; nothing here.
#define _PGLOBAL
// The STL's satellite DLLs (msvcp140_1: memory resources, msvcp140_2: special
// math, msvcp140_codecvt_ids).
#define _CRT_SATELLITE_1 __declspec(dllimport)
#define _CRT_SATELLITE_2 __declspec(dllimport)
#define _CRT_SATELLITE_CODECVT_IDS __declspec(dllimport)
#define _CRT_SATELLITE_CODECVT_IDS_NOIMPORT

#define __CRTDECL __cdecl
#define __CLRCALL_PURE_OR_CDECL __cdecl
#define __CLRCALL_OR_CDECL __cdecl
#define __CLR_OR_THIS_CALL
#define __CLRCALL_PURE_OR_STDCALL __stdcall
#define _CRT_GUARDOVERFLOW

#define _CRT_STRINGIZE_(x) #x
#define _CRT_STRINGIZE(x) _CRT_STRINGIZE_(x)
#define _CRT_WIDE_(s) L##s
#define _CRT_WIDE(s) _CRT_WIDE_(s)

#if defined(__cplusplus) && __cplusplus >= 201703L
#define _HAS_NODISCARD 1
#define _NODISCARD [[nodiscard]]
#else
#define _HAS_NODISCARD 0
#define _NODISCARD
#endif

#ifdef __cplusplus
#define NULL 0
#endif

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned __int64 size_t;
#endif
#ifndef _PTRDIFF_T_DEFINED
#define _PTRDIFF_T_DEFINED
typedef __int64 ptrdiff_t;
#endif
#ifndef _INTPTR_T_DEFINED
#define _INTPTR_T_DEFINED
typedef __int64 intptr_t;
#endif
#ifndef _UINTPTR_T_DEFINED
#define _UINTPTR_T_DEFINED
typedef unsigned __int64 uintptr_t;
#endif

#pragma pack(pop)
