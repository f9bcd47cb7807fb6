// The console's variable table: each name's entry and flag bits. Names that
// are set before anything declares them (from "+set" or "set") get a text
// entry, whose value a later declaration of another type takes over.
#include "ConsoleVariableManager.h"

#include "ConsoleVariableEntry.h"
#include "CoreRTConsole.h"
#include "StandInConsole.h"

#include <map>
#include <mutex>
#include <set>
#include <utility>

namespace
{
class TextEntry final : public internal::ConsoleVariableEntryBase
{
public:
    explicit TextEntry(std::string value)
        : m_value(std::move(value)), m_savedValue(m_value)
    {
    }

    std::string GetValue() override { return m_value; }

    bool SetValue(const std::string& value) override
    {
        m_value = value;
        return true;
    }

    std::string GetSavedValue() override { return m_savedValue; }
    void SaveValue() override { m_savedValue = m_value; }
    void SyncFromTrackedVariable() override {}

private:
    std::string m_value;
    std::string m_savedValue;
};

class StandInVariableManager final : public ConsoleVariableManager
{
public:
    explicit StandInVariableManager(console::Context* context)
        : ConsoleVariableManager(context)
    {
    }

    int Register(const std::string& name, int flags,
                 const std::shared_ptr<internal::ConsoleVariableEntryBase>& entry) override
    {
        // A replaced entry may be the last reference to one whose
        // destruction unregisters its commands: let it go unlocked.
        std::shared_ptr<internal::ConsoleVariableEntryBase> replaced;
        std::lock_guard lock(m_mutex);
        Variable& variable = m_variables[name];
        // Holders of the same entry share the name; a new entry takes it
        // from the holders of the old one.
        if (variable.entry != entry)
        {
            replaced = std::exchange(variable.entry, entry);
            variable.tokens.clear();
        }
        // Flags belong to the name: a read-only name stays read-only when it
        // is declared again.
        variable.flags |= flags;
        const int token = m_nextToken++;
        variable.tokens.insert(token);
        return token;
    }

    // The name goes with the last holder of its entry.
    void Unregister(int token) override
    {
        std::shared_ptr<internal::ConsoleVariableEntryBase> released;
        std::lock_guard lock(m_mutex);
        for (auto it = m_variables.begin(); it != m_variables.end(); ++it)
        {
            if (it->second.tokens.erase(token) == 0)
                continue;
            if (it->second.tokens.empty())
            {
                released = std::move(it->second.entry);
                m_variables.erase(it);
            }
            return;
        }
    }

    std::shared_ptr<internal::ConsoleVariableEntryBase> FindEntry(const std::string& name) override
    {
        std::lock_guard lock(m_mutex);
        auto it = m_variables.find(name);
        return it != m_variables.end() ? it->second.entry : nullptr;
    }

    void AddFlags(const std::string& name, int flags) override
    {
        std::lock_guard lock(m_mutex);
        m_variables[name].flags |= flags;
    }

    int GetFlags(const std::string& name) override
    {
        std::lock_guard lock(m_mutex);
        auto it = m_variables.find(name);
        return it != m_variables.end() ? it->second.flags : 0;
    }

    std::vector<std::string> Names()
    {
        std::lock_guard lock(m_mutex);
        std::vector<std::string> names;
        for (const auto& [name, variable] : m_variables)
            if (variable.entry)
                names.push_back(name);
        return names;
    }

    // "set NAME VALUE": through the entry's own rules when the name has one,
    // else a new text entry.
    void SetFromText(const std::string& name, const std::string& value)
    {
        if (auto entry = FindEntry(name))
        {
            entry->SetValue(value);
            return;
        }
        Register(name, ConVar_None, std::make_shared<TextEntry>(value));
    }

private:
    struct Variable
    {
        std::shared_ptr<internal::ConsoleVariableEntryBase> entry; // empty for a name that only has flags
        int flags = ConVar_None;
        std::set<int> tokens;
    };

    std::mutex m_mutex;
    std::map<std::string, Variable, corert::IgnoreCaseLess> m_variables;
    int m_nextToken = 0;
};

StandInVariableManager& Manager()
{
    // Never destroyed: components unregister their variables during their
    // own static destruction, which may come after ours.
    static auto* manager = new StandInVariableManager(&corert::ConsoleContext());
    return *manager;
}

const bool g_setCommand = (corert::RegisterBuiltinCommand("set", 2,
                                                          [](const std::vector<std::string>& arguments) {
                                                              Manager().SetFromText(arguments[0], arguments[1]);
                                                          }),
                           true);
}

ConsoleVariableManager& corert::VariableManager()
{
    return Manager();
}

std::vector<std::string> corert::VariableNames()
{
    return Manager().Names();
}

void corert::ApplyLaunchArguments(const std::vector<std::string>& arguments)
{
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] != "+set")
            continue;

        if (i + 2 >= arguments.size())
        {
            WriteConsole("cmd", "+set needs a name and a value.\n", true);
            return;
        }
        Manager().SetFromText(arguments[i + 1], arguments[i + 2]);
        i += 2;
    }
}
