// The intrinsics Microsoft's STL uses, from clang's own <intrin.h>.
#pragma once
#include <intrin.h>
