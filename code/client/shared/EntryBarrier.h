// The guard around every function the host or the framework calls into a
// component: an exception thrown below it never crosses into the caller,
// whose frames (another module, maybe another compiler's) cannot take it.
#pragma once

#include <atomic>
#include <exception>
#include <new>
#include <utility>

class EntryBarrier
{
public:
    // `entry` names the function in the trace; a literal, it outlives us.
    explicit constexpr EntryBarrier(const char* entry) : m_entry(entry) {}

    // Runs `body` and returns its result; on an exception returns `fallback`
    // after `onFailure(out of memory)` ran (itself guarded). The first failure
    // of this entry goes to the trace; repeats are counted, not repeated.
    template<typename Result, typename Body, typename OnFailure>
    Result Run(Result fallback, Body&& body, OnFailure&& onFailure) noexcept
    {
        bool outOfMemory = false;
        try
        {
            return std::forward<Body>(body)();
        }
        catch (const std::bad_alloc&)
        {
            outOfMemory = true;
            Note("out of memory");
        }
        catch (const std::exception& exception)
        {
            Note(exception.what());
        }
        catch (...)
        {
            Note("an exception of unknown type");
        }
        try
        {
            std::forward<OnFailure>(onFailure)(outOfMemory);
        }
        catch (...)
        {
            Note("an exception while recovering");
        }
        return fallback;
    }

    template<typename Result, typename Body>
    Result Run(Result fallback, Body&& body) noexcept
    {
        return Run(std::move(fallback), std::forward<Body>(body), [](bool) {});
    }

    // Exceptions stopped here so far.
    unsigned Failures() const { return m_failures.load(); }

private:
    // Counts a failure and reports the first.
    void Note(const char* what) noexcept;

    const char* m_entry;
    std::atomic<unsigned> m_failures{ 0 };
};
