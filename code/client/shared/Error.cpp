#include "Error.h"

#include "CoreRT.h"
#include "ErrorData.h"
#include "LaunchEnvironment.h"
#include "Platform.h"
#include "Utils.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdio>

namespace
{
thread_local ErrorContext t_errorContext;

// The component's own latch, shared by its threads' fallback records.
FatalState& ComponentFatalState()
{
    static FatalState state;
    return state;
}

// The core runtime's record, or this thread's fallback when there is none.
ErrorData& GetErrorRecord()
{
    using GetErrorDataFn = ErrorData* (*)();
    static GetErrorDataFn getErrorData = nullptr;
    if (FindCoreExport(getErrorData, "GetErrorData"))
    {
        if (ErrorData* shared = getErrorData())
            return *shared;
    }

    thread_local ErrorData fallback;
    if (!fallback.fatalState)
        fallback.fatalState = &ComponentFatalState();
    return fallback;
}

// The text of a recursive error, cut to what va could return: raising
// va's own overflow error from inside the error handler would bury both
// messages. The cut keeps whole UTF-8 characters.
std::string ComposeRecursiveText(const char* format, const std::string& message, const std::string& earlier)
{
    std::string text = fmt::sprintf(format, message, earlier);
    text.resize(Utf8CutLength(text, kVaMaxLength));
    return text;
}

std::u16string ErrorPickupPath()
{
    const char16_t separator = platform::kPathSeparator;
    return GetInstallRoot() + u"data" + separator + u"cache" + separator + u"error-pickup";
}

void WriteString(rapidjson::Writer<rapidjson::StringBuffer>& writer, std::string_view text)
{
    // The writer refuses a null pointer, which an empty view may carry.
    writer.String(text.empty() ? "" : text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

// One compact JSON object: message, file, line, sigHash, in this order.
std::string BuildErrorPickup(const std::string& message, const ErrorContext& context)
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    writer.StartObject();
    writer.Key("message");
    WriteString(writer, message);
    writer.Key("file");
    WriteString(writer, context.file);
    writer.Key("line");
    writer.Int(context.line);
    writer.Key("sigHash");
    writer.Uint(context.sigHash);
    writer.EndObject();
    return std::string(buffer.GetString(), buffer.GetSize());
}

// A record that did not reach the disk counts as not written.
bool WriteErrorPickup(const std::string& json)
{
    std::FILE* file = platform::OpenFile(ErrorPickupPath(), "wb");
    if (!file)
        return false;
    const bool written = fprintf(file, "%s", json.c_str()) >= 0;
    return fclose(file) == 0 && written;
}
}

ErrorContext& GetErrorContext()
{
    return t_errorContext;
}

int ReportFatalErrorV(const char* file, int line, uint32_t sigHash, const char* format, fmt::printf_args args)
{
    // An error reported while this one is handled (from a trace output, say)
    // gives the context back when it is done, so this record keeps its own.
    const ErrorContext enclosing = t_errorContext;
    t_errorContext = { sigHash, line, file };
    const std::string message = FormatPrintf(format, args);
    const int result = GlobalErrorHandler(message);
    t_errorContext = enclosing;
    return result;
}

int GlobalErrorHandler(const std::string& message)
{
    ErrorData& record = GetErrorRecord();
    // The site is the one the framework's traces have always named.
    Trace("devtools-vesk", "GlobalErrorHandler", "code/client/common/Error", 294, "Error: %s\n", message);

    // A core runtime record without a latch gets the component's for this
    // error, so that the handler never follows a null pointer.
    FatalState& fatal = record.fatalState ? *record.fatalState : ComponentFatalState();

    if (record.inError || fatal.latched)
    {
        if (record.recursiveSeen)
            return ExitWithFatalError(
                ComposeRecursiveText("Recursive-recursive error: %s\n%s", message, record.recursiveMessage));

        const std::string& earlier = fatal.message.empty() ? record.originalMessage : fatal.message;
        std::string text = ComposeRecursiveText("Recursive error: %s\nOriginal error: %s", message, earlier);
        record.recursiveSeen = true;
        record.recursiveMessage = text;
        return ExitWithFatalError(text);
    }

    // inError is never cleared: every later error through this record is
    // recursive.
    record.inError = true;
    record.originalMessage = message;
    fatal.latched = true;
    fatal.message = message;
    return ExitWithFatalError(message);
}

int ExitWithFatalError(const std::string& message)
{
    using GetGameWindowFn = void* (*)();
    static GetGameWindowFn getGameWindow = nullptr;
    void* window = FindCoreExport(getGameWindow, "CoreGetGameWindow") ? getGameWindow() : nullptr;

    // An attached debugger stops here, before anything is written.
    using IsDebuggerPresentFn = bool (*)();
    static IsDebuggerPresentFn isDebuggerPresent = nullptr;
    if (FindCoreExport(isDebuggerPresent, "CoreIsDebuggerPresent") && isDebuggerPresent())
        platform::Breakpoint();

    if (WriteErrorPickup(BuildErrorPickup(message, t_errorContext)))
        return -1;

    if (CanShowErrorBox())
        platform::ShowErrorBox(window, ToUtf16(message), u"Fatal Error");
    platform::EndProcessNow(1);
}

bool CanShowErrorBox()
{
    return platform::CanShowMessageBox();
}
