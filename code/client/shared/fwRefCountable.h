// Base of every reference-counted framework object.
#pragma once

#include <atomic>
#include <cstdint>

class fwRefCountable
{
public:
    virtual ~fwRefCountable() = default;

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
            delete this;
            return true;
        }
        return false;
    }

    int32_t GetRefCount() const { return m_refCount.load(); }

private:
    std::atomic<int32_t> m_refCount{ 0 };
};
