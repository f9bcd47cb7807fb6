#include "ProgramArguments.h"

#include "Assert.h"

namespace
{
// Handed out when a failed assertion returns (under a debugger), so that
// nothing is read outside the list.
const std::string kNoArgument;

constexpr AssertionSite kGetOutOfRangeSite{ u"code/client/lumen/console/ProgramArguments", 59 };
constexpr AssertionSite kIndexOutOfRangeSite{ u"code/client/lumen/console/ProgramArguments", 71 };
}

const std::string& ProgramArguments::Get(int i) const
{
    const bool inRange = i >= 0 && static_cast<size_t>(i) < m_arguments.size();
    FW_ASSERT_SITE(inRange, "i >= 0 && i < m_arguments.size()", kGetOutOfRangeSite);
    return inRange ? m_arguments[i] : kNoArgument;
}

const std::string& ProgramArguments::operator[](size_t i) const
{
    const bool inRange = i < m_arguments.size();
    FW_ASSERT_SITE(inRange, "i < m_arguments.size()", kIndexOutOfRangeSite);
    return inRange ? m_arguments[i] : kNoArgument;
}
