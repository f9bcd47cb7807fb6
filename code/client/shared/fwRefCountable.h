// Base of every reference-counted framework object.
#pragma once

#include <atomic>
#include <cstdint>
#include <new>

// The loader calls these objects by slot, in the order a Microsoft compiler
// gives a class with a virtual destructor: one destructor slot (the deleting
// form, taking flags), then AddRef and Release. In Microsoft's ABI that slot
// is the virtual destructor itself. GCC lays out a virtual destructor as two
// slots, so under GCC's ABI there is none: the first virtual function is that
// one slot, filled by each concrete class (FW_DESTRUCTOR_SLOT), and `delete`
// through a base pointer goes through it (the destroying operator delete).
class fwRefCountable
{
public:
    // Flag of the destructor slot: free the object's memory after destroying it.
    static constexpr unsigned int kFreeMemory = 1;

#if defined(_MSC_VER)
    virtual ~fwRefCountable() = default;
#else
    // Destroys the object and frees its memory when `flags` has kFreeMemory;
    // returns the object's address.
    virtual void* DeletingDestructor(unsigned int flags) = 0;
#endif

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
#if defined(_MSC_VER)
            delete this;
#else
            DeletingDestructor(kFreeMemory);
#endif
            return true;
        }
        return false;
    }

    int32_t GetRefCount() const { return m_refCount.load(); }

#if !defined(_MSC_VER)
    void operator delete(fwRefCountable* object, std::destroying_delete_t)
    {
        object->DeletingDestructor(kFreeMemory);
    }
    // Public for that `delete` through a base pointer: clang checks the
    // destructor's access there, though the slot is what runs.
    ~fwRefCountable() = default;
#endif

protected:
    fwRefCountable() = default;
#if !defined(_MSC_VER)
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
#endif

private:
    std::atomic<int32_t> m_refCount{ 0 };
};

// The destructor slot of a concrete class under GCC's ABI; Microsoft's
// compiler fills it from the virtual destructor.
#if defined(_MSC_VER)
#define FW_DESTRUCTOR_SLOT(Self)
#else
#define FW_DESTRUCTOR_SLOT(Self) \
    void* DeletingDestructor(unsigned int flags) override { return DestroyAs(static_cast<Self*>(this), flags); }
#endif
