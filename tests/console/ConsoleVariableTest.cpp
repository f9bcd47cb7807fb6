// The boolean console variable's entry: its value, the rules for a new value
// with their messages, the description, and how a name's entry is reused or
// replaced. The variable manager is the test's own; the messages go through
// the stand-in core runtime's print exports.
#include "ConsoleTestSupport.h"
#include "ConVar.h"
#include "FakeConsole.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using BoolEntry = internal::ConsoleVariableEntry<bool>;

const std::string kName = "timecycleeditor";

class EntryTest : public ConsoleTest
{
protected:
    std::shared_ptr<BoolEntry> Declare(bool defaultValue, int flags = ConVar_Archive | 0x20)
    {
        auto entry = GetOrCreateEntry<bool>(&manager, kName, defaultValue);
        manager.Register(kName, flags, entry);
        entry->SetTrackedVariable(&tracked);
        return entry;
    }

    // Records every OnValueChanged, with the flags the name had then.
    void ListenForChanges()
    {
        manager.OnValueChanged.Connect([this](const std::string& name) {
            changes.push_back(name);
            flagsAtChange.push_back(manager.GetFlags(name));
            return true;
        });
    }

    std::string Describe() { return console.commands.Run(kName, {}); }

    FakeConsoleContext console;
    FakeVariableManager manager{ &console };
    bool tracked = false;
    std::vector<std::string> changes;
    std::vector<int> flagsAtChange;
};

TEST_F(EntryTest, NewEntryStartsAtItsDefaultAndWritesItIntoTheTrackedVariable)
{
    for (bool defaultValue : { false, true })
    {
        FakeConsoleContext context;
        FakeVariableManager variables{ &context };
        auto entry = GetOrCreateEntry<bool>(&variables, kName, defaultValue);

        bool outside = !defaultValue;
        entry->SetTrackedVariable(&outside);
        EXPECT_EQ(outside, defaultValue);
        EXPECT_EQ(entry->GetValue(), BoolToString(defaultValue));
        EXPECT_EQ(entry->GetSavedValue(), BoolToString(defaultValue));
    }
}

TEST_F(EntryTest, OffersADescribeAndAnAssignCommandForItsLifetime)
{
    {
        auto entry = Declare(false);
        const auto& registrations = console.commands.registrations;
        ASSERT_EQ(registrations.size(), 2u);
        EXPECT_EQ(registrations[0].name, kName);
        EXPECT_EQ(registrations[0].argumentCount, 0u);
        EXPECT_EQ(registrations[1].name, kName);
        EXPECT_EQ(registrations[1].argumentCount, 1u);
        EXPECT_EQ(registrations[0].resource, "internal");
        manager.entries.clear();
    }
    // The assign command goes first, then the describe command.
    EXPECT_EQ(console.commands.unregistered, (std::vector<int>{ 1, 0 }));
}

TEST_F(EntryTest, DescriptionOfTheEditorVariable)
{
    auto entry = Declare(false);
    EXPECT_EQ(Describe(), "");
    EXPECT_EQ(PrintedSoFar(), (std::vector<Printed>{ Print(" \"timecycleeditor\" is \"false\"\n"
                                                           " default: \"false\" - flags( Archive )\n"
                                                           " type: bool\n") }));
}

TEST_F(EntryTest, DescriptionWithoutNamedFlagsShowsEmptyParentheses)
{
    auto entry = Declare(true, 0x20);
    Describe();
    EXPECT_EQ(PrintedSoFar(), (std::vector<Printed>{ Print(" \"timecycleeditor\" is \"true\"\n"
                                                           " default: \"true\" - flags( )\n"
                                                           " type: bool\n") }));
}

TEST_F(EntryTest, DescriptionShowsTheCurrentValueAndModified)
{
    auto entry = Declare(false);
    ASSERT_TRUE(entry->SetValue("true"));
    Describe();
    EXPECT_EQ(PrintedSoFar(), (std::vector<Printed>{ Print(" \"timecycleeditor\" is \"true\"\n"
                                                           " default: \"false\" - flags( Archive Modified )\n"
                                                           " type: bool\n") }));
}

TEST(FormatFlags, NamesEachBitInOrderAndSkipsBit0x20)
{
    EXPECT_EQ(FormatFlags(0), "");
    EXPECT_EQ(FormatFlags(0x20), "");
    EXPECT_EQ(FormatFlags(0x21), "Archive ");
    EXPECT_EQ(FormatFlags(0x42), "Modified Internal ");
    EXPECT_EQ(FormatFlags(0xFF), "Archive Modified ServerInfo Replicated ReadOnly Internal ScriptRestricted ");
    EXPECT_EQ(FormatFlags(0x100), "");
}

enum class SetPath
{
    SetValue,       // text from the core runtime
    AssignCommand,  // "timecycleeditor true" at the console
    SetTypedValue,  // the typed path itself, as SyncFromTrackedVariable takes it
};

struct RefusalCase
{
    const char* label;
    int flags;
    bool quietReadOnly;
    SetPath path;
    std::vector<Printed> printed;
};

const std::string kInternal = "'timecycleeditor' is an internal ConVar and cannot be changed.\n";
const std::string kReadOnlySet = "'timecycleeditor' is read only. Try using `+set` in the command line.\n";
const std::string kReadOnlyCommand = "'timecycleeditor' is read only. Try using `+set` in the command line, or "
                                     "prefixing the command with `set` in the server startup script.\n";
const std::string kReplicated = "Cannot set server-replicated ConVar timecycleeditor from client console.\n";

class RefusalTest : public EntryTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(RefusalTest, RefusedSetPrintsItsMessageAndChangesNothing)
{
    const RefusalCase& c = GetParam();
    auto entry = Declare(false, c.flags);
    ListenForChanges();
    manager.quietReadOnly = c.quietReadOnly;
    int callbacks = 0;
    static int* s_callbacks;
    s_callbacks = &callbacks;
    entry->SetChangeCallback([](BoolEntry*) { ++*s_callbacks; });

    switch (c.path)
    {
    case SetPath::SetValue:
        EXPECT_FALSE(entry->SetValue("true"));
        break;
    case SetPath::AssignCommand:
        // The command ran, even though the handler refused.
        EXPECT_EQ(console.commands.Run(kName, { "true" }), "");
        break;
    case SetPath::SetTypedValue:
        EXPECT_FALSE(entry->SetTypedValue(true));
        break;
    }

    EXPECT_EQ(PrintedSoFar(), c.printed);
    EXPECT_EQ(entry->GetValue(), "false");
    EXPECT_FALSE(tracked);
    EXPECT_EQ(manager.GetFlags(kName), c.flags);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(callbacks, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, RefusalTest,
    ::testing::Values(
        RefusalCase{ "InternalSet", ConVar_Internal, false, SetPath::SetValue, { Warning(kInternal) } },
        RefusalCase{ "InternalCommand", ConVar_Internal, false, SetPath::AssignCommand, { Warning(kInternal) } },
        // Internal is checked before read-only, and is not silenced.
        RefusalCase{ "InternalAndReadOnly", ConVar_Internal | ConVar_ReadOnly, true, SetPath::SetValue,
                     { Warning(kInternal) } },
        RefusalCase{ "ReadOnlySet", ConVar_ReadOnly, false, SetPath::SetValue, { Warning(kReadOnlySet) } },
        RefusalCase{ "ReadOnlyCommand", ConVar_ReadOnly, false, SetPath::AssignCommand,
                     { Warning(kReadOnlyCommand) } },
        RefusalCase{ "ReadOnlySetQuiet", ConVar_ReadOnly, true, SetPath::SetValue, {} },
        RefusalCase{ "ReadOnlyCommandQuiet", ConVar_ReadOnly, true, SetPath::AssignCommand, {} },
        // Read-only before replicated: one message only.
        RefusalCase{ "ReadOnlyAndReplicated", ConVar_ReadOnly | ConVar_Replicated, false, SetPath::SetValue,
                     { Warning(kReadOnlySet) } },
        RefusalCase{ "ReplicatedSet", ConVar_Replicated, false, SetPath::SetValue, { Print(kReplicated) } },
        RefusalCase{ "ReplicatedCommand", ConVar_Replicated, false, SetPath::AssignCommand, { Print(kReplicated) } },
        RefusalCase{ "ReplicatedTyped", ConVar_Replicated | ConVar_Archive, false, SetPath::SetTypedValue,
                     { Print(kReplicated) } }),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.label); });

TEST_F(EntryTest, ReplicatedVariableTakesASetWithThePrivilege)
{
    auto entry = Declare(false, ConVar_Replicated);
    // Privilege names are asked in lower case.
    corert::SetPrivilege("builtin.setreplicated", true);
    EXPECT_TRUE(entry->SetValue("1"));
    EXPECT_TRUE(tracked);
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{});
}

TEST_F(EntryTest, LimitsAreCheckedBeforeTheReplicatedRule)
{
    struct Case
    {
        bool minimum, maximum, value;
        std::string message;
    };
    const Case cases[] = {
        { false, false, true, "Value out of range (true) - should be at most false\n" },
        { true, true, false, "Value out of range (false) - should be at least true\n" },
    };

    auto entry = Declare(false, ConVar_Replicated);
    for (const Case& c : cases)
    {
        corert::ClearConsoleMessages();
        entry->SetConstraints(c.minimum, c.maximum);
        const std::string before = entry->GetValue();
        EXPECT_FALSE(entry->SetTypedValue(c.value));
        EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{ Print(c.message) });
        EXPECT_EQ(entry->GetValue(), before);
    }
}

TEST_F(EntryTest, ValueInsideTheLimitsIsTaken)
{
    auto entry = Declare(false);
    entry->SetConstraints(false, true);
    EXPECT_TRUE(entry->SetValue("true"));
    EXPECT_TRUE(entry->SetValue("false"));
    EXPECT_EQ(PrintedSoFar(), std::vector<Printed>{});
}

TEST_F(EntryTest, FirstChangeAddsModifiedBeforeAnyListenerRuns)
{
    auto entry = Declare(false);
    ListenForChanges();

    EXPECT_TRUE(entry->SetValue("TRUE"));
    EXPECT_TRUE(tracked);
    EXPECT_EQ(changes, std::vector<std::string>{ kName });
    ASSERT_EQ(flagsAtChange.size(), 1u);
    EXPECT_EQ(flagsAtChange[0], ConVar_Archive | 0x20 | ConVar_Modified);
}

TEST_F(EntryTest, ListenerReturningFalseStopsTheLaterOnes)
{
    auto entry = Declare(false);
    std::vector<std::string> calls;
    manager.OnValueChanged.Connect([&calls](const std::string&) {
        calls.push_back("first");
        return false;
    });
    manager.OnValueChanged.Connect([&calls](const std::string&) {
        calls.push_back("second");
        return true;
    });

    EXPECT_TRUE(entry->SetValue("1"));
    EXPECT_EQ(calls, std::vector<std::string>{ "first" });
    EXPECT_EQ(entry->GetValue(), "true");
}

TEST_F(EntryTest, SettingTheSameValueWritesAndCallsBackButAnnouncesNothing)
{
    auto entry = Declare(false);
    ListenForChanges();
    static std::vector<BoolEntry*> s_callbacks;
    s_callbacks.clear();
    entry->SetChangeCallback([](BoolEntry* changed) { s_callbacks.push_back(changed); });

    // The owner's write is overwritten by the set, although the entry's
    // value stays false.
    tracked = true;
    EXPECT_TRUE(entry->SetTypedValue(false));
    EXPECT_FALSE(tracked);
    EXPECT_EQ(s_callbacks, std::vector<BoolEntry*>{ entry.get() });
    EXPECT_EQ(manager.GetFlags(kName) & ConVar_Modified, 0);
    EXPECT_TRUE(changes.empty());
}

TEST_F(EntryTest, GetValueAdoptsAnOutsideWriteSilently)
{
    auto entry = Declare(false);
    ListenForChanges();

    tracked = true;
    EXPECT_EQ(entry->GetValue(), "true");
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(manager.GetFlags(kName) & ConVar_Modified, 0);

    // Nothing is left to synchronise.
    entry->SyncFromTrackedVariable();
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(manager.GetFlags(kName) & ConVar_Modified, 0);
}

TEST_F(EntryTest, SyncPassesAnOutsideWriteThroughTheFullSetPath)
{
    auto entry = Declare(false);
    ListenForChanges();

    tracked = true;
    entry->SyncFromTrackedVariable();
    EXPECT_EQ(changes, std::vector<std::string>{ kName });
    EXPECT_NE(manager.GetFlags(kName) & ConVar_Modified, 0);
    EXPECT_EQ(entry->GetValue(), "true");
}

TEST_F(EntryTest, SaveValueKeepsTheValueForLater)
{
    auto entry = Declare(false);
    entry->SetValue("true");
    EXPECT_EQ(entry->GetSavedValue(), "false");
    entry->SaveValue();
    entry->SetValue("false");
    EXPECT_EQ(entry->GetSavedValue(), "true");
    EXPECT_EQ(entry->GetValue(), "false");
}

TEST_F(EntryTest, NameWithABoolEntryKeepsItsEntryAndValue)
{
    auto first = Declare(false);
    first->SetValue("true");

    auto second = GetOrCreateEntry<bool>(&manager, kName, false);
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->GetValue(), "true");
    // No second pair of commands.
    EXPECT_EQ(console.commands.registrations.size(), 2u);
}

struct CarryOverCase
{
    const char* label;
    int flags;
    std::string text;
    std::string value;
    std::vector<Printed> printed;
};

class CarryOverTest : public EntryTest, public ::testing::WithParamInterface<CarryOverCase>
{
};

TEST_P(CarryOverTest, EntryOfAnotherTypeHandsItsValueOverAsText)
{
    const CarryOverCase& c = GetParam();
    auto foreign = std::make_shared<TextEntry>(c.text);
    manager.Register(kName, c.flags, foreign);

    auto entry = GetOrCreateEntry<bool>(&manager, kName, false);
    EXPECT_NE(static_cast<void*>(entry.get()), static_cast<void*>(foreign.get()));
    EXPECT_EQ(entry->GetValue(), c.value);
    EXPECT_EQ(PrintedSoFar(), c.printed);
    // The old entry is left to the manager until the new one is registered.
    EXPECT_EQ(manager.FindEntry(kName), foreign);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, CarryOverTest,
    ::testing::Values(CarryOverCase{ "Taken", ConVar_None, "1", "true", {} },
                      CarryOverCase{ "TakenAsFalse", ConVar_None, "no", "false", {} },
                      CarryOverCase{ "ReadOnlyRefused", ConVar_ReadOnly, "1", "false", { Warning(kReadOnlySet) } },
                      CarryOverCase{ "InternalRefused", ConVar_Internal, "1", "false", { Warning(kInternal) } }),
    [](const ::testing::TestParamInfo<CarryOverCase>& info) { return std::string(info.param.label); });
}
