// Every replaceable form of operator new and delete, over ucrtbase's heap, as
// Microsoft's static start-up library gives each module: new asks the
// new-handler and throws std::bad_alloc when the heap stays exhausted, the
// nothrow forms return null, the aligned forms use _aligned_malloc.
#include <malloc.h>
#include <stdlib.h>

#include <new>

// ucrtbase's: calls the new-handler set for the process; 0 when there is none
// or it gave up.
extern "C" int __cdecl _callnewh(size_t size);

namespace std {
const nothrow_t nothrow{};
}

// As Microsoft's: each failed allocation calls the new-handler, which may
// free memory and return to have it tried again; with none (or one that
// gives up), std::bad_alloc.
void* __cdecl operator new(size_t size)
{
    for (;;) {
        if (void* block = malloc(size ? size : 1))
            return block;
        if (_callnewh(size) == 0)
            throw std::bad_alloc();
    }
}

void* __cdecl operator new(size_t size, std::align_val_t alignment)
{
    for (;;) {
        if (void* block = _aligned_malloc(size ? size : 1, static_cast<size_t>(alignment)))
            return block;
        if (_callnewh(size) == 0)
            throw std::bad_alloc();
    }
}

// The nothrow forms give the new-handler its chance too.
void* __cdecl operator new(size_t size, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size);
    } catch (...) {
        return nullptr;
    }
}
void* __cdecl operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    try {
        return operator new(size, alignment);
    } catch (...) {
        return nullptr;
    }
}
void* __cdecl operator new[](size_t size) { return operator new(size); }
void* __cdecl operator new[](size_t size, std::align_val_t alignment) { return operator new(size, alignment); }
void* __cdecl operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* __cdecl operator new[](size_t size, std::align_val_t alignment, const std::nothrow_t& tag) noexcept
{
    return operator new(size, alignment, tag);
}

void __cdecl operator delete(void* block) noexcept { free(block); }
void __cdecl operator delete(void* block, size_t) noexcept { free(block); }
void __cdecl operator delete(void* block, const std::nothrow_t&) noexcept { free(block); }
void __cdecl operator delete[](void* block) noexcept { free(block); }
void __cdecl operator delete[](void* block, size_t) noexcept { free(block); }
void __cdecl operator delete[](void* block, const std::nothrow_t&) noexcept { free(block); }
void __cdecl operator delete(void* block, std::align_val_t) noexcept { _aligned_free(block); }
void __cdecl operator delete(void* block, size_t, std::align_val_t) noexcept { _aligned_free(block); }
void __cdecl operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { _aligned_free(block); }
void __cdecl operator delete[](void* block, std::align_val_t) noexcept { _aligned_free(block); }
void __cdecl operator delete[](void* block, size_t, std::align_val_t) noexcept { _aligned_free(block); }
void __cdecl operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { _aligned_free(block); }
