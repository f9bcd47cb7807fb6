// The editor's assertion on its own invariants: a broken one stops the
// process through the framework's fatal-error path (Assert.h), in tests and
// in the game alike, with the condition, file and line.
#pragma once

#include <Assert.h>

#define TCE_ASSERT(condition) FW_ASSERT_AT(condition, #condition, __FILE__, __LINE__)
