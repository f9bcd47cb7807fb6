#include "DiagnosticsSupport.h"

#include "CoreRTDiagnostics.h"

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace diagtest
{
fs::path PickupPath()
{
    return InstallRoot() / "data" / "cache" / "error-pickup";
}

void PreparePickupFolder()
{
    fs::create_directories(PickupPath().parent_path());
    fs::remove(PickupPath());
}

void RemovePickupFolder()
{
    fs::remove_all(InstallRoot() / "data");
}

std::string ReadPickup()
{
    std::ifstream file(PickupPath(), std::ios::binary);
    if (!file)
        return "<no error-pickup file>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void DiagnosticsTest::SetUp()
{
    corert::ResetErrorRecord();
    corert::SetErrorDataProvided(true);
    corert::SetDebuggerPresent(false);
    corert::ClearTraces();
    PreparePickupFolder();
}
}
