// A fatal error whose record cannot be written: the "Fatal Error" box only
// when a user can see it, then exit code 1. The session probe runs beside a
// wtsapi32.dll that answers the session query as VESK_FAKE_SESSION says.
// Windows takes a DLL from the program's folder first; Wine prefers its own
// unless the program's DLL overrides say otherwise, which the tests set for
// the session probe alone. The probe's folder has no data\cache, so no
// record can be written there.
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using wintest::OutputValue;

namespace
{
fs::path SessionFolder()
{
    return wintest::ProgramFolder() / "fake-session";
}

// Wine's per-program DLL override: the session probe loads the wtsapi32.dll
// beside it. Windows ignores the key. It stays set: it concerns this probe
// alone, and tests running side by side all want it.
class FakeSessionFixture : public testing::Test
{
protected:
    static constexpr const wchar_t* kOverrides =
        L"Software\\Wine\\AppDefaults\\windows_session_probe.exe\\DllOverrides";

    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        static const wchar_t kNative[] = L"native";
        RegSetValueExW(key, L"wtsapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNative), sizeof(kNative));
        RegCloseKey(key);
    }

    static wintest::ProcessRun RunSessionProbe(const wchar_t* action, const wchar_t* session)
    {
        return wintest::RunProcess(SessionFolder() / "windows_session_probe.exe", L"windows_session_probe",
                                   {{L"VESK_PROBE_ACTION", action}, {L"VESK_FAKE_SESSION", session}});
    }
};

using FatalErrorBox = FakeSessionFixture;

TEST_F(FatalErrorBox, ShownOnlyInAnActiveSession)
{
    struct Case
    {
        const wchar_t* session;
        const char* canShow;
    };
    const Case cases[] = {
        {L"active", "1"},
        {L"disconnected", "0"},
        // A query that fails says nothing about the session: the box is shown.
        {L"query-fails", "1"},
    };
    for (const Case& test : cases)
    {
        const wintest::ProcessRun run = RunSessionProbe(L"error-box", test.session);
        EXPECT_EQ(run.exitCode, 0u) << run.output;
        EXPECT_EQ(OutputValue(run.output, "canShow"), test.canShow) << run.output;
    }
}

TEST(FatalErrorBoxWithoutFake, WinesOwnSessionQueryLeavesTheBoxAllowed)
{
    // The probe in the build folder has no wtsapi32.dll beside it. Wine does
    // not answer the connection-state query, and an unanswered query allows
    // the box.
    const wintest::ProcessRun run = wintest::RunProcess(wintest::ProgramFolder() / "windows_probe.exe",
                                                        L"windows_probe", {{L"VESK_PROBE_ACTION", L"error-box"}});
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(OutputValue(run.output, "canShow"), "1") << run.output;
}

TEST_F(FatalErrorBox, UnwritableRecordWithoutASessionEndsWithExitCodeOne)
{
    ASSERT_FALSE(fs::exists(SessionFolder() / "data")) << "the record must have nowhere to go";
    const wintest::ProcessRun run = RunSessionProbe(L"fatal-error", L"disconnected");
    EXPECT_FALSE(run.timedOut) << "nothing may wait for a person";
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_FALSE(OutputValue(run.output, "returned").has_value()) << run.output;
    EXPECT_NE(run.output.find("Error: probe failed"), std::string::npos) << "traced first: " << run.output;
    EXPECT_FALSE(fs::exists(SessionFolder() / "data"));
}
}
