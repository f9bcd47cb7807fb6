// The fatal error box on Linux: its caption and message on standard error.
#include "Platform.h"

#include "Utils.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform
{
bool CanShowMessageBox()
{
    return fcntl(STDERR_FILENO, F_GETFD) != -1;
}

void ShowErrorBox(void*, std::u16string_view message, std::u16string_view caption)
{
    const std::string text = ToUtf8(caption) + ": " + ToUtf8(message) + "\n";
    fwrite(text.data(), 1, text.size(), stderr);
}
}
