// The entry behind a console variable: it holds the value, offers the two
// console commands of the variable's name and applies the rules for a new
// value. The core runtime's variable manager keeps entries by name.
#pragma once

#include "ConsoleCommand.h"
#include "ConsoleVariableManager.h"

#include <memory>
#include <string>

// The flag text of the console: the word of each named bit, each followed by
// a space ("Archive Modified "). Bit 0x20 has no word.
std::string FormatFlags(int flags);

namespace internal
{
// Entries are shared and always created for their concrete type
// (std::make_shared), so the last owner destroys the right type without a
// virtual destructor.
class ConsoleVariableEntryBase
{
public:
    virtual std::string GetValue() = 0;
    // Returns whether the text was accepted as the new value.
    virtual bool SetValue(const std::string& value) = 0;
    virtual std::string GetSavedValue() = 0;
    virtual void SaveValue() = 0;
    // Passes an outside write of the tracked variable through the full set
    // path (checks, Modified flag, OnValueChanged).
    virtual void SyncFromTrackedVariable() = 0;

protected:
    ~ConsoleVariableEntryBase() = default;
};

template<typename T>
class ConsoleVariableEntry;

template<>
class ConsoleVariableEntry<bool> final : public ConsoleVariableEntryBase
{
public:
    using ChangeCallback = void (*)(ConsoleVariableEntry<bool>* entry);

    ConsoleVariableEntry(ConsoleVariableManager* variableManager, const std::string& name, bool defaultValue);

    ConsoleVariableEntry(const ConsoleVariableEntry&) = delete;
    ConsoleVariableEntry& operator=(const ConsoleVariableEntry&) = delete;

    std::string GetValue() override;
    bool SetValue(const std::string& value) override;
    std::string GetSavedValue() override;
    void SaveValue() override;
    void SyncFromTrackedVariable() override;

    // Sets the value after the limit and privilege checks; returns whether
    // it was accepted.
    bool SetTypedValue(bool value);

    // The entry keeps `variable` equal to its value from now on, starting by
    // writing its value into it.
    void SetTrackedVariable(bool* variable);

    // Limits that every later set is checked against, and a function called
    // after every accepted set; an entry starts with neither.
    void SetConstraints(bool minimum, bool maximum);
    void SetChangeCallback(ChangeCallback callback);

private:
    bool CheckRange(bool value);
    void Assign(bool value);
    void PrintDescription(const std::string& name);

    std::string m_name;
    bool m_value;
    bool m_savedValue;
    bool m_min = false;
    bool m_max = false;
    bool m_default;
    bool* m_trackedVariable = nullptr;
    ChangeCallback m_onChange = nullptr;
    bool m_constrained = false;
    std::unique_ptr<ConsoleCommand> m_describeCommand;
    std::unique_ptr<ConsoleCommand> m_assignCommand;
    ConsoleVariableManager* m_variableManager;
};
}
