#include "LaunchSetup.h"

#include <Platform.h>
#include <Utils.h>

#include <filesystem>
#include <system_error>

namespace sandbox
{
namespace
{
constexpr const char* kInitStateObject = "KelInitState";

template<size_t N>
bool StoreText(char16_t (&array)[N], std::u16string_view text)
{
    if (text.size() >= N)
        return false;
    std::copy(text.begin(), text.end(), array);
    array[text.size()] = u'\0';
    return true;
}
}

LaunchSetup::LaunchSetup()
    : m_block(OpenInitState(kInitStateObject))
{
    const std::filesystem::path executable(ToUtf8(platform::GetExecutablePath()));
    m_moduleFolder = executable.parent_path().string() + "/";
    const char* chosenRoot = platform::GetEnvironment("VESK_SANDBOX_ROOT");
    m_installRoot = chosenRoot && *chosenRoot ? std::string(chosenRoot) + "/" : m_moduleFolder;

    // This launch's values win over whatever an earlier launch left in the
    // block: the root is ours, and the pure level comes from our own command
    // line.
    if (!StoreText(m_block->rootPath, ToUtf16(m_installRoot)))
        m_problem = "the install root is too long for the init-state block";
    m_block->commandLine[0] = u'\0';
    m_block->createAppFolder = 0;

    std::error_code error;
    std::filesystem::create_directories(m_installRoot + "data/cache", error);
    if (error)
        m_problem = "cannot create " + m_installRoot + "data/cache: " + error.message();

    // Our own diagnostics settle on this root now, whatever another launch
    // writes into the block later.
    GetInstallRoot();
}
}
