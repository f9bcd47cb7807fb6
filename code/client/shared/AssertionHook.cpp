// The assertion hook. A failed assertion is reported as a fatal error; then
// the hook returns to its caller with the processor's trap flag set, so the
// process stops with a single-step trap at the assertion's own site, where a
// debugger or the host's crash handling takes over.
#include "Assert.h"
#include "Error.h"
#include "Utils.h"

#include <string>

namespace
{
constexpr const char* kAssertionFormat = "Assertion failure: %s\nFile: %s, Line: %d";
static_assert(HashSignature(kAssertionFormat) == 0x95AC4FDA);
// Every assertion is reported from here, under the path the framework's
// reports have always given the hook; its own site is in the message.
constexpr ErrorSite kAssertionSite{ "code/client/shared/Utils.Win32", 99999 };
}

// The report proper, entered from AssertionFailed below.
extern "C" void ReportAssertionFailure(const char16_t* expression, const char16_t* file, unsigned line)
{
    const std::string path = ToUtf8(file);
    const std::string expressionText = ToUtf8(expression);
    ReportFatalError(kAssertionSite.file, kAssertionSite.line, 0x95AC4FDA, kAssertionFormat, expressionText, path,
                     line);
}

// The hook's entry and its return path. The caller's return address stays
// parked in the hook's own stack frame while the report runs: a slot per
// call, so an assertion that fails during the report cannot overwrite it, and
// no per-thread slot of the system's is borrowed. The report then returns
// into the trampoline, which sets the trap flag and returns to the parked
// address, so the trap fires at the caller's next instruction. Only rax is
// touched before the report, and the frame keeps 32 bytes above the report's
// return address, so the arguments pass through unchanged under both x86-64
// calling conventions (the Microsoft one spills into those bytes).
__attribute__((naked)) void AssertionFailed(const char16_t*, const char16_t*, unsigned)
{
    // The unwind information says what the prologue did, so a stack walk
    // from inside the report (a host's crash handler makes one) passes
    // through this frame: Windows' tables (.seh_*) or DWARF's (.cfi_*).
    asm(".intel_syntax noprefix\n"
#ifdef _WIN32
        ".seh_proc AssertionFailedEntry\n"
#endif
        "AssertionFailedEntry:\n" // the hooks below jump here, whatever the ABI's name for this function
        "sub rsp, 40\n" // room for the report's spills; keeps the stack 16-byte aligned
#ifdef _WIN32
        ".seh_stackalloc 40\n"
        ".seh_endprologue\n"
#else
        ".cfi_adjust_cfa_offset 40\n"
#endif
        "lea rax, [rip + ReturnWithTrapFlag]\n"
        "push rax\n"
#ifndef _WIN32
        ".cfi_adjust_cfa_offset 8\n"
#endif
        "jmp ReportAssertionFailure\n"
        "ReturnWithTrapFlag:\n"
#ifndef _WIN32
        ".cfi_adjust_cfa_offset -8\n"
#endif
        "add rsp, 40\n" // back to the parked return address
#ifndef _WIN32
        ".cfi_adjust_cfa_offset -40\n"
#endif
        "pushfq\n"
        "or qword ptr [rsp], 0x100\n"
        "popfq\n"
        "ret\n"
#ifdef _WIN32
        ".seh_endproc\n"
#endif
        ".att_syntax prefix\n");
}

#ifdef _WIN32
// The C runtime's wide assertion hook, replaced inside the component: the
// standard assert (built with UNICODE) calls _wassert through its import
// slot, and this module fills that slot itself, so every plain assert ends
// in AssertionFailed. The arguments already sit where AssertionFailed takes
// them; a jump keeps the hook's caller the assert's own site.
extern "C" __attribute__((naked)) void _wassert(const wchar_t*, const wchar_t*, unsigned)
{
    // A frameless function: its entry says so, and the unwinder takes the
    // return address from the top of the stack.
    asm(".seh_proc _wassert\n"
        ".seh_endprologue\n"
        "jmp AssertionFailedEntry\n"
        ".seh_endproc\n");
}

extern "C"
{
void (*__imp__wassert)(const wchar_t*, const wchar_t*, unsigned) = _wassert;
}
#else
#include <cassert>

namespace
{
struct WideAssertion
{
    const char16_t* expression;
    const char16_t* file;
};

// Kept until the thread's next assertion, long enough for the hook.
thread_local std::u16string t_wideExpression;
thread_local std::u16string t_wideFile;
}

extern "C" WideAssertion WidenAssertion(const char* expression, const char* file)
{
    t_wideExpression = ToUtf16(expression);
    t_wideFile = ToUtf16(file);
    return { t_wideExpression.c_str(), t_wideFile.c_str() };
}

// The C library's assertion hook, replaced inside the component (the build
// hides the symbol), so that every plain assert ends in AssertionFailed. It
// jumps there rather than calling, so the hook's caller stays the assert's
// own site.
extern "C" __attribute__((naked)) void __assert_fail(const char*, const char*, unsigned int, const char*) noexcept
{
    asm(".intel_syntax noprefix\n"
        "push rdx\n"              // the line; also aligns the stack for the call
        "call WidenAssertion\n"   // returns the UTF-16 expression and path in rax, rdx
        "mov rdi, rax\n"
        "mov rsi, rdx\n"
        "pop rdx\n"
        "jmp AssertionFailedEntry\n"
        ".att_syntax prefix\n");
}
#endif
