#include "base/DateStamp.h"

#include <fmt/format.h>

namespace tceditor
{
std::string FileDateStamp(const platform::LocalTime& time)
{
    return fmt::format("{:04}-{:02}-{:02}_{:02}-{:02}-{:02}", time.year, time.month, time.day, time.hour, time.minute,
                       time.second);
}

std::string ShownDateStamp(const platform::LocalTime& time)
{
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", time.year, time.month, time.day, time.hour, time.minute,
                       time.second);
}
}
