// The rule for the names the editor gives modifiers, at both its ends.
#include "editing/ModifierNameRule.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace tceditor;

TEST(ModifierNameRule, BothEndsAreRefusedOrTakenAsTheTextSays)
{
    const struct
    {
        size_t bytes;
        const char* problem;
    } cases[] = {
        { 0, "is too short" },
        { 1, "is too short" },
        { 2, nullptr },
        { kMaxModifierNameBytes, nullptr },
        { kMaxModifierNameBytes + 1, "is too long" },
    };
    // The field holds kMaxModifierNameBytes (its UI test checks it).
    const std::string rule = "; a modifier name needs 2 to " + std::to_string(kMaxModifierNameBytes) + " bytes";
    for (const auto& c : cases)
    {
        const std::string problem = ModifierNameProblem("Create", std::string(c.bytes, 'n'));
        if (!c.problem)
        {
            EXPECT_EQ(problem, "") << c.bytes;
            continue;
        }
        EXPECT_THAT(problem, testing::HasSubstr(c.problem)) << c.bytes;
        EXPECT_THAT(problem, testing::EndsWith(rule)) << c.bytes;
    }
}

