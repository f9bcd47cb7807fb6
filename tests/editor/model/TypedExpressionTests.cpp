// A value typed into a drag: an operation applies to the value the game
// holds, not to the three decimals the field showed.
#include "base/TypedExpression.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>

using namespace tceditor;

TEST(TypedExpression, OperationsApplyToTheExactValue)
{
    struct Case
    {
        const char* typed;
        const char* shown;
        float value;
        std::optional<float> result;
    };
    const Case cases[] = {
        { "+0", "0.123", 0.12345f, 0.12345f },
        { "*1", "0.123", 0.12345f, 0.12345f },
        { "/1", "0.000", 0.0004f, 0.0004f },
        { " + 1 ", "0.123", 0.12345f, 0.12345f + 1.0f },
        { "+-0.5", "0.123", 0.12345f, 0.12345f - 0.5f },
        { "*2", "-0.000", -0.0004f, -0.0008f },
        { "/0", "0.123", 0.12345f, 0.12345f },
        // The text as shown, untouched or put back by Escape: the value stays.
        { "0.123", "0.123", 0.12345f, 0.12345f },
        { " 0.123", "0.123 ", 0.12345f, 0.12345f },
        // A plain number is taken as typed, by Dear ImGui.
        { "0.5", "0.123", 0.12345f, std::nullopt },
        { "-2", "0.123", 0.12345f, std::nullopt },
        { "", "0.123", 0.12345f, std::nullopt },
        { "+", "0.123", 0.12345f, std::nullopt },
        { "*x", "0.123", 0.12345f, std::nullopt },
    };
    for (const Case& c : cases)
    {
        const std::optional<float> result = TypedOperationResult(c.typed, c.shown, c.value);
        ASSERT_EQ(result.has_value(), c.result.has_value()) << c.typed;
        if (result)
        {
            EXPECT_EQ(std::bit_cast<uint32_t>(*result), std::bit_cast<uint32_t>(*c.result)) << c.typed;
        }
    }
}
