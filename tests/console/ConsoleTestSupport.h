// A clean stand-in console for each test: no messages, no privileges,
// read-only refusals printed.
#pragma once

#include "ConsoleVariableManager.h"
#include "CoreRTConsole.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

// One printed message: channel, text, whether it was a warning.
using Printed = std::tuple<std::string, std::string, bool>;

inline Printed Warning(const std::string& text)
{
    return { "cmd", text, true };
}

inline Printed Print(const std::string& text)
{
    return { "cmd", text, false };
}

class ConsoleTest : public ::testing::Test
{
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        corert::ClearConsoleMessages();
        corert::SetPrivilege("builtin.setreplicated", false);
        corert::VariableManager().quietReadOnly = false;
    }

    static ConsoleVariableManager& Manager() { return corert::VariableManager(); }

    static std::vector<Printed> PrintedSoFar()
    {
        std::vector<Printed> printed;
        for (const corert::ConsoleMessage& message : corert::ConsoleMessages())
            printed.emplace_back(message.channel, message.text, message.warning);
        return printed;
    }
};
