#include "ConsolePrint.h"

#include "CoreRT.h"

namespace
{
using PrintExport = void (*)(const std::string& channel, std::string_view format, fmt::printf_args arguments);

// A core runtime without the export drops the message; the next call looks
// again.
void CallPrintExport(PrintExport& slot, const char* exportName, const std::string& channel, std::string_view format,
                     fmt::printf_args arguments)
{
    if (PrintExport print = FindCoreExport(slot, exportName))
        print(std::string(channel), format, arguments);
}
}

namespace internal
{
void Printfv(const std::string& channel, std::string_view format, fmt::printf_args arguments)
{
    static PrintExport printExport;
    CallPrintExport(printExport, "Printfv", channel, format, arguments);
}

void PrintWarningv(const std::string& channel, std::string_view format, fmt::printf_args arguments)
{
    static PrintExport printWarningExport;
    CallPrintExport(printWarningExport, "PrintWarningv", channel, format, arguments);
}
}
