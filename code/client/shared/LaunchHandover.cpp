#include "LaunchHandover.h"

#include "Utils.h"

namespace
{
constexpr const char* kInitStateObject = "KelInitState";

std::u16string LaunchTurnName()
{
    return ToUtf16(FormatInitStateName(GetLaunchModeKey(), kInitStateObject) + ".LaunchTurn");
}
}

RootHandover::RootHandover(std::u16string_view root, unsigned timeoutMs)
    : m_block({}, nullptr)
{
    if (!platform::TakeNamedLock(LaunchTurnName(), timeoutMs, m_turn))
    {
        m_problem = "another launch of this mode kept its launch turn for " + std::to_string(timeoutMs / 1000) +
                    " s; the install root cannot be handed over safely";
        return;
    }
    m_block = OpenInitState(kInitStateObject);
    if (m_block.IsFallback())
        m_problem = "the init-state block cannot be opened; the modules fall back to their own folder";
    else if (root.size() >= std::size(m_block->rootPath))
        m_problem = "the install root is too long for the init-state block";
    else
    {
        std::copy(root.begin(), root.end(), m_block->rootPath);
        m_block->rootPath[root.size()] = u'\0';
    }
    m_block->commandLine[0] = u'\0';
    m_block->createAppFolder = 0;
}

RootHandover::~RootHandover()
{
    ModulesStarted();
}

void RootHandover::ModulesStarted()
{
    platform::ReleaseNamedLock(m_turn);
}
