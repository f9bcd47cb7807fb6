// A value per thread that the module owns: destroyed as its thread ends, and
// the calling thread's when the module is unloaded. A C++ thread_local with
// a destructor would instead keep the module loaded (Linux) until the thread
// that used it ends, which for the host's main thread is never.
#pragma once

#include "Platform.h"

template<typename T>
class ModuleThreadLocal
{
public:
    ModuleThreadLocal() : m_slot(platform::CreateThreadSlot(&Destroy)) {}

    ~ModuleThreadLocal()
    {
        // Other threads' values go with their threads while the module is
        // loaded; those of threads still running at the unload are left.
        Destroy(platform::GetThreadSlotValue(m_slot));
        platform::SetThreadSlotValue(m_slot, nullptr);
        platform::DeleteThreadSlot(m_slot);
    }

    ModuleThreadLocal(const ModuleThreadLocal&) = delete;
    ModuleThreadLocal& operator=(const ModuleThreadLocal&) = delete;

    // This thread's value, made on its first use.
    T& Get()
    {
        if (auto* value = static_cast<T*>(platform::GetThreadSlotValue(m_slot)))
            return *value;
        auto* value = new T();
        platform::SetThreadSlotValue(m_slot, value);
        return *value;
    }

private:
    static void Destroy(void* value) { delete static_cast<T*>(value); }

    platform::ThreadSlot m_slot;
};
