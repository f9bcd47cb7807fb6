#include "ConsoleVariableEntry.h"

#include "ConsoleContext.h"
#include "ConsolePrint.h"
#include "EntryBarrier.h"
#include "Security.h"

namespace
{
const std::string kChannel = "cmd";

EntryBarrier& VariableBarrier()
{
    static EntryBarrier barrier("console variable");
    return barrier;
}
}

std::string FormatFlags(int flags)
{
    // In the console's order; bit 0x20 is deliberately absent.
    static const std::pair<int, const char*> kFlagWords[] = {
        { ConVar_Archive, "Archive " },       { ConVar_Modified, "Modified " },
        { ConVar_ServerInfo, "ServerInfo " }, { ConVar_Replicated, "Replicated " },
        { ConVar_ReadOnly, "ReadOnly " },     { ConVar_Internal, "Internal " },
        { ConVar_ScriptRestricted, "ScriptRestricted " },
    };

    std::string text;
    for (const auto& [bit, word] : kFlagWords)
    {
        if (flags & bit)
            text += word;
    }
    return text;
}

namespace internal
{
ConsoleVariableEntry<bool>::ConsoleVariableEntry(ConsoleVariableManager* variableManager, const std::string& name,
                                                 bool defaultValue)
    : m_name(name), m_value(defaultValue), m_savedValue(defaultValue), m_default(defaultValue),
      m_variableManager(variableManager)
{
    // The entry lives where it was created (it is only ever shared), so the
    // commands may keep a pointer to it.
    m_describeCommand = std::make_unique<ConsoleCommand>(m_variableManager->GetParentContext()->GetCommandManager(),
                                                         m_name, [this, name = m_name]() { PrintDescription(name); });

    m_assignCommand = std::make_unique<ConsoleCommand>(m_variableManager->GetParentContext()->GetCommandManager(),
                                                       m_name, [this](const bool& value) { Assign(value); });
}

std::string ConsoleVariableEntry<bool>::GetValue()
{
    // The tracked variable's owner writes it freely; reading adopts such a
    // write without announcing it.
    if (m_trackedVariable && *m_trackedVariable != m_value)
        m_value = *m_trackedVariable;

    return BoolToString(m_value);
}

bool ConsoleVariableEntry<bool>::SetValue(const std::string& value)
{
    // The variable manager calls this from another module; the change
    // callback runs inside.
    return VariableBarrier().Run(false, [&] {
        const int flags = m_variableManager->GetFlags(m_name);

        if (flags & ConVar_Internal)
        {
            PrintWarning(kChannel, "'%s' is an internal ConVar and cannot be changed.\n", m_name);
            return false;
        }

        if (flags & ConVar_ReadOnly)
        {
            if (!m_variableManager->quietReadOnly)
                PrintWarning(kChannel, "'%s' is read only. Try using `+set` in the command line.\n", m_name);
            return false;
        }

        bool parsed = false;
        ParseBool(value, parsed);
        return SetTypedValue(parsed);
    });
}

std::string ConsoleVariableEntry<bool>::GetSavedValue()
{
    return BoolToString(m_savedValue);
}

void ConsoleVariableEntry<bool>::SaveValue()
{
    m_savedValue = m_value;
}

void ConsoleVariableEntry<bool>::SyncFromTrackedVariable()
{
    VariableBarrier().Run(true, [&] {
        if (m_trackedVariable && *m_trackedVariable != m_value)
            SetTypedValue(*m_trackedVariable);
        return true;
    });
}

bool ConsoleVariableEntry<bool>::SetTypedValue(bool value)
{
    if (m_constrained && !CheckRange(value))
        return false;

    if ((m_variableManager->GetFlags(m_name) & ConVar_Replicated) && !seCheckPrivilege("builtin.setReplicated"))
    {
        Printf(kChannel, "Cannot set server-replicated ConVar %s from client console.\n", m_name);
        return false;
    }

    // The tracked variable and the callback follow every accepted set, even
    // one that keeps the value; only a real change is flagged and announced.
    const bool oldValue = m_value;
    m_value = value;
    if (m_trackedVariable)
        *m_trackedVariable = value;
    if (m_onChange)
        m_onChange(this);

    if (oldValue != value)
    {
        m_variableManager->AddFlags(m_name, ConVar_Modified);
        m_variableManager->OnValueChanged(m_name);
    }
    return true;
}

void ConsoleVariableEntry<bool>::SetTrackedVariable(bool* variable)
{
    m_trackedVariable = variable;
    if (m_trackedVariable)
        *m_trackedVariable = m_value;
}

void ConsoleVariableEntry<bool>::SetConstraints(bool minimum, bool maximum)
{
    m_min = minimum;
    m_max = maximum;
    m_constrained = true;
}

void ConsoleVariableEntry<bool>::SetChangeCallback(ChangeCallback callback)
{
    m_onChange = callback;
}

bool ConsoleVariableEntry<bool>::CheckRange(bool value)
{
    if (value > m_max)
    {
        Printf(kChannel, "Value out of range (%s) - should be at most %s\n", BoolToString(value), BoolToString(m_max));
        return false;
    }
    if (value < m_min)
    {
        Printf(kChannel, "Value out of range (%s) - should be at least %s\n", BoolToString(value), BoolToString(m_min));
        return false;
    }
    return true;
}

void ConsoleVariableEntry<bool>::Assign(bool value)
{
    const int flags = m_variableManager->GetFlags(m_name);

    if (flags & ConVar_Internal)
    {
        PrintWarning(kChannel, "'%s' is an internal ConVar and cannot be changed.\n", m_name);
        return;
    }

    if (flags & ConVar_ReadOnly)
    {
        if (!m_variableManager->quietReadOnly)
        {
            PrintWarning(kChannel,
                         "'%s' is read only. Try using `+set` in the command line, or prefixing the command with "
                         "`set` in the server startup script.\n",
                         m_name);
        }
        return;
    }

    // A refusal has been printed already; the command ran either way.
    SetTypedValue(value);
}

void ConsoleVariableEntry<bool>::PrintDescription(const std::string& name)
{
    const std::string flagsText = FormatFlags(m_variableManager->GetFlags(name));
    const std::string defaultText = BoolToString(m_default);
    const std::string valueText = GetValue();
    const std::string typeName = TypeName<bool>();

    Printf(kChannel, " \"%s\" is \"%s\"\n default: \"%s\" - flags( %s)\n type: %s\n", name, valueText, defaultText,
           flagsText, typeName);
}
}
