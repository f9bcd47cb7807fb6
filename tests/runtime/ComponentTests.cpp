#include "Component.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

namespace
{
class TrackedComponent : public ComponentInstance
{
public:
    explicit TrackedComponent(bool& destroyed) : m_destroyed(destroyed) {}
    ~TrackedComponent() { m_destroyed = true; }
    FW_DESTRUCTOR_SLOT(TrackedComponent)

private:
    bool& m_destroyed;
};
}

TEST(ComponentInstance, StartsWithNoReference)
{
    ComponentInstance component;
    EXPECT_EQ(component.GetRefCount(), 0);
}

TEST(ComponentInstance, ReleaseOfTheOnlyReferenceDestroysIt)
{
    bool destroyed = false;
    auto* component = new TrackedComponent(destroyed);
    component->AddRef();
    EXPECT_TRUE(component->Release());
    EXPECT_TRUE(destroyed);
}

TEST(ComponentInstance, ReleaseKeepsItWhileOtherReferencesRemain)
{
    bool destroyed = false;
    auto* component = new TrackedComponent(destroyed);
    component->AddRef();
    component->AddRef();
    EXPECT_FALSE(component->Release());
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(component->GetRefCount(), 1);
    EXPECT_TRUE(component->Release());
    EXPECT_TRUE(destroyed);
}

TEST(ComponentInstance, ReleaseWithoutAnyReferenceDestroysIt)
{
    // A count of 0 read as unsigned is "0 or 1": the object goes.
    bool destroyed = false;
    auto* component = new TrackedComponent(destroyed);
    EXPECT_TRUE(component->Release());
    EXPECT_TRUE(destroyed);
}

TEST(ComponentInstance, FixedAnswersToTheLoader)
{
    ComponentInstance component;
    int anything = 7;
    component.Notify(&anything);
    EXPECT_TRUE(component.HookA(&anything));
    EXPECT_TRUE(component.HookB(nullptr));
    EXPECT_TRUE(component.Stop());
    EXPECT_FALSE(component.QueryFlag(&anything));
    EXPECT_FALSE(component.QueryFlag(nullptr));
    EXPECT_EQ(component.QueryObject(&anything), nullptr);
    EXPECT_EQ(component.QueryObject(nullptr), nullptr);
}

TEST(ComponentInstance, DeleteThroughTheBaseDestroysTheWholeObject)
{
    bool destroyed = false;
    fwRefCountable* object = new TrackedComponent(destroyed);
    // GCC warns as if the destructor were called here, but the destroying
    // operator delete of the base goes through the destructor slot.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
    delete object;
#pragma GCC diagnostic pop
    EXPECT_TRUE(destroyed);
}

namespace
{
#if !defined(_MSC_VER)
// The slot of a virtual member function in its class's method table. Under
// the Itanium C++ ABI (GCC and Clang on Linux), a pointer
// to a virtual member function holds one plus the slot's byte offset.
template<typename Method>
ptrdiff_t SlotOf(Method method)
{
    struct
    {
        uintptr_t pointer;
        ptrdiff_t adjustment;
    } representation;
    static_assert(sizeof(method) == sizeof(representation));
    std::memcpy(&representation, &method, sizeof(method));
    if ((representation.pointer & 1) == 0)
        return -1; // not virtual
    return static_cast<ptrdiff_t>((representation.pointer - 1) / sizeof(void*));
}
#endif

// A slot of the object's table called as a loader built by another compiler
// calls it: a plain function that takes the object first.
template<typename Result, typename... Arguments>
Result CallSlot(void* object, size_t slot, Arguments... arguments)
{
    void* const* table = *static_cast<void* const* const*>(object);
    return reinterpret_cast<Result (*)(void*, Arguments...)>(table[slot])(object, arguments...);
}
}

// Microsoft's ABI represents a pointer to a virtual member function by a
// thunk, not by its slot; there the tests below, which call the slots by
// index, and the plain-C loader (tests/windows) check the order.
#if !defined(_MSC_VER)
TEST(ComponentMethodTable, HasOneDestructorSlotThenTheNineOperationsInOrder)
{
    EXPECT_EQ(SlotOf(&fwRefCountable::DeletingDestructor), 0);
    EXPECT_EQ(SlotOf(&fwRefCountable::AddRef), 1);
    EXPECT_EQ(SlotOf(&fwRefCountable::Release), 2);
    EXPECT_EQ(SlotOf(&Component::Start), 3);
    EXPECT_EQ(SlotOf(&Component::Notify), 4);
    EXPECT_EQ(SlotOf(&Component::HookA), 5);
    EXPECT_EQ(SlotOf(&Component::HookB), 6);
    EXPECT_EQ(SlotOf(&Component::Stop), 7);
    EXPECT_EQ(SlotOf(&Component::QueryFlag), 8);
    EXPECT_EQ(SlotOf(&Component::QueryObject), 9);
    // The concrete class fills the same slots.
    EXPECT_EQ(SlotOf(&ComponentInstance::DeletingDestructor), 0);
    EXPECT_EQ(SlotOf(&ComponentInstance::QueryObject), 9);
}
#endif

TEST(ComponentMethodTable, SlotsCalledByIndexGiveTheOperationsResults)
{
    Component* component = new ComponentInstance();
    int anything = 7;
    CallSlot<void>(component, 1);
    CallSlot<void>(component, 1);
    EXPECT_EQ(component->GetRefCount(), 2);
    EXPECT_FALSE(CallSlot<bool>(component, 2));
    EXPECT_EQ(component->GetRefCount(), 1);
    EXPECT_TRUE(CallSlot<bool>(component, 3));
    CallSlot<void>(component, 4, static_cast<void*>(&anything));
    EXPECT_TRUE(CallSlot<bool>(component, 5, static_cast<void*>(&anything)));
    EXPECT_TRUE(CallSlot<bool>(component, 6, static_cast<void*>(nullptr)));
    EXPECT_TRUE(CallSlot<bool>(component, 7));
    EXPECT_FALSE(CallSlot<bool>(component, 8, static_cast<void*>(&anything)));
    EXPECT_EQ(CallSlot<void*>(component, 9, static_cast<void*>(&anything)), nullptr);
    EXPECT_TRUE(CallSlot<bool>(component, 2)) << "the last reference destroys it";
}

TEST(ComponentMethodTable, DestructorSlotFreesOnlyWhenAsked)
{
    bool destroyed = false;
    alignas(TrackedComponent) std::byte storage[sizeof(TrackedComponent)];
    auto* inPlace = new (storage) TrackedComponent(destroyed);
    EXPECT_EQ(CallSlot<void*>(inPlace, 0, 0u), static_cast<void*>(inPlace));
    EXPECT_TRUE(destroyed) << "destroyed, and its storage left alone";

    destroyed = false;
    auto* onHeap = new TrackedComponent(destroyed);
    EXPECT_EQ(CallSlot<void*>(onHeap, 0, fwRefCountable::kFreeMemory), static_cast<void*>(onHeap));
    EXPECT_TRUE(destroyed); // and freed: the sanitizer run reports a leak otherwise
}
