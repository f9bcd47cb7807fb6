// Loads components the way the framework's loader does: the manifest is read
// from the library file first, its dependencies are checked against what the
// sandbox provides, and only then is the library mapped, its component
// created, referenced and started.
#pragma once

#include <optional>
#include <string>
#include <vector>

class Component;

namespace sandbox
{
struct ComponentManifest
{
    std::string name;
    std::string version;
    std::vector<std::string> dependencies;
};

// The manifest in the library's .qocomponent section, or none with `error`
// saying what is missing or malformed.
std::optional<ComponentManifest> ReadComponentManifest(const std::string& libraryPath, std::string& error);

// The framework pieces the sandbox stands in for ("qo[2]", "conhost", ...).
const std::vector<std::string>& ProvidedDependencies();
// The dependencies of a manifest that the sandbox does not simulate.
std::vector<std::string> MissingDependencies(const ComponentManifest& manifest);

struct LoadedComponent
{
    std::string path;
    ComponentManifest manifest;
    void* library = nullptr;
    Component* component = nullptr;
};

// Loads and starts one component, printing on the console what it did. A
// missing or malformed manifest, a library that does not map or has no
// CreateComponent gives a message naming the file and no component; the
// caller goes on without it. Dependencies that are not simulated are named
// but do not stop the load.
std::optional<LoadedComponent> LoadComponent(const std::string& libraryPath);

// At the end of the run: Stop, then Release the loader's reference. The
// library stays mapped: its handlers stay connected to the host's events.
void StopComponent(LoadedComponent& loaded);
}
