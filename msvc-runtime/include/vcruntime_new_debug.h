// Microsoft's STL names this header; the debug allocation forms exist only in
// the debug runtime, which this build never uses.
#pragma once
#include <vcruntime_new.h>
