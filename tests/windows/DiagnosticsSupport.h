// The Windows diagnostics tests' install root: a temporary folder that the
// test process hands to the component through its own init-state block, as a
// launcher would, and keeps open so that its death-test children (new
// processes on Windows) find the same root there.
#pragma once

#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace windiag
{
const std::filesystem::path& InstallRoot();
std::filesystem::path PickupPath();
// The record, or "<no error-pickup file>".
std::string ReadPickup();

// Each test starts with a fresh error record in the core runtime, no
// debugger, no traces and an empty pickup folder.
class DiagnosticsTest : public testing::Test
{
protected:
    void SetUp() override;
};
}
