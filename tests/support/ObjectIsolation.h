// Keeps the named init-state blocks of a Windows test, and of the programs it
// starts, apart from a real launch's and from other tests': every name that
// reaches CreateFileMappingW, or CreateMutexW (the mutex that guards a
// block's creation), in a program linking this gets the test's own prefix.
// The client calls both through their import slots, and such a program
// fills those slots itself with functions that add the prefix, as the POSIX
// tests wrap shm_open.
#pragma once

#include <string>

// A child that inherits this variable shares its parent's blocks.
constexpr const wchar_t* kObjectPrefixVariable = L"VESK_TEST_OBJECT_PREFIX";

// The inherited prefix, else one of this process's own, which its children
// inherit from then on.
const std::wstring& TestObjectPrefix();
