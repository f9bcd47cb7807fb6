// The diagnostics tests' helpers on Windows: the install root in a temporary
// folder that this process keeps in its init-state block, and standard error
// through a temporary file.
#include "DiagnosticsSupport.h"

#include "LaunchEnvironment.h"
#include "Utils.h"
#include "WindowsTestSupport.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace fs = std::filesystem;

namespace diagtest
{
namespace
{
// Death-test children are new processes: the parent keeps the block open
// with the root in it, and a child reads the root from there.
struct PinnedRoot
{
    InitStateView block = OpenInitState("KelInitState");
    std::unique_ptr<wintest::TemporaryFolder> folder; // only in the process that made it
    fs::path root;

    PinnedRoot()
    {
        const std::u16string inherited(BlockText(block->rootPath));
        if (!inherited.empty())
        {
            root = fs::path(std::wstring(inherited.begin(), inherited.end()));
            return;
        }
        folder = std::make_unique<wintest::TemporaryFolder>();
        root = folder->Path() / "";
        const std::wstring& text = root.native();
        std::copy(text.begin(), text.end(), block->rootPath);
        block->rootPath[text.size()] = u'\0';
        EXPECT_EQ(ToUtf8(GetInstallRoot()), ToUtf8(std::u16string(text.begin(), text.end())));
    }
};
}

const fs::path& InstallRoot()
{
    static const PinnedRoot pinned;
    return pinned.root;
}

struct StderrCapture::Redirect
{
    std::wstring path;
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE savedHandle = nullptr;
    int savedStderr = -1;
};

StderrCapture::StderrCapture() : m_redirect(new Redirect)
{
    wchar_t folder[MAX_PATH];
    wchar_t name[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"vsk", 0, name);
    m_redirect->path = name;
    m_redirect->file = CreateFileW(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);

    // Both ways out: the runtime's descriptor 2 and the process's handle.
    fflush(stderr);
    m_redirect->savedStderr = _dup(2);
    HANDLE forRuntime = nullptr;
    DuplicateHandle(GetCurrentProcess(), m_redirect->file, GetCurrentProcess(), &forRuntime, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(forRuntime), _O_BINARY | _O_WRONLY);
    _dup2(fd, 2);
    _close(fd);
    m_redirect->savedHandle = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_ERROR_HANDLE, m_redirect->file);
}

StderrCapture::~StderrCapture()
{
    fflush(stderr);
    SetStdHandle(STD_ERROR_HANDLE, m_redirect->savedHandle);
    _dup2(m_redirect->savedStderr, 2);
    _close(m_redirect->savedStderr);
    CloseHandle(m_redirect->file);
    DeleteFileW(m_redirect->path.c_str());
}

std::string StderrCapture::Text() const
{
    fflush(stderr);
    return wintest::ReadBytes(m_redirect->path).value_or("");
}
}
