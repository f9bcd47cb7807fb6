#include "Utils.h"

#include "CoreRT.h"
#include "Error.h"
#include "ModuleThreadLocal.h"
#include "Platform.h"

#include <cstring>
#include <memory>

namespace
{
constexpr size_t kVaSlotSize = kVaMaxLength + 1;
constexpr size_t kVaSlotCount = 8;

constexpr const char* kVaOverflowFormat = "Exceeded buffer length in va()!";
static_assert(HashSignature(kVaOverflowFormat) == 0x81DA82D8);
constexpr ErrorSite kVaOverflowSite{ "code/client/shared/Utils", 76 };

// This thread's va ring: one block for all slots, made on the first call.
struct VaRing
{
    std::unique_ptr<char[]> block;
    size_t next = 0; // the slot the next call fills
};
VaRing& ThisThreadsVaRing()
{
    static ModuleThreadLocal<VaRing> rings;
    return rings.Get();
}

// Stops the process with an access violation at a fixed address, which the
// host's crash handling recognises and takes over at this site. The store is
// misaligned on purpose; UndefinedBehaviorSanitizer must let it fault.
[[noreturn]] __attribute__((no_sanitize("alignment"))) void FaultAtOverflowSite()
{
    volatile int* volatile target = reinterpret_cast<volatile int*>(0xDEED);
    *target = 0;
    __builtin_unreachable();
}
}

std::string FormatPrintf(const char* format, fmt::printf_args args)
{
    try
    {
        return fmt::vsprintf(fmt::string_view(format), args);
    }
    catch (const fmt::format_error& error)
    {
        return fmt::sprintf("fmt::format_error while formatting %s: %s\n", format, error.what());
    }
}

const char* vva(const char* format, fmt::printf_args args)
{
    VaRing& ring = ThisThreadsVaRing();
    if (!ring.block)
        ring.block = std::make_unique<char[]>(kVaSlotSize * kVaSlotCount); // zero-filled

    const std::string text = FormatPrintf(format, args);
    if (text.size() > kVaMaxLength)
    {
        ReportFatalError(kVaOverflowSite.file, kVaOverflowSite.line, 0x81DA82D8, kVaOverflowFormat);
        FaultAtOverflowSite();
    }

    char* slot = ring.block.get() + ring.next * kVaSlotSize;
    memcpy(slot, text.c_str(), text.size() + 1);
    ring.next = (ring.next + 1) % kVaSlotCount;
    return slot;
}

void TraceV(const char* channel, const char* function, const char* file, int line, const char* format,
            fmt::printf_args args)
{
    const std::string message = FormatPrintf(format, args);

    using CoreTraceFn = void (*)(const char* channel, const char* function, const char* file, int line,
                                 const char* message);
    static CoreTraceFn coreTrace = nullptr;
    if (FindCoreExport(coreTrace, "CoreTrace"))
        coreTrace(channel, function, file, line, message.c_str());

    using IsDebuggerPresentFn = bool (*)();
    static IsDebuggerPresentFn isDebuggerPresent = nullptr;
    const bool debuggerAttached = FindCoreExport(isDebuggerPresent, "CoreIsDebuggerPresent") && isDebuggerPresent();
    platform::PrintForDebugger(message.c_str(), message.size(), debuggerAttached);

    // The game's own executable may take the asynchronous trace; the core
    // runtime's is the fallback.
    using AsyncTraceFn = void (*)(const char* message);
    static AsyncTraceFn asyncTrace = nullptr;
    if (!asyncTrace)
        asyncTrace = platform::FindExportAs<AsyncTraceFn>(platform::GetMainModule(), "AsyncTrace");
    if (FindCoreExport(asyncTrace, "AsyncTrace"))
        asyncTrace(message.c_str());
}
