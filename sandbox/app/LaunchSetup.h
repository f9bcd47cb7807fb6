// What the launcher does before the game's modules run: it hands this
// launch's install root to the modules through the init-state block, and
// creates the install root's data/cache folder, where fatal errors leave
// their record.
#pragma once

#include <LaunchHandover.h>

#include <memory>
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
    // The root could not be handed over: starting the modules would give
    // them another launch's root.
    bool Refused() const { return m_refused; }
    // Empty when everything is in place; otherwise what went wrong.
    const std::string& Problem() const { return m_problem; }

    // The components have started and settled on the root: another launch of
    // this mode may now write its own.
    void ModulesStarted() { m_handover->ModulesStarted(); }

private:
    std::string m_installRoot;
    std::string m_moduleFolder;
    std::unique_ptr<RootHandover> m_handover;
    bool m_refused = false;
    std::string m_problem;
};
}
