// Keeps the shared-memory blocks of a launch test, and of the probes it
// starts, apart from those of a real launch and of other tests: every name
// that reaches shm_open or shm_unlink gets this test's own prefix. Programs
// linking this use -Wl,--wrap=shm_open,--wrap=shm_unlink.
#pragma once

#include <string>

// A child given this variable shares its parent's blocks.
constexpr const char* kShmPrefixVariable = "VESK_TEST_SHM_PREFIX";

// The inherited prefix, else one of this process's own.
const std::string& TestShmPrefix();
