// The core runtime's table of console variables, as components see it: each
// name's entry and flag bits.
#pragma once

#include "EventCore.h"
#include "Registry.h"

#include <cstdint>
#include <memory>
#include <string>

namespace console
{
class Context;
}

namespace internal
{
class ConsoleVariableEntryBase;
}

// Flag bits the manager keeps per variable name.
enum ConsoleVariableFlags : int
{
    ConVar_None = 0,
    ConVar_Archive = 0x01,
    ConVar_Modified = 0x02,
    ConVar_ServerInfo = 0x04,
    ConVar_Replicated = 0x08,
    ConVar_ReadOnly = 0x10,
    ConVar_Internal = 0x40,
    ConVar_ScriptRestricted = 0x80,
};

class ConsoleVariableManager
{
public:
    // Puts the entry under the name (replacing an entry already there) and
    // adds the flags to the name's flags; returns a token for Unregister.
    virtual int Register(const std::string& name, int flags,
                         const std::shared_ptr<internal::ConsoleVariableEntryBase>& entry) = 0;
    virtual void Unregister(int token) = 0;

    // The entry under the name, or an empty pointer.
    virtual std::shared_ptr<internal::ConsoleVariableEntryBase> FindEntry(const std::string& name) = 0;

    virtual void AddFlags(const std::string& name, int flags) = 0;
    virtual int GetFlags(const std::string& name) = 0;

    console::Context* GetParentContext() const { return m_parentContext; }

    // Raised with a variable's name after its value changed; a listener that
    // returns false stops the later ones.
    fwEvent<const std::string&> OnValueChanged;

    // While set, read-only refusals print nothing.
    bool quietReadOnly = false;

protected:
    explicit ConsoleVariableManager(console::Context* parentContext)
        : m_parentContext(parentContext)
    {
    }

    // Owned by the core runtime; components never delete it.
    ~ConsoleVariableManager() = default;

    console::Context* m_parentContext;
};

template<>
uint64_t InstanceType<ConsoleVariableManager>::ms_id;
