// Wine's <windef.h>, without its "inline" macro in C++: Microsoft's compiler
// needed it for C only, and Microsoft's STL refuses a macro named like a
// keyword.
#pragma once
#include_next <windef.h>

#ifdef __cplusplus
#undef inline
#endif
