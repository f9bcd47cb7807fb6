// Threads on Linux: pthreads, and thread slots as thread keys.
#include "Platform.h"

#include <ctime>
#include <pthread.h>

namespace platform
{
ThreadSlot CreateThreadSlot(void (*destroy)(void*))
{
    pthread_key_t key{};
    if (pthread_key_create(&key, destroy) != 0)
        return {};
    return { uintptr_t(key), true };
}

void DeleteThreadSlot(ThreadSlot& slot)
{
    if (slot.valid)
        pthread_key_delete(pthread_key_t(slot.key));
    slot.valid = false;
}

void* GetThreadSlotValue(const ThreadSlot& slot)
{
    return slot.valid ? pthread_getspecific(pthread_key_t(slot.key)) : nullptr;
}

void SetThreadSlotValue(const ThreadSlot& slot, void* value)
{
    if (slot.valid)
        pthread_setspecific(pthread_key_t(slot.key), value);
}

namespace
{
struct ThreadStart
{
    void (*body)(void*);
    void* argument;
};

void* RunThread(void* start)
{
    const ThreadStart run = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    run.body(run.argument);
    return nullptr;
}
}

bool StartThread(Thread& thread, void (*body)(void*), void* argument)
{
    auto* start = new ThreadStart{ body, argument };
    pthread_t id{};
    if (pthread_create(&id, nullptr, RunThread, start) != 0)
    {
        delete start;
        return false;
    }
    thread.handle = new pthread_t(id);
    return true;
}

void JoinThread(Thread& thread)
{
    if (!thread.handle)
        return;
    auto* id = static_cast<pthread_t*>(thread.handle);
    pthread_join(*id, nullptr);
    delete id;
    thread.handle = nullptr;
}

bool JoinThreadWithin(Thread& thread, unsigned timeoutMs)
{
    if (!thread.handle)
        return true;
    timespec deadline{};
    clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += time_t(timeoutMs / 1000);
    deadline.tv_nsec += long(timeoutMs % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L)
    {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    auto* id = static_cast<pthread_t*>(thread.handle);
    if (pthread_timedjoin_np(*id, nullptr, &deadline) != 0)
        return false;
    delete id;
    thread.handle = nullptr;
    return true;
}
}
