// Every replaceable form of operator new and delete, over ucrtbase's heap, as
// Microsoft's static start-up library gives each module: new throws
// std::bad_alloc when the heap is exhausted, the nothrow forms return null,
// the aligned forms use _aligned_malloc.
#include <malloc.h>
#include <stdlib.h>

#include <new>

namespace std {
const nothrow_t nothrow{};
}

void* __cdecl operator new(size_t size)
{
    if (void* block = malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* __cdecl operator new(size_t size, std::align_val_t alignment)
{
    if (void* block = _aligned_malloc(size ? size : 1, static_cast<size_t>(alignment)))
        return block;
    throw std::bad_alloc();
}

void* __cdecl operator new(size_t size, const std::nothrow_t&) noexcept { return malloc(size ? size : 1); }
void* __cdecl operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return _aligned_malloc(size ? size : 1, static_cast<size_t>(alignment));
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
