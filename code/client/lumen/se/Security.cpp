#include "Security.h"

#include "Assert.h"
#include "CoreRT.h"

#include <cctype>

namespace
{
constexpr AssertionSite kMissingContextExportSite{ u"code/client/lumen/se/Security", 133 };

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
    FW_ASSERT_SITE(func, "func", kMissingContextExportSite);
    if (!func)
        return false; // a debugger continued past the assertion: refuse

    std::string lowerName = privilegeName;
    for (char& c : lowerName)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));

    se::Context* context = func();
    return context && context->HasPrivilege(lowerName);
}
