#include "Component.h"

#include <gtest/gtest.h>

namespace
{
class TrackedComponent : public ComponentInstance
{
public:
    explicit TrackedComponent(bool& destroyed) : m_destroyed(destroyed) {}
    ~TrackedComponent() override { m_destroyed = true; }

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
