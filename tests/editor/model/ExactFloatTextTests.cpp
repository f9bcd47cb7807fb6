// Values written as the shortest text that reads back to the same float.
#include "base/FloatText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

using namespace tceditor;

namespace
{
float ReadBack(const std::string& text)
{
    float value = -1.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc()) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

uint32_t BitsOf(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(ExactFloatText, WritesTheShortestTextThatIsTheSameFloat)
{
    struct Case
    {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {0.0f, "0"},          {1.0f, "1"},       {-2.5f, "-2.5"},     {0.0004f, "0.0004"},
        {0.12345f, "0.12345"}, {0.1234f, "0.1234"}, {0.1f, "0.1"},      {100000.0f, "100000"},
        {1e-07f, "0.0000001"},    {-0.0f, "-0"},    {1e-30f, "1e-30"},     {3.4028235e38f, "3.4028235e+38"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(ExactFloatText(c.value), c.text);
        EXPECT_EQ(BitsOf(ReadBack(c.text)), BitsOf(c.value)) << c.text;
    }
}

TEST(ExactFloatText, EveryFiniteFloatReadsBackToItsOwnBits)
{
    std::mt19937 bits(20261210);
    for (int i = 0; i < 200000; ++i)
    {
        const uint32_t pattern = bits();
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value))
            continue;
        EXPECT_EQ(BitsOf(ReadBack(ExactFloatText(value))), pattern) << ExactFloatText(value);
    }
}
}
