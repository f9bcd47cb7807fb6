// What the command manager hands a command for one run: its arguments and a
// stream for the command's error messages, which the manager shows.
#pragma once

#include "ProgramArguments.h"

#include <sstream>
#include <utility>

struct ConsoleExecutionContext
{
    explicit ConsoleExecutionContext(ProgramArguments arguments)
        : arguments(std::move(arguments))
    {
    }

    const ProgramArguments arguments;
    std::stringstream errorStream;
};
