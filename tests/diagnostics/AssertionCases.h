// The assertions both platforms' suites fail (AssertionTests.cpp here,
// tests/windows/DiagnosticsTests.cpp under Wine) and the records they leave,
// kept in one table so that the two suites expect the same.
#pragma once

#include <string>

namespace diagtest
{
// A failed assertion as its record's message names it.
struct FailedAssertion
{
    std::string expression;
    std::string file;
    int line;
};

// FindInstance of a type never registered: the registry's assertion, whose
// site is fixed.
extern const FailedAssertion kMissingInstance;

// A plain assert() that fails.
extern const FailedAssertion kPlainAssert;
void FailPlainAssert();

// An assertion a debugger continues from. Prints "continued with 1234" to
// standard error when the frame around it came back intact.
extern const FailedAssertion kContinuedAssertion;
void ContinueFromAssertion();

// The error-pickup record a failed assertion writes: the assertion's own site
// in the message, the assertion hook's fixed site as the record's.
std::string AssertionRecord(const FailedAssertion& assertion);
}
