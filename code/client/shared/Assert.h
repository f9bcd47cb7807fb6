// Assertions. Every failed assertion of the component ends in
// AssertionFailed, which reports a fatal error and stops at the caller.
// Sites with a fixed identity pass their own expression text and site.
#pragma once

void AssertionFailed(const char16_t* expression, const char16_t* file, unsigned line);

// An assertion's identity in error reports, a path and a line. It identifies
// the site in reports and must not change when the code around it moves.
struct AssertionSite
{
    const char16_t* path;
    unsigned line;
};

#define FW_ASSERT_SITE(condition, expressionText, site) \
    ((condition) ? (void)0 : AssertionFailed(u"" expressionText, (site).path, (site).line))

#define FW_ASSERT_AT(condition, expressionText, path, line) \
    FW_ASSERT_SITE(condition, expressionText, (AssertionSite{ u"" path, line }))
