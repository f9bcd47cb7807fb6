// The framework's event: a list of callbacks sorted by order. Events are
// defined in one module and connected to from others, so this layout is
// shared by every module that uses it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

template<typename... Args>
class fwEvent
{
public:
    using Function = std::function<bool(Args...)>;

    static constexpr uint64_t kInvalidCookie = UINT64_MAX;

    // Adds a callback after every callback of lower or equal order and
    // returns its cookie; an empty function adds nothing.
    uint64_t Connect(Function function, int32_t order = 0)
    {
        if (!function)
            return kInvalidCookie;

        const uint64_t cookie = m_connectCookie.fetch_add(1);
        auto entry = std::make_unique<Callback>(std::move(function), order, cookie);

        std::unique_ptr<Callback>* link = &m_callbacks;
        while (*link && (*link)->m_order <= order)
            link = &(*link)->m_next;

        entry->m_next = std::move(*link);
        *link = std::move(entry);
        return cookie;
    }

    // Removes the callback `cookie` names; false when none has it. A module
    // disconnects what it connected before its code goes. Never called from
    // a callback of this same event while it is raised.
    bool Disconnect(uint64_t cookie)
    {
        for (std::unique_ptr<Callback>* link = &m_callbacks; *link; link = &(*link)->m_next)
        {
            if ((*link)->m_cookie != cookie)
                continue;
            std::unique_ptr<Callback> removed = std::move(*link);
            *link = std::move(removed->m_next);
            return true;
        }
        return false;
    }

    // Calls the callbacks in order until one returns false; returns whether
    // every callback ran. A callback may connect others while it runs.
    bool operator()(Args... args) const
    {
        for (Callback* entry = m_callbacks.get(); entry;)
        {
            Callback* next = entry->m_next.get();
            if (!entry->m_function(args...))
                return false;
            entry = next;
        }
        return true;
    }

private:
    struct Callback
    {
        Callback(Function function, int32_t order, uint64_t cookie)
            : m_function(std::move(function)), m_order(order), m_cookie(cookie)
        {
        }

        Function m_function;
        std::unique_ptr<Callback> m_next;
        int32_t m_order;
        uint64_t m_cookie;
    };

    std::unique_ptr<Callback> m_callbacks;
    std::atomic<uint64_t> m_connectCookie{ 0 };
};
