#include "FailingAllocation.h"

#include <atomic>
#include <dlfcn.h>
#include <execinfo.h>
#include <string_view>
#include <cstdlib>
#include <new>
#include <thread>

namespace
{
std::atomic<std::thread::id> g_armedThread{};
// Allocations of the armed thread still to go before the failing one.
thread_local uint64_t t_countdown = 0;
thread_local bool t_fired = false;
thread_local bool t_counting = false;

// Whether the allocation is made for one of the host's modules (the game and
// the framework's stand-ins), which have allocators of their own in the game:
// any of the nearest callers lies in one.
bool ForAHostModule()
{
    void* frames[10];
    const int count = backtrace(frames, 10);
    for (int i = 0; i < count; ++i)
    {
        Dl_info info{};
        if (!dladdr(frames[i], &info) || !info.dli_fname)
            continue;
        const std::string_view module(info.dli_fname);
        for (const char* host : { "nym-game-vesk", "nym-core-vesk", "CoreRT", "conhost-v2" })
        {
            if (module.find(host) != std::string_view::npos)
                return true;
        }
    }
    return false;
}

bool FailsNow()
{
    if (!t_counting || t_countdown == 0 || g_armedThread.load(std::memory_order_relaxed) != std::this_thread::get_id())
        return false;
    // backtrace and dladdr allocate nothing through operator new.
    if (ForAHostModule())
        return false;
    if (--t_countdown != 0)
        return false;
    t_fired = true;
    return true;
}

void* Allocate(std::size_t size)
{
    if (FailsNow())
        throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    if (FailsNow())
        throw std::bad_alloc();
    const std::size_t align = static_cast<std::size_t>(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align))
        return memory;
    throw std::bad_alloc();
}
}

namespace failing
{
void FailAllocation(uint64_t n)
{
    // The first backtrace loads the unwinder; not while it counts.
    void* frame;
    backtrace(&frame, 1);
    t_fired = false;
    t_countdown = n;
    g_armedThread.store(std::this_thread::get_id());
}

Counted::Counted() : m_outer(!t_counting)
{
    t_counting = true;
}

Counted::~Counted()
{
    if (m_outer)
        t_counting = false;
}

Uncounted::Uncounted() : m_was(t_counting)
{
    t_counting = false;
}

Uncounted::~Uncounted()
{
    t_counting = m_was;
}

bool Disarm()
{
    g_armedThread.store(std::thread::id());
    t_countdown = 0;
    return t_fired;
}
}

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return FailsNow() ? nullptr : std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return FailsNow() ? nullptr : std::malloc(size ? size : 1);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
