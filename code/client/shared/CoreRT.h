// Finding the core runtime's exports. Each call site keeps the address it
// found in a slot of its own (a static it passes to FindCoreExport), so a
// missing optional export is looked up again next time and a found one never.
#pragma once

#include "Platform.h"

// The already loaded core runtime module, or null.
inline platform::ModuleHandle FindCoreRT()
{
    return platform::FindLoadedModule("CoreRT");
}

// Looks the export up while `slot` is null and returns it (null if missing).
template<typename Fn>
Fn FindCoreExport(Fn& slot, const char* name)
{
    if (!slot)
    {
        if (platform::ModuleHandle coreRT = FindCoreRT())
            slot = platform::FindExportAs<Fn>(coreRT, name);
    }
    return slot;
}
