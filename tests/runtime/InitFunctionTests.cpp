#include "Component.h"
#include "InitFunction.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string g_runOrder;

// Registered at load, as start-up functions are, in this order: their run
// order must be by ascending order, equal orders in registration order.
InitFunction g_first([] { g_runOrder += "a"; }, 5);
InitFunction g_second([] { g_runOrder += "b"; }, 0);
InitFunction g_third([] { g_runOrder += "c"; }, 0);
InitFunction g_fourth([] { g_runOrder += "d"; }, -1);
InitFunction g_fifth([] { g_runOrder += "e"; }, 5);
InitFunction g_sixth([] { g_runOrder += "f"; }, 3);
}

TEST(InitFunction, RunsInAscendingOrderAndEqualOrdersInRegistrationOrder)
{
    g_runOrder.clear();
    InitFunctionBase::RunAll();
    EXPECT_EQ(g_runOrder, "dbcfae");
}

TEST(InitFunction, ComponentStartRunsTheListOnEveryCall)
{
    g_runOrder.clear();
    ComponentInstance component;
    EXPECT_TRUE(component.Start());
    EXPECT_TRUE(component.Start());
    EXPECT_EQ(g_runOrder, "dbcfaedbcfae");
}
