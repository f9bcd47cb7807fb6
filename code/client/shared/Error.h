// Fatal errors: what happens when the component must not continue. The error
// is traced, checked for recursion against the process's error record and
// written to the error-pickup file under the install root, where the host's
// crash handling finds it once the process has stopped at the error's site.
#pragma once

#include <fmt/printf.h>

#include <cstdint>
#include <string>
#include <string_view>

// Signature of a fatal-error site: the 32-bit FNV-1a hash of its format text.
constexpr uint32_t HashSignature(std::string_view formatText)
{
    uint32_t hash = 0x811C9DC5;
    for (char c : formatText)
        hash = (hash ^ static_cast<uint8_t>(c)) * 0x01000193;
    return hash;
}

// A fatal error's identity in reports, a file and a line. It identifies the
// site in reports and must not change when the code around it moves.
struct ErrorSite
{
    const char* file;
    int line;
};

// The fatal error being reported on a thread; empty while there is none.
struct ErrorContext
{
    uint32_t sigHash = 0;
    int32_t line = 0;
    std::string_view file;
};

// This thread's error context.
ErrorContext& GetErrorContext();

// ReportFatalError with packed arguments.
int ReportFatalErrorV(const char* file, int line, uint32_t sigHash, const char* format, fmt::printf_args args);

// The one entry for fatal errors. `sigHash` is HashSignature(format). Returns
// -1 once the error-pickup file is written, and does not return when the
// process had to be ended here. After it returns the caller must not go on:
// it stops the process at its own site.
template<typename... Args>
int ReportFatalError(const char* file, int line, uint32_t sigHash, const char* format, const Args&... args)
{
    return ReportFatalErrorV(file, line, sigHash, format, fmt::make_printf_args(args...));
}

// The handler proper, with the formatted message.
int GlobalErrorHandler(const std::string& message);

// Writes the error-pickup file and returns -1; when it cannot be written,
// shows the message (if a user can see it) and ends the process with exit
// code 1.
int ExitWithFatalError(const std::string& message);

// Whether a message box would be seen by a user.
bool CanShowErrorBox();
