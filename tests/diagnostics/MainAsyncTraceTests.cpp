// The asynchronous trace goes to the main executable first: this executable
// exports its own "AsyncTrace", so the core runtime's must stay unused.
#include "CoreRTDiagnostics.h"
#include "Utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_mainMessages;
}

extern "C" __attribute__((visibility("default"))) void AsyncTrace(const char* message)
{
    g_mainMessages.emplace_back(message);
}

namespace
{
TEST(MainAsyncTraceTest, MainExecutableTakesTheAsyncTrace)
{
    corert::ClearTraces();
    Trace("channel", "Function", "code/client/test/Trace", 1, "to the game %d\n", 1);
    Trace("channel", "Function", "code/client/test/Trace", 2, "to the game %d\n", 2);

    EXPECT_EQ(g_mainMessages, (std::vector<std::string>{ "to the game 1\n", "to the game 2\n" }));
    EXPECT_TRUE(corert::AsyncTraceMessages().empty());
    EXPECT_EQ(corert::TraceCalls().size(), 2u);
}
}
