// The arguments of one console command, in order, without the command name.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class ProgramArguments
{
public:
    // Built by the command manager in the core runtime, so inline.
    ProgramArguments() = default;
    explicit ProgramArguments(std::vector<std::string> arguments)
        : m_arguments(std::move(arguments))
    {
    }

    size_t Count() const { return m_arguments.size(); }

    // The argument at `i`; an index outside the list is an assertion failure.
    const std::string& Get(int i) const;
    const std::string& operator[](size_t i) const;

private:
    std::vector<std::string> m_arguments;
};
