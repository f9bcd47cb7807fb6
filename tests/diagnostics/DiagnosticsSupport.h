// Shared helpers of the diagnostics tests, on every platform: a private
// install root for the error-pickup file, the record read back, and
// standard-error capture.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace diagtest
{
// This test process's install root: a fresh temporary folder, handed to the
// component through the process's own init-state block as a launcher would,
// before the component first asks for it. Death-test children find the
// same root (a forked child keeps it; a new Windows process reads it from
// the block, which its parent holds).
const std::filesystem::path& InstallRoot();
std::filesystem::path PickupPath();

// Creates the pickup folder (data/cache) without an earlier record.
void PreparePickupFolder();
// Removes the pickup folder, so that no record can be written.
void RemovePickupFolder();
// The record, or "<no error-pickup file>".
std::string ReadPickup();

// Each test starts with a fresh error record in the core runtime, which
// hands it out, no debugger, no trace calls and an empty pickup folder.
class DiagnosticsTest : public ::testing::Test
{
protected:
    void SetUp() override;
};

// Collects what this process writes to standard error while it lives (on
// Windows also what reaches the standard-error handle, where the tests show
// debugger output).
class StderrCapture
{
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    std::string Text() const;

private:
    struct Redirect;
    std::unique_ptr<Redirect> m_redirect;
};
}
