// What the stand-in core runtime exports for the sandbox and the tests, as
// any module marks its interface.
#pragma once

#include "HostModuleApi.h"

#if defined(CoreRT_EXPORTS)
#define CORE_RT_API HOST_MODULE_EXPORT
#else
#define CORE_RT_API HOST_MODULE_IMPORT
#endif
