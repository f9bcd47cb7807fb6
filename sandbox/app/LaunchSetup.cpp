#include "LaunchSetup.h"

#include <Platform.h>
#include <Utils.h>

#include <filesystem>
#include <system_error>

namespace sandbox
{
namespace
{
// Long enough for another launch to start its modules under valgrind; a
// launch stopped in a debugger meanwhile is reported rather than waited for.
constexpr unsigned kLaunchTurnTimeoutMs = 180 * 1000;
}

LaunchSetup::LaunchSetup()
{
    const std::filesystem::path executable(ToUtf8(platform::GetExecutablePath()));
    m_moduleFolder = executable.parent_path().string() + "/";
    const char* chosenRoot = platform::GetEnvironment("VESK_SANDBOX_ROOT");
    m_installRoot = chosenRoot && *chosenRoot ? std::string(chosenRoot) + "/" : m_moduleFolder;

    m_handover = std::make_unique<RootHandover>(ToUtf16(m_installRoot), kLaunchTurnTimeoutMs);
    m_problem = m_handover->Problem();
    if (!m_problem.empty())
    {
        m_refused = true;
        return;
    }

    std::error_code error;
    std::filesystem::create_directories(m_installRoot + "data/cache", error);
    if (error)
        m_problem = "cannot create " + m_installRoot + "data/cache: " + error.message();

    // Our own diagnostics settle on this root now.
    GetInstallRoot();
}
}
