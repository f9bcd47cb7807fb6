// The C runtime's internal header that the STL's separately compiled sources
// include (stl/src/locale0.cpp, stl/src/filesystem.cpp): of it, they use only
// a heap buffer that frees itself, with its allocation macro.
#pragma once
#include <stdlib.h>
#include <yvals.h>

#ifdef __cplusplus
template <typename _Ty>
class __crt_unique_heap_ptr {
public:
    __crt_unique_heap_ptr() noexcept = default;
    explicit __crt_unique_heap_ptr(_Ty* const _Pointer) noexcept : _Ptr(_Pointer) {}
    __crt_unique_heap_ptr(const __crt_unique_heap_ptr&) = delete;
    __crt_unique_heap_ptr& operator=(const __crt_unique_heap_ptr&) = delete;
    __crt_unique_heap_ptr& operator=(_Ty* const _Pointer) noexcept {
        free(_Ptr);
        _Ptr = _Pointer;
        return *this;
    }
    ~__crt_unique_heap_ptr() noexcept { free(_Ptr); }

    explicit operator bool() const noexcept { return _Ptr != nullptr; }
    _Ty* get() const noexcept { return _Ptr; }

private:
    _Ty* _Ptr = nullptr;
};

#define _malloc_crt_t(_Ty, _Count) static_cast<_Ty*>(malloc(sizeof(_Ty) * (_Count)))
#endif
