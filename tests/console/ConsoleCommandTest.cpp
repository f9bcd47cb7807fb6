// Console commands on the component's side: the adapted handlers' argument
// checks and messages, and a command's registration for its lifetime.
#include "ConsoleCommand.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

// An argument type whose conversion can fail: one decimal digit.
struct Digit
{
    int value = 0;
};

template<>
struct ConsoleArgumentType<Digit>
{
    static bool Parse(const std::string& text, Digit& digit)
    {
        if (text.size() != 1 || !std::isdigit(static_cast<unsigned char>(text[0])))
            return false;
        digit.value = text[0] - '0';
        return true;
    }
};

namespace
{
struct RunResult
{
    bool ran;
    std::string errors;
};

RunResult RunHandler(const ConsoleCommandHandler& handler, std::vector<std::string> arguments)
{
    ConsoleExecutionContext context{ ProgramArguments(std::move(arguments)) };
    const bool ran = handler(context);
    return { ran, context.errorStream.str() };
}

TEST(AdaptHandler, NoArgumentHandlerRunsOnlyWithoutArguments)
{
    int calls = 0;
    const ConsoleCommandHandler handler = AdaptHandler([&calls]() { ++calls; });

    const RunResult withOne = RunHandler(handler, { "x" });
    EXPECT_FALSE(withOne.ran);
    EXPECT_EQ(withOne.errors, "Argument count mismatch (passed 1, wanted 0)\n");
    EXPECT_EQ(calls, 0);

    const RunResult withNone = RunHandler(handler, {});
    EXPECT_TRUE(withNone.ran);
    EXPECT_EQ(withNone.errors, "");
    EXPECT_EQ(calls, 1);
}

TEST(AdaptHandler, BoolHandlerChecksTheCountBeforeTouchingArguments)
{
    struct Case
    {
        std::vector<std::string> arguments;
        const char* errors;
    };
    const Case cases[] = {
        { {}, "Argument count mismatch (passed 0, wanted 1)\n" },
        { { "true", "false" }, "Argument count mismatch (passed 2, wanted 1)\n" },
        { { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11" }, "Argument count mismatch (passed 11, wanted 1)\n" },
    };

    int calls = 0;
    const ConsoleCommandHandler handler = AdaptHandler([&calls](const bool&) { ++calls; });
    for (const Case& c : cases)
    {
        const RunResult result = RunHandler(handler, c.arguments);
        EXPECT_FALSE(result.ran);
        EXPECT_EQ(result.errors, c.errors);
    }
    EXPECT_EQ(calls, 0);
}

TEST(AdaptHandler, BoolHandlerGetsTheConvertedArgument)
{
    std::vector<bool> received;
    const ConsoleCommandHandler handler = AdaptHandler([&received](const bool& value) { received.push_back(value); });

    for (const char* text : { "true", "0", "7", "nonsense", "" })
    {
        const RunResult result = RunHandler(handler, { text });
        EXPECT_TRUE(result.ran) << text;
        EXPECT_EQ(result.errors, "") << text;
    }
    EXPECT_EQ(received, (std::vector<bool>{ true, false, true, false, false }));
}

TEST(AdaptHandler, UnconvertibleArgumentIsReportedWithItsIndexTextAndType)
{
    std::optional<int> received;
    const ConsoleCommandHandler handler = AdaptHandler([&received](const Digit& digit) { received = digit.value; });

    const RunResult refused = RunHandler(handler, { "42" });
    EXPECT_FALSE(refused.ran);
    // The type as the platform's compiler names it, as the framework's own
    // console would print it.
#if defined(_MSC_VER)
    EXPECT_EQ(refused.errors, "Could not convert argument 0 (42) to struct Digit\n");
#else
    EXPECT_EQ(refused.errors, "Could not convert argument 0 (42) to Digit\n");
#endif
    EXPECT_FALSE(received.has_value());

    const RunResult accepted = RunHandler(handler, { "4" });
    EXPECT_TRUE(accepted.ran);
    EXPECT_EQ(received, 4);
}

TEST(AdaptHandler, HandlerCountsFollowTheirSignature)
{
    auto none = []() {};
    auto one = [](const bool&) {};
    EXPECT_EQ(HandlerArgumentCount<decltype(none)>(), 0u);
    EXPECT_EQ(HandlerArgumentCount<decltype(one)>(), 1u);
}

// Records what a command asks of the command manager.
class RecordingCommandManager final : public ConsoleCommandManager
{
public:
    struct Registration
    {
        std::string name;
        std::string resource;
        ConsoleCommandHandler handler;
        size_t argumentCount;
    };

    explicit RecordingCommandManager(int token)
        : m_token(token)
    {
    }

    void Invoke(const std::string&) override {}

    int Register(const std::string& name, const std::string& resource, const ConsoleCommandHandler& handler,
                 size_t argumentCount) override
    {
        registrations.push_back({ name, resource, handler, argumentCount });
        return m_token;
    }

    void Unregister(int token) override { unregistered.push_back(token); }

    std::vector<Registration> registrations;
    std::vector<int> unregistered;

private:
    int m_token;
};

TEST(ConsoleCommand, IsRegisteredAsInternalForItsLifetime)
{
    RecordingCommandManager manager(17);
    bool described = false;
    {
        ConsoleCommand describe(&manager, "timecycleeditor", [&described]() { described = true; });
        ConsoleCommand assign(&manager, "timecycleeditor", [](const bool&) {});

        ASSERT_EQ(manager.registrations.size(), 2u);
        EXPECT_EQ(manager.registrations[0].name, "timecycleeditor");
        EXPECT_EQ(manager.registrations[0].resource, "internal");
        EXPECT_EQ(manager.registrations[0].argumentCount, 0u);
        EXPECT_EQ(manager.registrations[1].resource, "internal");
        EXPECT_EQ(manager.registrations[1].argumentCount, 1u);
        EXPECT_TRUE(manager.unregistered.empty());

        // What the manager holds is the adapted handler.
        EXPECT_TRUE(RunHandler(manager.registrations[0].handler, {}).ran);
        EXPECT_TRUE(described);
    }
    EXPECT_EQ(manager.unregistered, (std::vector<int>{ 17, 17 }));
}

TEST(ConsoleCommand, RefusedRegistrationIsNotUnregistered)
{
    RecordingCommandManager manager(-1);
    {
        ConsoleCommand command(&manager, "anything", []() {});
    }
    EXPECT_EQ(manager.registrations.size(), 1u);
    EXPECT_TRUE(manager.unregistered.empty());
}
}
