// The core runtime's (CoreRT) interface: exported while building the module,
// imported by its users, as Microsoft's ABI needs. Elsewhere every symbol is
// visible by default.
#pragma once

#if !defined(_MSC_VER)
#define CORE_RT_API
#elif defined(CoreRT_EXPORTS)
#define CORE_RT_API __declspec(dllexport)
#else
#define CORE_RT_API __declspec(dllimport)
#endif
