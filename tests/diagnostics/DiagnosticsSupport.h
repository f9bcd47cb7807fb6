// Shared helpers of the diagnostics tests: a private install root for the
// error-pickup file, standard-error capture, and reporters that tell the
// parent of a death test where its child stopped.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace diagtest
{
// This test process's install root: a fresh temporary folder, handed to the
// component through the shared init-state block as a launcher would, before
// the component first asks for it.
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

// Collects what this process writes to standard error while it lives.
class StderrCapture
{
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    std::string Text() const;

private:
    int m_savedStderr;
    int m_file;
};

// For a death-test child: on the coming SIGTRAP, writes "trap right after a
// call of the hook" to standard error when the trap stopped at the
// instruction after a direct call of `hook`, else "trap elsewhere"; then the
// signal ends the child.
void ReportTrapSite(const void* hook);
// The same report, but then the child goes on after the trap, as a debugger
// that continues would let it.
void ContinueAfterTrap(const void* hook);
// For a death-test child: on the coming SIGSEGV, writes "fault at 0x<address>"
// to standard error; then the signal ends the child.
void ReportFaultAddress();
}
