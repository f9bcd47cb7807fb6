// The allocation functions' declarations as Microsoft's <vcruntime_new.h>
// makes them: every form of operator new and delete, std::nothrow_t and
// std::align_val_t. Each module defines the replaceable forms itself (see
// ../startup/NewDelete.cpp), as a module linked with Microsoft's static
// start-up library does.
#pragma once
#include <vcruntime.h>

#pragma pack(push, _CRT_PACKING)
extern "C++" {
namespace std {
enum class align_val_t : size_t {};
struct nothrow_t {
    explicit nothrow_t() = default;
};
extern nothrow_t const nothrow;
} // namespace std

#ifndef __NOTHROW_T_DEFINED
#define __NOTHROW_T_DEFINED
#endif
#define __cpp_lib_launder 201606L

_NODISCARD void* __cdecl operator new(size_t _Size);
_NODISCARD void* __cdecl operator new(size_t _Size, std::nothrow_t const&) noexcept;
_NODISCARD void* __cdecl operator new[](size_t _Size);
_NODISCARD void* __cdecl operator new[](size_t _Size, std::nothrow_t const&) noexcept;
void __cdecl operator delete(void* _Block) noexcept;
void __cdecl operator delete(void* _Block, std::nothrow_t const&) noexcept;
void __cdecl operator delete[](void* _Block) noexcept;
void __cdecl operator delete[](void* _Block, std::nothrow_t const&) noexcept;
void __cdecl operator delete(void* _Block, size_t _Size) noexcept;
void __cdecl operator delete[](void* _Block, size_t _Size) noexcept;

_NODISCARD void* __cdecl operator new(size_t _Size, std::align_val_t _Al);
_NODISCARD void* __cdecl operator new(size_t _Size, std::align_val_t _Al, std::nothrow_t const&) noexcept;
_NODISCARD void* __cdecl operator new[](size_t _Size, std::align_val_t _Al);
_NODISCARD void* __cdecl operator new[](size_t _Size, std::align_val_t _Al, std::nothrow_t const&) noexcept;
void __cdecl operator delete(void* _Block, std::align_val_t _Al) noexcept;
void __cdecl operator delete(void* _Block, std::align_val_t _Al, std::nothrow_t const&) noexcept;
void __cdecl operator delete[](void* _Block, std::align_val_t _Al) noexcept;
void __cdecl operator delete[](void* _Block, std::align_val_t _Al, std::nothrow_t const&) noexcept;
void __cdecl operator delete(void* _Block, size_t _Size, std::align_val_t _Al) noexcept;
void __cdecl operator delete[](void* _Block, size_t _Size, std::align_val_t _Al) noexcept;

#ifndef __PLACEMENT_NEW_INLINE
#define __PLACEMENT_NEW_INLINE
_NODISCARD inline void* __cdecl operator new(size_t, void* _Where) noexcept { return _Where; }
inline void __cdecl operator delete(void*, void*) noexcept {}
#endif
#ifndef __PLACEMENT_VEC_NEW_INLINE
#define __PLACEMENT_VEC_NEW_INLINE
_NODISCARD inline void* __cdecl operator new[](size_t, void* _Where) noexcept { return _Where; }
inline void __cdecl operator delete[](void*, void*) noexcept {}
#endif
} // extern "C++"
#pragma pack(pop)
