#include "Security.h"

#include "Assert.h"
#include "CoreRT.h"

#include <cctype>

namespace
{
using GetCurrentContext = se::Context* (*)();

GetCurrentContext FindGetCurrentContext()
{
    GetCurrentContext slot = nullptr;
    return FindCoreExport(slot, "seGetCurrentContext");
}
}

bool seCheckPrivilege(const std::string& privilegeName)
{
    // Every core runtime has the export; without it no privilege can be
    // checked at all.
    static const GetCurrentContext func = FindGetCurrentContext();
    FW_ASSERT_AT(func, "func", "code/client/lumen/se/Security", 133);
    if (!func)
        return false; // a debugger continued past the assertion: refuse

    std::string lowerName = privilegeName;
    for (char& c : lowerName)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    se::Context* context = func();
    return context && context->HasPrivilege(lowerName);
}
