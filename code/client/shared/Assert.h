// Assertions. Every failed assertion of the component ends in
// AssertionFailed, which reports a fatal error and stops at the caller.
// Sites with a fixed identity pass their own expression text, path and line.
#pragma once

void AssertionFailed(const char16_t* expression, const char16_t* file, unsigned line);

#define FW_ASSERT_AT(condition, expressionText, path, line) \
    ((condition) ? (void)0 : AssertionFailed(u"" expressionText, u"" path, line))
