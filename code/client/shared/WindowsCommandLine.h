// The Windows rules for command lines (CommandLineToArgvW's), free of any
// operating-system call: the POSIX platform layer builds and splits the
// process's command line with them, and the Windows tests hold them against
// the system's own splitter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform
{
// One command line that gives the arguments back when split; the first is the
// program path, which has its own rule: it cannot hold a quote, so one is
// dropped.
std::u16string JoinWindowsCommandLine(const std::vector<std::u16string>& arguments);
// The arguments of a command line; the first is the program path. An empty
// command line gives one empty argument (CommandLineToArgvW gives the
// running program's path instead).
std::vector<std::u16string> SplitWindowsCommandLine(std::u16string_view commandLine);
}
