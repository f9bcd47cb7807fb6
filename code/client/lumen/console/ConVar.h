// ConVar: a console variable that a component declares. The variable is
// registered with the core runtime's variable manager for the holder's
// lifetime and keeps an outside variable of the component equal to its value.
#pragma once

#include "ConsoleVariableEntry.h"
#include "ConsoleVariableManager.h"
#include "Registry.h"

#include <memory>
#include <string>

// The entry for a name: the manager's own if it holds one of this value type;
// otherwise a new one, which takes over the value of an entry of another type
// as text (subject to the name's flags).
template<typename T>
std::shared_ptr<internal::ConsoleVariableEntry<T>> GetOrCreateEntry(ConsoleVariableManager* manager,
                                                                    const std::string& name, const T& defaultValue)
{
    const std::shared_ptr<internal::ConsoleVariableEntryBase> existing = manager->FindEntry(name);
    if (auto sameType = std::dynamic_pointer_cast<internal::ConsoleVariableEntry<T>>(existing))
        return sameType;

    auto entry = std::make_shared<internal::ConsoleVariableEntry<T>>(manager, name, defaultValue);
    if (existing)
        entry->SetValue(existing->GetValue());
    return entry;
}

template<typename T>
class ConVar
{
public:
    // The name's existing value wins over `defaultValue`, and is written into
    // `trackedVariable` at once.
    ConVar(const std::string& name, int flags, const T& defaultValue, T* trackedVariable)
        : m_variableManager(GetInstance<ConsoleVariableManager>()),
          m_entry(GetOrCreateEntry<T>(m_variableManager, name, defaultValue))
    {
        m_token = m_variableManager->Register(name, flags, m_entry);
        m_entry->SetTrackedVariable(trackedVariable);
    }

    ~ConVar()
    {
        if (m_token != -1)
        {
            m_variableManager->Unregister(m_token);
            m_token = -1;
        }
    }

    ConVar(const ConVar&) = delete;
    ConVar& operator=(const ConVar&) = delete;

    const std::shared_ptr<internal::ConsoleVariableEntry<T>>& GetEntry() const { return m_entry; }

private:
    int m_token = -1;
    ConsoleVariableManager* m_variableManager;
    std::shared_ptr<internal::ConsoleVariableEntry<T>> m_entry;
};
