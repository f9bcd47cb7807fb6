// Wine's <eh.h> with C linkage for what it declares (terminate, set_terminate,
// ...), as Microsoft's header has them: they are ucrtbase's C exports.
#pragma once
#include <corecrt.h>

#ifdef __cplusplus
extern "C" {
#endif
#include_next <eh.h>
#ifdef __cplusplus
}
#endif
