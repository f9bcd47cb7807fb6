// Base of every reference-counted framework object.
#pragma once

#include <atomic>
#include <cstdint>
#include <new>

// The loader calls these objects by slot, in the order a Microsoft compiler
// gives a class with a virtual destructor: one destructor slot (the deleting
// form), then AddRef and Release. GCC lays out a virtual destructor as two
// slots, so there is none here: the first virtual function is that one slot,
// filled by each concrete class, and `delete` through a base pointer goes
// through it (the destroying operator delete below).
class fwRefCountable
{
public:
    // Flag of the destructor slot: free the object's memory after destroying it.
    static constexpr unsigned int kFreeMemory = 1;

    // Destroys the object and frees its memory when `flags` has kFreeMemory;
    // returns the object's address.
    virtual void* DeletingDestructor(unsigned int flags) = 0;

    virtual void AddRef()
    {
        m_refCount.fetch_add(1);
    }

    // Destroys the object when this call drops the last reference (the count
    // before it was 0 or 1, read as unsigned) and then returns true.
    virtual bool Release()
    {
        const uint32_t before = static_cast<uint32_t>(m_refCount.fetch_sub(1));
        if (before <= 1)
        {
            DeletingDestructor(kFreeMemory);
            return true;
        }
        return false;
    }

    int32_t GetRefCount() const { return m_refCount.load(); }

    void operator delete(fwRefCountable* object, std::destroying_delete_t)
    {
        object->DeletingDestructor(kFreeMemory);
    }

protected:
    fwRefCountable() = default;
    ~fwRefCountable() = default;

    // The destructor slot of a concrete class `Self`: its own destructor, then
    // its memory, allocated by a plain `new Self`.
    template<typename Self>
    static void* DestroyAs(Self* self, unsigned int flags)
    {
        self->~Self();
        if (flags & kFreeMemory)
            ::operator delete(static_cast<void*>(self));
        return self;
    }

private:
    std::atomic<int32_t> m_refCount{ 0 };
};
