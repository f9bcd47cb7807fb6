// A console of the test's own, so that an entry's rules are seen without the
// stand-in core runtime's table in between: flags per name, the commands an
// entry registers, and a fresh OnValueChanged event per test.
#pragma once

#include "ConsoleCommandManager.h"
#include "ConsoleContext.h"
#include "ConsoleVariableEntry.h"
#include "ConsoleVariableManager.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

class FakeCommandManager final : public ConsoleCommandManager
{
public:
    struct Registration
    {
        std::string name;
        std::string resource;
        ConsoleCommandHandler handler;
        size_t argumentCount;
        bool registered;
    };

    void Invoke(const std::string&) override {}

    int Register(const std::string& name, const std::string& resource, const ConsoleCommandHandler& handler,
                 size_t argumentCount) override
    {
        registrations.push_back({ name, resource, handler, argumentCount, true });
        return static_cast<int>(registrations.size()) - 1;
    }

    void Unregister(int token) override
    {
        registrations.at(token).registered = false;
        unregistered.push_back(token);
    }

    // Runs the registered command of the name that takes as many arguments
    // as given; returns its error text.
    std::string Run(const std::string& name, const std::vector<std::string>& arguments)
    {
        for (const Registration& registration : registrations)
        {
            if (registration.registered && registration.name == name && registration.argumentCount == arguments.size())
            {
                ConsoleExecutionContext context{ ProgramArguments(arguments) };
                registration.handler(context);
                return context.errorStream.str();
            }
        }
        ADD_FAILURE() << "no command " << name << " taking " << arguments.size() << " arguments";
        return {};
    }

    std::vector<Registration> registrations;
    std::vector<int> unregistered;
};

class FakeConsoleContext final : public console::Context
{
public:
    ConsoleCommandManager* GetCommandManager() override { return &commands; }

    FakeCommandManager commands;
};

class FakeVariableManager final : public ConsoleVariableManager
{
public:
    explicit FakeVariableManager(console::Context* context)
        : ConsoleVariableManager(context)
    {
    }

    int Register(const std::string& name, int flagBits,
                 const std::shared_ptr<internal::ConsoleVariableEntryBase>& entry) override
    {
        entries[name] = entry;
        flags[name] |= flagBits;
        return 0;
    }

    void Unregister(int) override {}

    std::shared_ptr<internal::ConsoleVariableEntryBase> FindEntry(const std::string& name) override
    {
        auto it = entries.find(name);
        return it != entries.end() ? it->second : nullptr;
    }

    void AddFlags(const std::string& name, int flagBits) override { flags[name] |= flagBits; }

    int GetFlags(const std::string& name) override
    {
        auto it = flags.find(name);
        return it != flags.end() ? it->second : 0;
    }

    std::map<std::string, std::shared_ptr<internal::ConsoleVariableEntryBase>> entries;
    std::map<std::string, int> flags;
};

// An entry of another value type, holding text.
class TextEntry final : public internal::ConsoleVariableEntryBase
{
public:
    explicit TextEntry(std::string value)
        : m_value(std::move(value))
    {
    }

    std::string GetValue() override { return m_value; }
    bool SetValue(const std::string& value) override
    {
        m_value = value;
        return true;
    }
    std::string GetSavedValue() override { return m_value; }
    void SaveValue() override {}
    void SyncFromTrackedVariable() override {}

private:
    std::string m_value;
};
