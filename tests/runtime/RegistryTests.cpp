#include "CoreRTControl.h"
#include "Registry.h"

#include <gtest/gtest.h>

namespace
{
struct SampleInterface
{
    int value = 0;
};
struct UnregisteredInterface
{
};
}

template<>
uint64_t InstanceType<SampleInterface>::ms_id = LookupTypeId("SampleInterface");
template<>
uint64_t InstanceType<UnregisteredInterface>::ms_id = LookupTypeId("UnregisteredInterface");

TEST(Registry, SameNameGivesSameId)
{
    EXPECT_EQ(LookupTypeId("SampleInterface"), InstanceType<SampleInterface>::ms_id);
    EXPECT_NE(LookupTypeId("SampleInterface"), LookupTypeId("SomethingElse"));
    EXPECT_EQ(corert::TypeId("SampleInterface"), InstanceType<SampleInterface>::ms_id);
}

TEST(Registry, GetInstanceFindsTheRegisteredInstanceAndKeepsIt)
{
    SampleInterface first{ 1 };
    SampleInterface second{ 2 };
    corert::RegisterInstance("SampleInterface", &first);
    EXPECT_EQ(GetInstance<SampleInterface>(), &first);

    // Cached after the first lookup: a later change in the registry is not seen.
    corert::RegisterInstance("SampleInterface", &second);
    EXPECT_EQ(GetInstance<SampleInterface>(), &first);
}

TEST(RegistryDeathTest, MissingInstanceIsAnAssertionFailure)
{
    EXPECT_DEATH(GetInstance<UnregisteredInterface>(), "instance != nullptr");
}
