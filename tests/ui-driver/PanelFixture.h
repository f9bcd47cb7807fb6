// Every test gets a fresh panel and a driver with its own Dear ImGui context.
#pragma once

#include "TestPanel.h"
#include "UiDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using uidriver::UiDriver;
using uidriver::UiDriverError;
using uidriver::UiItem;

class UiDriverPanel : public ::testing::Test
{
protected:
    static constexpr const char* kPanel = "Test Panel";

    // The message of the UiDriverError `action` throws; fails the test when it
    // throws none.
    template <typename Action>
    static std::string ErrorOf(Action&& action)
    {
        try
        {
            action();
        }
        catch (const UiDriverError& error)
        {
            return error.what();
        }
        ADD_FAILURE() << "no UiDriverError thrown";
        return {};
    }

    TestPanel panel;
    UiDriver ui{ [this] { panel.Draw(); } };
};
