// How a host module's interface is marked: exported while the module itself
// is built, imported by its users, as Microsoft's ABI needs. Elsewhere every
// symbol is visible by default. Each interface defines its own macro from
// these, keyed on the module's `<target>_EXPORTS`, which CMake defines while
// building that module.
#pragma once

#if defined(_MSC_VER)
#define HOST_MODULE_EXPORT __declspec(dllexport)
#define HOST_MODULE_IMPORT __declspec(dllimport)
#else
#define HOST_MODULE_EXPORT
#define HOST_MODULE_IMPORT
#endif
