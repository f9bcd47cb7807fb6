// Start-up functions: static objects that register themselves at load time
// and run, in ascending order, when the loader starts the component.
#pragma once

#include <cstdint>

class InitFunctionBase
{
public:
    explicit InitFunctionBase(int32_t order) : m_order(order) {}

    virtual void Run() = 0;

    // Links this object into the start-up list: after every entry of lower or
    // equal order, so equal orders keep their registration order.
    void Register();

    // Runs every registered entry from the head of the list.
    static void RunAll();

    InitFunctionBase* m_next = nullptr;
    int32_t m_order;
};

class InitFunction : public InitFunctionBase
{
public:
    using Function = void (*)();

    explicit InitFunction(Function function, int32_t order = 0)
        : InitFunctionBase(order), m_function(function)
    {
        Register();
    }

    void Run() override { m_function(); }

private:
    Function m_function;
};
