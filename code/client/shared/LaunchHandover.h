// How a launcher hands the install root to the modules it starts. They read
// it from the init-state block of the launch mode when they start, and every
// launch of that mode shares that block; so the launcher takes the mode's
// launch turn before it writes the root and keeps the turn until its modules
// have started. A launch of the same mode starting meanwhile waits for the
// turn instead of writing over a root nobody has read yet.
#pragma once

#include "LaunchEnvironment.h"

#include <string>
#include <string_view>

class RootHandover
{
public:
    // Takes the turn, waiting at most `timeoutMs` for another launch to give
    // it back, then writes this launch's settings into the block: `root`
    // (with its trailing separator), no replacement command line and no
    // application folder. The block is held for as long as this lives.
    RootHandover(std::u16string_view root, unsigned timeoutMs);
    ~RootHandover();
    RootHandover(const RootHandover&) = delete;
    RootHandover& operator=(const RootHandover&) = delete;

    // Empty when the root is in the block and the turn is held (until
    // ModulesStarted); otherwise what went wrong.
    const std::string& Problem() const { return m_problem; }

    // The modules have settled on the root: the next launch may write its own.
    void ModulesStarted();

private:
    platform::NamedLock m_turn;
    InitStateView m_block;
    std::string m_problem;
};
