// A console command that a component contributes: registered with the core
// runtime's command manager for as long as the holder lives.
#pragma once

#include "ConsoleArgument.h"
#include "ConsoleCommandManager.h"
#include "ConsoleExecutionContext.h"
#include "EntryBarrier.h"

#include <ostream>
#include <string>
#include <type_traits>
#include <utility>

namespace internal
{
template<typename Handler>
struct HandlerArgument : HandlerArgument<decltype(&Handler::operator())>
{
};

template<typename Class, typename Argument>
struct HandlerArgument<void (Class::*)(Argument) const>
{
    using Type = std::decay_t<Argument>;
};

template<typename Class, typename Argument>
struct HandlerArgument<void (Class::*)(Argument)>
{
    using Type = std::decay_t<Argument>;
};

// The guard of every handler the command manager calls into this module.
EntryBarrier& HandlerBarrier();

inline bool CheckArgumentCount(ConsoleExecutionContext& context, size_t wanted)
{
    if (context.arguments.Count() == wanted)
        return true;

    context.errorStream << "Argument count mismatch (passed " << context.arguments.Count() << ", wanted " << wanted
                        << ")" << std::endl;
    return false;
}
}

// A typed handler takes nothing or one argument of a console argument type;
// its adapted form checks the count, converts the argument and calls it.
// The count goes to the command manager beside the adapted handler.
template<typename Handler>
constexpr size_t HandlerArgumentCount()
{
    return std::is_invocable_v<Handler> ? 0 : 1;
}

template<typename Handler>
ConsoleCommandHandler AdaptHandler(Handler handler)
{
    if constexpr (HandlerArgumentCount<Handler>() == 0)
    {
        return [handler = std::move(handler)](ConsoleExecutionContext& context) mutable {
            if (!internal::CheckArgumentCount(context, 0))
                return false;

            handler();
            return true;
        };
    }
    else
    {
        using Argument = typename internal::HandlerArgument<Handler>::Type;

        return [handler = std::move(handler)](ConsoleExecutionContext& context) mutable {
            if (!internal::CheckArgumentCount(context, 1))
                return false;

            Argument value{};
            if (!ConsoleArgumentType<Argument>::Parse(context.arguments.Get(0), value))
            {
                context.errorStream << "Could not convert argument " << 0 << " (" << context.arguments[0] << ") to "
                                    << internal::TypeName<Argument>() << std::endl;
                return false;
            }

            handler(static_cast<const Argument&>(value));
            return true;
        };
    }
}

// The handler as the command manager calls it: nothing it throws leaves
// this module; the command then reports failure.
inline ConsoleCommandHandler GuardHandler(ConsoleCommandHandler handler)
{
    return [handler = std::move(handler)](ConsoleExecutionContext& context) {
        return internal::HandlerBarrier().Run(false, [&] { return handler(context); });
    };
}

class ConsoleCommand
{
public:
    template<typename Handler>
    ConsoleCommand(ConsoleCommandManager* commandManager, const std::string& name, Handler handler)
        : m_resource("internal"), m_commandManager(commandManager)
    {
        constexpr size_t argumentCount = HandlerArgumentCount<Handler>();
        m_token = m_commandManager->Register(name, m_resource, GuardHandler(AdaptHandler(std::move(handler))),
                                              argumentCount);
    }

    ~ConsoleCommand();

    // The manager holds the registration by token; a copy would unregister
    // it twice.
    ConsoleCommand(const ConsoleCommand&) = delete;
    ConsoleCommand& operator=(const ConsoleCommand&) = delete;

private:
    int m_token = -1;
    std::string m_resource;
    ConsoleCommandManager* m_commandManager;
};
