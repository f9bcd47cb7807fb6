// The Win32 platform layer: modules and exports, paths and folders, files
// with UTF-16 names, named shared memory and the environment.
#include "CoreRTControl.h"
#include "Platform.h"
#include "Utils.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace
{
std::u16string FromPath(const fs::path& path)
{
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
}

TEST(Modules, FoundByTheirWindowsFileNames)
{
    EXPECT_EQ(platform::ModuleFileName("CoreRT"), "CoreRT.dll");
    // This program uses the core runtime stand-in, so it is loaded.
    corert::TypeId("platform test");
    platform::ModuleHandle coreRT = platform::FindLoadedModule("CoreRT");
    ASSERT_NE(coreRT, nullptr);
    EXPECT_EQ(coreRT, GetModuleHandleW(L"CoreRT.dll"));
    EXPECT_EQ(platform::FindExport(coreRT, "CoreTrace"), reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"CoreRT.dll"), "CoreTrace")));
    EXPECT_EQ(platform::FindExport(coreRT, "NoSuchExport"), nullptr);
    EXPECT_EQ(platform::FindExport(nullptr, "CoreTrace"), nullptr);
}

TEST(Modules, AModuleNotLoadedIsNotLoadedByTheLookup)
{
    EXPECT_EQ(platform::FindLoadedModule("devtools-vesk"), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"devtools-vesk.dll"), nullptr);
}

TEST(Modules, MainModuleIsTheProgram)
{
    EXPECT_EQ(platform::GetMainModule(), GetModuleHandleW(nullptr));
    // The program exports nothing by this name; the core runtime does.
    EXPECT_EQ(platform::FindExport(platform::GetMainModule(), "AsyncTrace"), nullptr);
}

TEST(Paths, ExecutablePathIsTheProgramsFullPath)
{
    const std::u16string path = platform::GetExecutablePath();
    EXPECT_EQ(path, FromPath(wintest::ProgramFolder() / "windows-platform-tests.exe"));
    EXPECT_EQ(platform::kPathSeparator, u'\\');
    EXPECT_EQ(path.find(u'/'), std::u16string::npos);
}

TEST(Paths, FilesAndFolders)
{
    wintest::TemporaryFolder folder;
    const std::u16string root = FromPath(folder.Path()) + u'\\';
    const std::u16string sub = root + u"Tarn.app";

    EXPECT_TRUE(platform::PathExists(root));
    EXPECT_TRUE(platform::IsDirectory(root));
    EXPECT_FALSE(platform::PathExists(sub));

    EXPECT_EQ(platform::CreateFolder(sub), platform::CreateFolderResult::Created);
    EXPECT_TRUE(platform::IsDirectory(sub));
    EXPECT_EQ(platform::CreateFolder(sub), platform::CreateFolderResult::AlreadyExists);
    EXPECT_EQ(platform::CreateFolder(root + u"missing\\inner"), platform::CreateFolderResult::Failed);
}

TEST(Paths, WriteNewFileWritesWholeAndNeverReplaces)
{
    wintest::TemporaryFolder folder;
    const std::u16string root = FromPath(folder.Path()) + u'\\';
    std::string error;
    EXPECT_EQ(platform::WriteNewFile(root + u"out.xml", "first", error), platform::WriteFileResult::Written);
    EXPECT_EQ(platform::WriteNewFile(root + u"out.xml", "second", error), platform::WriteFileResult::AlreadyExists);
    EXPECT_EQ(wintest::ReadBytes(folder.Path() / "out.xml"), "first");
    EXPECT_FALSE(platform::PathExists(root + u"out.xml.partial"));

    EXPECT_EQ(platform::WriteNewFile(root + u"missing\\out.xml", "text", error), platform::WriteFileResult::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_NE(error.back(), '\n');
    error.clear();
    EXPECT_EQ(platform::CreateFolder(root + u"missing\\inner", &error), platform::CreateFolderResult::Failed);
    EXPECT_FALSE(error.empty());
}

TEST(Paths, OpenFileTakesUtf16Names)
{
    wintest::TemporaryFolder folder;
    const std::u16string name = u"Gr\u00FC\u00DFe \u20AC \U0001F600.txt";
    std::FILE* file = platform::OpenFile(FromPath(folder.Path()) + u'\\' + name, "wb");
    ASSERT_NE(file, nullptr);
    fputs("content", file);
    fclose(file);

    const fs::path written = folder.Path() / std::wstring(name.begin(), name.end());
    EXPECT_EQ(wintest::ReadBytes(written), "content");
    EXPECT_TRUE(platform::PathExists(FromPath(written)));
    EXPECT_FALSE(platform::IsDirectory(FromPath(written)));

    EXPECT_EQ(platform::OpenFile(FromPath(folder.Path() / "missing" / "x"), "wb"), nullptr);
}

TEST(SharedMemory, CreatedOnceAndSharedByName)
{
    const std::u16string name = u"vesk-platform-test-" + ToUtf16(std::to_string(GetCurrentProcessId()));
    platform::SharedMemory first = platform::OpenSharedMemory(name, 4096);
    ASSERT_NE(first.view, nullptr);
    EXPECT_TRUE(first.created);
    static_cast<char*>(first.view)[100] = 42;

    platform::SharedMemory second = platform::OpenSharedMemory(name, 4096);
    ASSERT_NE(second.view, nullptr);
    EXPECT_FALSE(second.created);
    EXPECT_EQ(static_cast<char*>(second.view)[100], 42);

    platform::CloseSharedMemory(first, 4096);
    platform::CloseSharedMemory(second, 4096);
    EXPECT_EQ(first.view, nullptr);
    EXPECT_EQ(first.handle, nullptr);

    // Nobody holds it any more: the next open creates it afresh.
    platform::SharedMemory again = platform::OpenSharedMemory(name, 4096);
    EXPECT_TRUE(again.created);
    EXPECT_EQ(static_cast<char*>(again.view)[100], 0);
    platform::CloseSharedMemory(again, 4096);
}

TEST(Environment, ReadThroughTheRuntime)
{
    _putenv("VESK_PLATFORM_TEST=value");
    ASSERT_NE(platform::GetEnvironment("VESK_PLATFORM_TEST"), nullptr);
    EXPECT_STREQ(platform::GetEnvironment("VESK_PLATFORM_TEST"), "value");
    EXPECT_EQ(platform::GetEnvironment("VESK_PLATFORM_TEST_MISSING"), nullptr);
}
}
