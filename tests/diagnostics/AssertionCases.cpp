#include "AssertionCases.h"

#include "Assert.h"

#include <cassert>
#include <cstdio>

namespace diagtest
{
namespace
{
volatile int g_value = 2;

// The record's text as JSON holds it.
std::string JsonEscaped(const std::string& text)
{
    std::string json;
    for (char c : text)
    {
        if (c == '\n')
        {
            json += "\\n";
            continue;
        }
        if (c == '\\' || c == '"')
            json += '\\';
        json += c;
    }
    return json;
}
}

const FailedAssertion kMissingInstance{ "instance != nullptr", "code/client/shared/Registry", 145 };

const FailedAssertion kPlainAssert{ "g_value == 3", __FILE__, __LINE__ + 3 };
void FailPlainAssert()
{
    assert(g_value == 3);
}

const FailedAssertion kContinuedAssertion{ "values[0] == 0", "code/client/test/Continue", 5 };
void ContinueFromAssertion()
{
    volatile int values[4] = { 1, 2, 3, 4 };
    FW_ASSERT_AT(values[0] == 0, "values[0] == 0", "code/client/test/Continue", 5);
    fprintf(stderr, "continued with %d%d%d%d\n", values[0], values[1], values[2], values[3]);
}

std::string AssertionRecord(const FailedAssertion& assertion)
{
    const std::string message = "Assertion failure: " + assertion.expression + "\nFile: " + assertion.file +
                                ", Line: " + std::to_string(assertion.line);
    return R"({"message":")" + JsonEscaped(message) +
           R"(","file":"code/client/shared/Utils.Win32","line":99999,"sigHash":2511097818})";
}
}
