// The component object through which the framework's loader drives a
// component, and the library's concrete one.
#pragma once

#include "fwRefCountable.h"

class Component : public fwRefCountable
{
public:
    virtual bool Start() = 0;
    virtual void Notify(void* message) = 0;
    virtual bool HookA(void* argument) = 0;
    virtual bool HookB(void* argument) = 0;
    virtual bool Stop() = 0;
    virtual bool QueryFlag(void* argument) = 0;
    virtual void* QueryObject(void* argument) = 0;
};

class ComponentInstance : public Component
{
public:
    // A class derived from this one that has a destructor of its own fills
    // this slot again.
    FW_DESTRUCTOR_SLOT(ComponentInstance)
    bool Start() override;
    void Notify(void*) override {}
    bool HookA(void*) override { return true; }
    bool HookB(void*) override { return true; }
    bool Stop() override;
    bool QueryFlag(void*) override { return false; }
    void* QueryObject(void*) override { return nullptr; }
};

// Entries of the stop list run when the loader stops the component, the
// last registered first.
class StopFunctionBase
{
public:
    virtual void Run() = 0;

    // Puts this object at the head of the stop list.
    void Register();

    StopFunctionBase* m_next = nullptr;
};

class StopFunction : public StopFunctionBase
{
public:
    using Function = void (*)();

    explicit StopFunction(Function function) : m_function(function) { Register(); }

    void Run() override { m_function(); }

private:
    Function m_function;
};
