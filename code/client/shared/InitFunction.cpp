#include "InitFunction.h"

#include "Component.h"
#include "EntryBarrier.h"
#include "LaunchEnvironment.h"

namespace
{
// Plain pointers, constant-initialised, so that registration from other
// translation units' static initialisers never sees them unset.
InitFunctionBase* g_initFunctions = nullptr;
StopFunctionBase* g_stopFunctions = nullptr;

EntryBarrier g_startBarrier("ComponentInstance::Start");
EntryBarrier g_stopBarrier("ComponentInstance::Stop");
}

void StopFunctionBase::Register()
{
    m_next = g_stopFunctions;
    g_stopFunctions = this;
}

void InitFunctionBase::Register()
{
    if (!g_initFunctions)
    {
        m_next = nullptr;
        g_initFunctions = this;
        return;
    }

    InitFunctionBase* previous = nullptr;
    InitFunctionBase* current = g_initFunctions;
    while (current && m_order >= current->m_order)
    {
        previous = current;
        current = current->m_next;
    }

    m_next = current;
    if (previous)
        previous->m_next = this;
    else
        g_initFunctions = this;
}

void InitFunctionBase::RunAll()
{
    for (InitFunctionBase* entry = g_initFunctions; entry; entry = entry->m_next)
        entry->Run();
}

bool ComponentInstance::Start()
{
    // A start that fails tells the loader so; the host goes on without us.
    return g_startBarrier.Run(false, [] {
        // The install root is settled now, while the block still holds this
        // launch's root: a later launch of the same mode writes its own there,
        // and a save or an error record must not follow it into that folder.
        GetInstallRoot();
        InitFunctionBase::RunAll();
        return true;
    });
}

bool ComponentInstance::Stop()
{
    // Every entry runs, whatever an earlier one threw.
    for (StopFunctionBase* entry = g_stopFunctions; entry; entry = entry->m_next)
        g_stopBarrier.Run(true, [entry] {
            entry->Run();
            return true;
        });
    return true;
}
