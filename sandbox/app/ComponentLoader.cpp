#include "ComponentLoader.h"

#include "ElfSection.h"

#include <Component.h>
#include <ConsolePrint.h>

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <algorithm>
#include <dlfcn.h>

namespace sandbox
{
namespace
{
constexpr const char* kChannel = "loader";
constexpr const char* kManifestSection = ".qocomponent";

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

bool ReadStringArray(const rapidjson::Value& value, std::vector<std::string>& out)
{
    if (!value.IsArray())
        return false;
    for (const rapidjson::Value& item : value.GetArray())
    {
        if (!item.IsString())
            return false;
        out.emplace_back(item.GetString(), item.GetStringLength());
    }
    return true;
}
}

std::optional<ComponentManifest> ReadComponentManifest(const std::string& libraryPath, std::string& error)
{
    std::string sectionError;
    const std::optional<std::string> text = ReadElfSection(libraryPath, kManifestSection, sectionError);
    if (!text)
    {
        error = "no manifest (" + sectionError + ")";
        return std::nullopt;
    }

    rapidjson::Document document;
    document.Parse(text->data(), text->size());
    if (document.HasParseError())
    {
        error = std::string("malformed manifest: ") + rapidjson::GetParseError_En(document.GetParseError()) +
                " (at byte " + std::to_string(document.GetErrorOffset()) + ")";
        return std::nullopt;
    }
    if (!document.IsObject())
    {
        error = "malformed manifest: not a JSON object";
        return std::nullopt;
    }

    ComponentManifest manifest;
    const auto name = document.FindMember("name");
    if (name == document.MemberEnd() || !name->value.IsString() || name->value.GetStringLength() == 0)
    {
        error = "malformed manifest: \"name\" must be a non-empty string";
        return std::nullopt;
    }
    manifest.name = name->value.GetString();

    if (const auto version = document.FindMember("version"); version != document.MemberEnd())
    {
        if (!version->value.IsString())
        {
            error = "malformed manifest: \"version\" must be a string";
            return std::nullopt;
        }
        manifest.version = version->value.GetString();
    }

    const auto dependencies = document.FindMember("dependencies");
    if (dependencies != document.MemberEnd() && !ReadStringArray(dependencies->value, manifest.dependencies))
    {
        error = "malformed manifest: \"dependencies\" must be an array of strings";
        return std::nullopt;
    }
    return manifest;
}

const std::vector<std::string>& ProvidedDependencies()
{
    static const std::vector<std::string> provided = { "qo[2]",   "vendor:imgui", "vendor:tinyxml2-dll",
                                                       "conhost", "nym:core",     "nym:game" };
    return provided;
}

std::vector<std::string> MissingDependencies(const ComponentManifest& manifest)
{
    const std::vector<std::string>& provided = ProvidedDependencies();
    std::vector<std::string> missing;
    for (const std::string& dependency : manifest.dependencies)
        if (std::find(provided.begin(), provided.end(), dependency) == provided.end())
            missing.push_back(dependency);
    return missing;
}

std::optional<LoadedComponent> LoadComponent(const std::string& libraryPath)
{
    std::string error;
    std::optional<ComponentManifest> manifest = ReadComponentManifest(libraryPath, error);
    if (!manifest)
    {
        PrintWarning(kChannel, "%s: %s; the component is not loaded.\n", libraryPath, error);
        return std::nullopt;
    }

    const std::vector<std::string> missing = MissingDependencies(*manifest);
    if (!missing.empty())
        Printf(kChannel, "%s depends on %s, which the sandbox does not simulate.\n", manifest->name,
               JoinNames(missing));

    void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
    {
        // Copied at once: the print below looks up the console's exports,
        // and the next dlsym frees the text dlerror returned.
        const char* error = dlerror();
        const std::string reason = error ? error : "unknown error";
        PrintWarning(kChannel, "%s: cannot map the library: %s; the component is not loaded.\n", libraryPath,
                     reason);
        return std::nullopt;
    }

    using CreateComponentFn = Component* (*)();
    auto createComponent = reinterpret_cast<CreateComponentFn>(dlsym(library, "CreateComponent"));
    Component* component = createComponent ? createComponent() : nullptr;
    if (!component)
    {
        PrintWarning(kChannel, "%s: %s; the component is not loaded.\n", libraryPath,
                     createComponent ? "CreateComponent returned no component" : "no CreateComponent export");
        dlclose(library);
        return std::nullopt;
    }

    component->AddRef();
    if (!component->Start())
        PrintWarning(kChannel, "%s: the component did not start.\n", manifest->name);
    else
        Printf(kChannel, "%s %s started (%s).\n", manifest->name, manifest->version, libraryPath);

    return LoadedComponent{ libraryPath, std::move(*manifest), library, component };
}

void StopComponent(LoadedComponent& loaded)
{
    if (!loaded.component)
        return;
    if (!loaded.component->Stop())
        PrintWarning(kChannel, "%s: the component did not stop cleanly.\n", loaded.manifest.name);
    loaded.component->Release();
    loaded.component = nullptr;
}
}
