// The core runtime's table of console commands, as components see it.
// Components reach it through the console context (ConsoleContext.h).
#pragma once

#include "ConsoleExecutionContext.h"
#include "Registry.h"

#include <cstdint>
#include <functional>
#include <string>

// Runs a command with the arguments in the context; returns whether it ran.
using ConsoleCommandHandler = std::function<bool(ConsoleExecutionContext& context)>;

class ConsoleCommandManager
{
public:
    // Runs one typed command line: the first word names the command, the
    // rest are its arguments.
    virtual void Invoke(const std::string& commandLine) = 0;

    // Adds a handler under a command name for calls with exactly
    // `argumentCount` arguments; returns a token for Unregister, or -1.
    virtual int Register(const std::string& name, const std::string& resource, const ConsoleCommandHandler& handler,
                         size_t argumentCount) = 0;
    virtual void Unregister(int token) = 0;

protected:
    // Owned by the core runtime; components never delete it.
    ~ConsoleCommandManager() = default;
};

template<>
uint64_t InstanceType<ConsoleCommandManager>::ms_id;
