// Two components, each with its own hidden copy of the console code, declare
// the same boolean variable: the second finds the first one's entry by its
// run-time type and shares it, rather than replacing it by a copy.
#include "ConsoleTestSupport.h"
#include "ConVar.h"
#include "SecondComponent.h"

#include <gtest/gtest.h>

namespace
{
using SharedEntryTest = ConsoleTest;

TEST_F(SharedEntryTest, BoolEntryOfAnotherModuleIsReused)
{
    bool ours = false;
    ConVar<bool> variable("crossflag", ConVar_Archive, false, &ours);
    corert::CommandManager().Invoke("crossflag true");

    const SecondComponentVariable theirs = SecondComponentDeclare("crossflag");
    EXPECT_EQ(theirs.entry, static_cast<const void*>(variable.GetEntry().get()));
    EXPECT_TRUE(*theirs.tracked);

    // One entry, one set of commands; the entry now tracks the variable of
    // its latest holder.
    corert::CommandManager().Invoke("crossflag false");
    EXPECT_FALSE(*theirs.tracked);
    EXPECT_EQ(variable.GetEntry()->GetValue(), "false");
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{});

    SecondComponentRelease();
}

TEST_F(SharedEntryTest, EntryOfAnotherModuleIsReusedByThisOne)
{
    const SecondComponentVariable theirs = SecondComponentDeclare("otherflag");
    corert::CommandManager().Invoke("otherflag 1");

    bool ours = false;
    {
        ConVar<bool> variable("otherflag", ConVar_None, false, &ours);
        EXPECT_EQ(static_cast<const void*>(variable.GetEntry().get()), theirs.entry);
        EXPECT_TRUE(ours);
    }
    SecondComponentRelease();
    EXPECT_EQ(Manager().FindEntry("otherflag"), nullptr);
}
}
