// A test-only hook over operator new: the Nth allocation that the arming
// thread makes inside a Counted scope (the host's call into the component)
// throws std::bad_alloc, as the component's allocator does when the game's
// memory runs out. Every other allocation goes on.
#pragma once

#include <cstdint>

namespace failing
{
// The `n`th allocation of this thread from now on fails (1: the next one).
void FailAllocation(uint64_t n);
// Allocations of this thread count while one lives.
class Counted
{
public:
    Counted();
    ~Counted();
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

private:
    bool m_outer;
};
// Allocations of this thread do not count while one lives (a test tool's
// own, inside the component's call).
class Uncounted
{
public:
    Uncounted();
    ~Uncounted();
    Uncounted(const Uncounted&) = delete;
    Uncounted& operator=(const Uncounted&) = delete;

private:
    bool m_was;
};
// No allocation fails any more; returns whether the armed one did.
bool Disarm();
}
