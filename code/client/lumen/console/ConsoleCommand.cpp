#include "ConsoleCommand.h"

ConsoleCommand::~ConsoleCommand()
{
    if (m_token != -1)
    {
        m_commandManager->Unregister(m_token);
        m_token = -1;
    }
}

EntryBarrier& internal::HandlerBarrier()
{
    static EntryBarrier barrier("console command");
    return barrier;
}
