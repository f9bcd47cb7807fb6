// The sandbox's component loader: the manifest read from the library file
// before mapping, the dependency check, and every way a component can fail
// to load without stopping the sandbox.
#include "ComponentLoader.h"

#include <Component.h>
#include <CoreRTConsole.h>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace
{
using namespace sandbox;

std::string Fixture(const std::string& name)
{
    return std::string(SANDBOX_FIXTURES) + "/" + name + ".so";
}

// The first bytes of a real library: its ELF header promises section headers
// past the end of the file.
std::string TruncatedLibrary()
{
    const std::string path = testing::TempDir() + "sandbox-truncated-" + std::to_string(getpid()) + ".so";
    std::ifstream in(Fixture("fixture-valid"), std::ios::binary);
    std::string head(sizeof(uint64_t) * 16, '\0');
    in.read(head.data(), std::streamsize(head.size()));
    std::ofstream(path, std::ios::binary) << head;
    return path;
}

// The warnings the loader printed since `before`.
std::vector<std::string> LoaderWarningsSince(size_t before)
{
    std::vector<std::string> warnings;
    const std::vector<corert::ConsoleMessage> messages = corert::ConsoleMessages();
    for (size_t i = before; i < messages.size(); ++i)
        if (messages[i].channel == "loader" && messages[i].warning)
            warnings.push_back(messages[i].text);
    return warnings;
}

struct BrokenLibrary
{
    const char* description;
    std::function<std::string()> path;  // made when the test runs
    const char* manifestError;  // null: the manifest is fine
    const char* loadError;
};

class BrokenLibraries : public testing::TestWithParam<BrokenLibrary>
{
};

TEST_P(BrokenLibraries, ReadManifestNamesTheProblem)
{
    const BrokenLibrary& library = GetParam();
    std::string error;
    const std::optional<ComponentManifest> manifest = ReadComponentManifest(library.path(), error);
    if (!library.manifestError)
    {
        ASSERT_TRUE(manifest) << error;
        return;
    }
    EXPECT_FALSE(manifest);
    EXPECT_NE(error.find(library.manifestError), std::string::npos) << error;
}

TEST_P(BrokenLibraries, LoadGivesOneMessageNamingTheFileAndNoComponent)
{
    const BrokenLibrary& library = GetParam();
    const std::string path = library.path();
    const size_t before = corert::ConsoleMessages().size();

    EXPECT_FALSE(LoadComponent(path));

    const std::vector<std::string> warnings = LoaderWarningsSince(before);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find(path), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find(library.loadError), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("the component is not loaded"), std::string::npos) << warnings[0];
}

INSTANTIATE_TEST_SUITE_P(
    Loader, BrokenLibraries,
    testing::Values(
        BrokenLibrary{ "MissingFile", [] { return Fixture("fixture-that-does-not-exist"); }, "cannot open the file",
                       "cannot open the file" },
        BrokenLibrary{ "NotElf", [] { return std::string(SANDBOX_FIXTURE_SOURCES) + "/valid.json"; }, "not an ELF file",
                       "not an ELF file" },
        BrokenLibrary{ "Truncated", TruncatedLibrary, "section headers missing or out of bounds",
                       "section headers missing or out of bounds" },
        BrokenLibrary{ "NoManifestSection", [] { return Fixture("fixture-no-manifest"); }, "no .qocomponent section",
                       "no manifest (no .qocomponent section)" },
        BrokenLibrary{ "MalformedJson", [] { return Fixture("fixture-malformed"); }, "malformed manifest: ",
                       "malformed manifest: " },
        BrokenLibrary{ "DependenciesNotStrings", [] { return Fixture("fixture-wrong-types"); },
                       "\"dependencies\" must be an array of strings", "\"dependencies\" must be an array of strings" },
        BrokenLibrary{ "DoesNotMap", [] { return Fixture("fixture-unresolved"); }, nullptr, "cannot map the library" },
        BrokenLibrary{ "NoCreateComponent", [] { return Fixture("fixture-no-entry"); }, nullptr,
                       "no CreateComponent export" }),
    [](const testing::TestParamInfo<BrokenLibrary>& info) { return std::string(info.param.description); });

TEST(Loader, ReadsTheComponentsManifestWithoutMappingIt)
{
    std::string error;
    const std::optional<ComponentManifest> manifest = ReadComponentManifest(COMPONENT_LIBRARY, error);
    ASSERT_TRUE(manifest) << error;
    EXPECT_EQ(manifest->name, "devtools:vesk");
    EXPECT_EQ(manifest->version, "0.1.0");
    EXPECT_EQ(manifest->dependencies.size(), 12u);
    EXPECT_EQ(MissingDependencies(*manifest),
              (std::vector<std::string>{ "nym:streaming", "nym:mission-cleanup", "lorn:resources:core",
                                         "lorn:scripting:core", "lorn:resources:client", "net" }));

    // Reading the manifest ran none of the library's code.
    void* mapped = dlopen(COMPONENT_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(mapped, nullptr);
    if (mapped)
        dlclose(mapped);
}

TEST(Loader, CreatesReferencesAndStartsAComponentWhoseDependenciesAreProvided)
{
    const size_t before = corert::ConsoleMessages().size();
    const std::optional<LoadedComponent> loaded = LoadComponent(Fixture("fixture-valid"));
    ASSERT_TRUE(loaded);

    EXPECT_EQ(loaded->manifest.name, "fixture:valid");
    EXPECT_EQ(loaded->manifest.version, "1.2.3");
    EXPECT_EQ(loaded->component->GetRefCount(), 1);
    const auto* starts = static_cast<int*>(dlsym(loaded->library, "fixtureStarts"));
    ASSERT_NE(starts, nullptr);
    EXPECT_EQ(*starts, 1);

    const std::vector<corert::ConsoleMessage> messages = corert::ConsoleMessages();
    ASSERT_EQ(messages.size(), before + 1);
    EXPECT_EQ(messages.back().text, "fixture:valid 1.2.3 started (" + Fixture("fixture-valid") + ").\n");
}

TEST(Loader, NamesDependenciesItDoesNotSimulateAndLoadsAnyway)
{
    const size_t before = corert::ConsoleMessages().size();
    const std::optional<LoadedComponent> loaded = LoadComponent(Fixture("fixture-unknown-dependency"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->component->GetRefCount(), 1);

    const std::vector<corert::ConsoleMessage> messages = corert::ConsoleMessages();
    ASSERT_EQ(messages.size(), before + 2);
    EXPECT_FALSE(messages[before].warning);
    EXPECT_EQ(messages[before].text,
              "fixture:unknown-dependency depends on lorn:telemetry, net, which the sandbox does not simulate.\n");
}
}
