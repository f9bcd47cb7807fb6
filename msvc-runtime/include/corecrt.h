// Wine's <corecrt.h>, plus what Microsoft's <corecrt.h> also provides and the
// STL relies on: the multibyte conversion state _Mbstatet (ucrtbase's layout),
// the invalid-parameter hook behind _CRT_SECURE_INVALID_PARAMETER, and the
// terminate/unexpected handler getters of ucrtbase and vcruntime140.
#pragma once
#include_next <corecrt.h>
#include <vcruntime.h>

_CRT_BEGIN_C_HEADER
#ifndef _CRT_MBSTATET_DEFINED
#define _CRT_MBSTATET_DEFINED
typedef struct _Mbstatet {
    unsigned long _Wchar;
    unsigned short _Byte;
    unsigned short _State;
} _Mbstatet;
#endif

_ACRTIMP __declspec(noreturn) void __cdecl _invalid_parameter_noinfo_noreturn(void);
#define _CRT_SECURE_INVALID_PARAMETER(expr) _invalid_parameter_noinfo_noreturn()

typedef void(__cdecl* terminate_handler)(void);
typedef void(__cdecl* unexpected_handler)(void);
_ACRTIMP terminate_handler __cdecl _get_terminate(void);
_VCRTIMP unexpected_handler __cdecl _get_unexpected(void);
_CRT_END_C_HEADER
