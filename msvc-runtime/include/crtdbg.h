// Wine's <crtdbg.h>, plus the report-file switch that Microsoft's header has
// in release builds as a no-op, like the report mode (GoogleTest calls both).
#pragma once
#include_next <crtdbg.h>

#ifndef _DEBUG
#define _CRTDBG_MODE_FILE 0x1
#define _CRTDBG_MODE_DEBUG 0x2
#define _CRTDBG_FILE_STDERR ((_HFILE)(intptr_t)-5)
typedef void* _HFILE;
#define _CrtSetReportFile(t, f) ((_HFILE)0)
#endif
