// Lines typed into the stand-in console, over a variable declared the way
// the component declares its own: through ConVar and the core runtime's
// variable manager.
#include "ConsoleTestSupport.h"
#include "ConVar.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{
const std::string kDescriptionFalse = " \"timecycleeditor\" is \"false\"\n"
                                      " default: \"false\" - flags( Archive )\n"
                                      " type: bool\n";

class ConsoleLineTest : public ConsoleTest
{
protected:
    void Type(const std::string& line) { corert::CommandManager().Invoke(line); }

    bool isOpen = false;
};

TEST_F(ConsoleLineTest, DeclaringRegistersTheVariableUntilTheHolderGoes)
{
    {
        ConVar<bool> variable("timecycleeditor", 0x21, false, &isOpen);
        EXPECT_EQ(Manager().FindEntry("timecycleeditor"), variable.GetEntry());
        EXPECT_EQ(Manager().GetFlags("timecycleeditor"), 0x21);
    }
    EXPECT_EQ(Manager().FindEntry("timecycleeditor"), nullptr);
    EXPECT_EQ(Manager().GetFlags("timecycleeditor"), 0);

    // Its commands went with it.
    Type("timecycleeditor");
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{ Warning("No such command timecycleeditor.\n") });
}

TEST_F(ConsoleLineTest, TypedLinesSetAndDescribeTheVariable)
{
    struct Step
    {
        std::string line;
        bool value;
        std::vector<Printed> printed;
    };
    const Step steps[] = {
        { "timecycleeditor", false, { Print(kDescriptionFalse) } },
        { "timecycleeditor true", true, {} },
        { "timecycleeditor",
          true,
          { Print(" \"timecycleeditor\" is \"true\"\n default: \"false\" - flags( Archive Modified )\n type: bool\n") } },
        { "timecycleeditor a b", true, { Warning("timecycleeditor takes 0 or 1 arguments, not 2.\n") } },
        { "timecycleeditor 0", false, {} },
        { "set timecycleeditor 1", true, {} },
        { "TimeCycleEditor \"false\"", false, {} },
        { "  \"timecycleeditor\"   yes  ", false, {} },
        { "set timecycleeditor", false, { Warning("set takes 2 arguments, not 1.\n") } },
        { "frobnicate", false, { Warning("No such command frobnicate.\n") } },
        { "frobnicate now please", false, { Warning("No such command frobnicate.\n") } },
        { "", false, {} },
        { " \t ", false, {} },
    };

    ConVar<bool> variable("timecycleeditor", 0x21, false, &isOpen);
    for (const Step& step : steps)
    {
        corert::ClearConsoleMessages();
        Type(step.line);
        EXPECT_EQ(isOpen, step.value) << step.line;
        EXPECT_EQ(variable.GetEntry()->GetValue(), BoolToString(step.value)) << step.line;
        EXPECT_EQ(PrintedSoFar(), step.printed) << step.line;
    }
}

TEST_F(ConsoleLineTest, ReadOnlyRefusalsOfTheTwoTypedForms)
{
    ConVar<bool> variable("lockedflag", ConVar_ReadOnly, false, &isOpen);

    Type("lockedflag 1");
    Type("set lockedflag 1");
    EXPECT_FALSE(isOpen);
    EXPECT_EQ(PrintedSoFar(),
              (std::vector<Printed>{ Warning("'lockedflag' is read only. Try using `+set` in the command line, or "
                                             "prefixing the command with `set` in the server startup script.\n"),
                                     Warning("'lockedflag' is read only. Try using `+set` in the command line.\n") }));

    corert::ClearConsoleMessages();
    Manager().quietReadOnly = true;
    Type("lockedflag 1");
    Type("set lockedflag 1");
    EXPECT_FALSE(isOpen);
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{});
}

TEST_F(ConsoleLineTest, LaunchArgumentSetsAReadOnlyVariableDeclaredLater)
{
    corert::ApplyLaunchArguments({ "vesk-sandbox", "+set", "launchflag", "true", "-windowed" });
    EXPECT_EQ(Manager().FindEntry("launchflag")->GetValue(), "true");

    ConVar<bool> variable("launchflag", ConVar_ReadOnly, false, &isOpen);
    EXPECT_TRUE(isOpen);
    EXPECT_EQ(variable.GetEntry()->GetValue(), "true");
    EXPECT_EQ(Manager().FindEntry("launchflag"), variable.GetEntry());
    EXPECT_EQ(Manager().GetFlags("launchflag") & ConVar_ReadOnly, ConVar_ReadOnly);
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{});
}

TEST_F(ConsoleLineTest, LaunchArgumentWithoutValueIsReported)
{
    corert::ApplyLaunchArguments({ "vesk-sandbox", "+set", "halfflag" });
    EXPECT_EQ(Manager().FindEntry("halfflag"), nullptr);
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{ Warning("+set needs a name and a value.\n") });
}

TEST_F(ConsoleLineTest, SetBeforeDeclarationIsCarriedOver)
{
    Type("set earlyflag 1");
    ConVar<bool> variable("EarlyFlag", ConVar_None, false, &isOpen);
    EXPECT_TRUE(isOpen);
    EXPECT_EQ(Manager().FindEntry("earlyflag"), variable.GetEntry());
}

TEST_F(ConsoleLineTest, SecondHolderOfANameSharesTheEntryAndItsValue)
{
    ConVar<bool> first("sharedflag", ConVar_None, false, &isOpen);
    Type("sharedflag 1");

    // The entry tracks the variable of its latest holder.
    bool secondTracked = false;
    {
        ConVar<bool> second("sharedflag", ConVar_None, false, &secondTracked);
        EXPECT_EQ(second.GetEntry(), first.GetEntry());
        EXPECT_TRUE(secondTracked);
    }

    // The name stays while a holder is left.
    EXPECT_EQ(Manager().FindEntry("sharedflag"), first.GetEntry());
    Type("sharedflag 0");
    EXPECT_FALSE(secondTracked);
    EXPECT_EQ(first.GetEntry()->GetValue(), "false");
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{});
}

TEST_F(ConsoleLineTest, NewEntryTakesTheNameFromTheHoldersOfTheOldOne)
{
    // A text entry, as "set" leaves it, with a token of its own.
    Type("set handedflag 1");
    const std::shared_ptr<internal::ConsoleVariableEntryBase> text = Manager().FindEntry("handedflag");
    ASSERT_NE(text, nullptr);

    {
        ConVar<bool> variable("handedflag", ConVar_None, false, &isOpen);
        EXPECT_TRUE(isOpen);
    }
    // The text entry's registration did not keep the name.
    EXPECT_EQ(Manager().FindEntry("handedflag"), nullptr);
}

TEST_F(ConsoleLineTest, AnyTypedBytesAreHandledAsMessages)
{
    ConVar<bool> variable("timecycleeditor", 0x21, false, &isOpen);

    std::vector<std::string> lines = {
        "\"",
        "\"\"",
        "\"\"\"\"\"\"",
        "timecycleeditor \"",
        "timecycleeditor \"\"",
        "timecycleeditor %s%n%s%n",
        "%s%n%p",
        std::string("timecycleeditor\0true", 20),
        std::string(1, '\0'),
        std::string(100000, 'x'),
        "timecycleeditor " + std::string(100000, '1'),
        std::string(50000, '"'),
        "set \"\" \"\"",
        "set %s %n",
    };
    std::mt19937 random(20240611);
    for (int i = 0; i < 200; ++i)
    {
        std::string line(random() % 64, '\0');
        for (char& c : line)
            c = static_cast<char>(random() % 256);
        lines.push_back(line);
    }

    for (const std::string& line : lines)
        Type(line);

    // The variable is still there and answers.
    corert::ClearConsoleMessages();
    Type("timecycleeditor true");
    Type("timecycleeditor");
    EXPECT_EQ(PrintedSoFar(),
              std::vector<Printed>{ Print(" \"timecycleeditor\" is \"true\"\n"
                                          " default: \"false\" - flags( Archive Modified )\n"
                                          " type: bool\n") });
}

TEST_F(ConsoleLineTest, UnknownCommandIsPrintedVerbatim)
{
    Type("%s%d \"a\"");
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{ Warning("No such command %s%d.\n") });
}
}
