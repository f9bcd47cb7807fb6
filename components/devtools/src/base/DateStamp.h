// A moment of the local clock as the editor writes it: in the names of the
// files it saves, and in what it shows.
#pragma once

#include <Platform.h>

#include <string>

namespace tceditor
{
// "2026-12-11_14-05-09": sorts in time order and is a valid file name
// everywhere.
std::string FileDateStamp(const platform::LocalTime& time);
// "2026-12-11 14:05:09".
std::string ShownDateStamp(const platform::LocalTime& time);
}
