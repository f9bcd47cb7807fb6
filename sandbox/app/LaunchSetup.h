// What the launcher does before the game's modules run: it holds this
// launch's init-state block with the install root in it, and creates the
// install root's data/cache folder, where fatal errors leave their record.
#pragma once

#include <LaunchEnvironment.h>

#include <string>

namespace sandbox
{
class LaunchSetup
{
public:
    // The install root is the executable's folder, where the modules are,
    // unless VESK_SANDBOX_ROOT names another (tests give each run its own,
    // so that no run sees another's unsaved work or error records).
    LaunchSetup();

    const std::string& InstallRoot() const { return m_installRoot; }
    const std::string& ModuleFolder() const { return m_moduleFolder; }
    // Empty when everything is in place; otherwise what went wrong.
    const std::string& Problem() const { return m_problem; }

private:
    InitStateView m_block;
    std::string m_installRoot;
    std::string m_moduleFolder;
    std::string m_problem;
};
}
