// The component DLL as the framework's loader and the system see it: the
// manifest resource, byte for byte as component.json, and the version
// resource.
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
// The built DLL mapped as a data file: its resources, none of its code.
class ComponentFile : public testing::Test
{
protected:
    void SetUp() override
    {
        m_module = LoadLibraryExW(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr) << "cannot map " << m_path << ": " << GetLastError();
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
    }

    std::wstring m_path = (wintest::ProgramFolder() / "devtools-vesk.dll").native();
    HMODULE m_module = nullptr;
};

std::string ResourceBytes(HMODULE module, HRSRC resource)
{
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}

TEST_F(ComponentFile, ManifestResourceHoldsComponentJsonByteForByte)
{
    HRSRC resource = FindResourceW(m_module, L"QOCOMPONENT", MAKEINTRESOURCEW(115));
    ASSERT_NE(resource, nullptr) << GetLastError();
    const std::optional<std::string> manifest = wintest::ReadBytes(COMPONENT_MANIFEST);
    ASSERT_TRUE(manifest.has_value());
    EXPECT_EQ(ResourceBytes(m_module, resource), *manifest);
}

TEST_F(ComponentFile, ManifestResourceIsUsEnglish)
{
    EXPECT_NE(FindResourceExW(m_module, MAKEINTRESOURCEW(115), L"QOCOMPONENT",
                              MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)),
              nullptr);
    EXPECT_EQ(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 1033);
    // It is the only one of its type.
    int count = 0;
    EnumResourceNamesW(
        m_module, MAKEINTRESOURCEW(115),
        [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR counter) -> BOOL {
            ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&count));
    EXPECT_EQ(count, 1);
}

// The DLL's version resource as the system's version API reads it.
class ComponentVersion : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::wstring path = (wintest::ProgramFolder() / "devtools-vesk.dll").native();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_GT(size, 0u);
        m_info.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, m_info.data()));
    }

    std::string String(const wchar_t* name)
    {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(m_info.data(), key.c_str(), &value, &length) || !value)
            return "<missing>";
        const std::wstring text(static_cast<const wchar_t*>(value));
        return std::string(text.begin(), text.end());
    }

    std::vector<char> m_info;
};

TEST_F(ComponentVersion, FixedPartIs1_0_0_38055)
{
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_info.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(38055, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(38055, 0));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
}

TEST_F(ComponentVersion, Strings)
{
    EXPECT_EQ(String(L"FileVersion"), "1.0.0.38055");
    EXPECT_EQ(String(L"ProductVersion"), "1.0.0.38055");
    EXPECT_EQ(String(L"InternalName"), "devtools-vesk");
    EXPECT_EQ(String(L"OriginalFilename"), "devtools-vesk.dll");
    EXPECT_EQ(String(L"FileDescription"), "devtools-vesk for Tarn");
}

TEST_F(ComponentVersion, OneTranslationUsEnglishUnicode)
{
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_info.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    WORD translation[2];
    memcpy(translation, value, sizeof(translation));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}
}
