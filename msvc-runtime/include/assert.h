// The standard assert as Microsoft's <assert.h> defines it: a failed
// assertion calls ucrtbase's wide hook _wassert with the expression and the
// file as wide strings, whatever the character set of the build (Wine's
// header calls the narrow _assert instead). Included again after NDEBUG
// changes, as the standard requires: no include guard.
#include <corecrt.h>

#undef assert
#ifdef NDEBUG
#define assert(expression) ((void)0)
#else
_CRT_BEGIN_C_HEADER
_ACRTIMP void __cdecl _wassert(wchar_t const* _Message, wchar_t const* _File, unsigned _Line);
_CRT_END_C_HEADER
#define assert(expression) \
    (void)((!!(expression)) || (_wassert(_CRT_WIDE(#expression), _CRT_WIDE(__FILE__), (unsigned)(__LINE__)), 0))
#endif
