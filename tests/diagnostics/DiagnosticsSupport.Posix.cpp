// The diagnostics tests' helpers on POSIX: the install root in a temporary
// folder, standard error through a temporary file, and the signal reports of
// death-test children.
#include "DiagnosticsSupport.h"
#include "TrapReports.h"

#include "LaunchEnvironment.h"
#include "Utils.h"

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/ucontext.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace diagtest
{
namespace
{
// Constructed before the removal is registered, so still alive when it runs.
std::string g_rootFolder;
pid_t g_rootOwner = 0;

void RemoveInstallRoot()
{
    // Death-test children share the folder; only the process that made it
    // removes it.
    if (getpid() == g_rootOwner)
    {
        std::error_code ignored;
        fs::remove_all(g_rootFolder, ignored);
    }
}

fs::path PinInstallRoot()
{
    std::string folder = (fs::temp_directory_path() / "vesk-diagnostics-XXXXXX").string();
    if (!mkdtemp(folder.data()))
    {
        ADD_FAILURE() << "cannot create a temporary install root: " << strerror(errno);
        return {};
    }
    const std::u16string root = ToUtf16(folder + "/");

    // The block is this process's own (see __wrap_shm_open). The component
    // reads the root from it once and keeps it; death-test children inherit
    // that.
    InitStateView block = OpenInitState("KelInitState");
    root.copy(block->rootPath, root.size());
    block->rootPath[root.size()] = u'\0';
    EXPECT_EQ(ToUtf8(GetInstallRoot()), ToUtf8(root));
    block.Close();

    g_rootFolder = folder;
    g_rootOwner = getpid();
    std::atexit(RemoveInstallRoot);
    return fs::path(folder + "/");
}

const void* g_trapHook = nullptr;
bool g_continueAfterTrap = false;

void WriteText(const char* text)
{
    const ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
    (void)ignored;
}

void OnTrap(int, siginfo_t*, void* context)
{
    const auto* next = reinterpret_cast<const uint8_t*>(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP]);
    // A direct call is E8 and a 32-bit displacement from the next instruction.
    int32_t displacement = 0;
    memcpy(&displacement, next - 4, sizeof(displacement));
    const bool afterHookCall = next[-5] == 0xE8 && next + displacement == g_trapHook;
    WriteText(afterHookCall ? "trap right after a call of the hook\n" : "trap elsewhere\n");
    if (g_continueAfterTrap)
        static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_EFL] &= ~0x100; // the trap flag
    else
        raise(SIGTRAP); // the default action now ends the process
}

void OnFault(int, siginfo_t* info, void*)
{
    char text[] = "fault at 0x0000000000000000\n";
    auto address = reinterpret_cast<uintptr_t>(info->si_addr);
    for (int digit = 0; digit < 16; ++digit)
    {
        text[26 - digit] = "0123456789abcdef"[address & 0xF];
        address >>= 4;
    }
    WriteText(text);
    raise(SIGSEGV);
}

void InstallOneShotHandler(int signal, void (*handler)(int, siginfo_t*, void*))
{
    struct sigaction action{};
    action.sa_sigaction = handler;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND;
    sigaction(signal, &action, nullptr);
}
}

const fs::path& InstallRoot()
{
    static const fs::path root = PinInstallRoot();
    return root;
}

struct StderrCapture::Redirect
{
    int savedStderr;
    int file;
};

StderrCapture::StderrCapture() : m_redirect(new Redirect)
{
    char name[] = "/tmp/vesk-stderr-XXXXXX";
    m_redirect->file = mkstemp(name);
    unlink(name);
    fflush(stderr);
    m_redirect->savedStderr = dup(STDERR_FILENO);
    dup2(m_redirect->file, STDERR_FILENO);
}

StderrCapture::~StderrCapture()
{
    fflush(stderr);
    dup2(m_redirect->savedStderr, STDERR_FILENO);
    close(m_redirect->savedStderr);
    close(m_redirect->file);
}

std::string StderrCapture::Text() const
{
    fflush(stderr);
    std::string text;
    char chunk[4096];
    off_t offset = 0;
    for (ssize_t got; (got = pread(m_redirect->file, chunk, sizeof(chunk), offset)) > 0; offset += got)
        text.append(chunk, static_cast<size_t>(got));
    return text;
}

void ReportTrapSite(const void* hook)
{
    g_trapHook = hook;
    InstallOneShotHandler(SIGTRAP, OnTrap);
}

void ContinueAfterTrap(const void* hook)
{
    g_continueAfterTrap = true;
    ReportTrapSite(hook);
}

void ReportFaultAddress()
{
    InstallOneShotHandler(SIGSEGV, OnFault);
}
}
