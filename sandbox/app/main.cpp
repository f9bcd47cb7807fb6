// vesk-sandbox: the stand-in modules are linked in (they are loaded with the
// program, as the game's are); the components are loaded like the framework
// loads them; then frames run in a window, headless under a script, or from
// the console on standard input.
#include "ComponentLoader.h"
#include "Display.h"
#include "LaunchSetup.h"
#include "Sandbox.h"
#include "SandboxOptions.h"
#include "ScriptRunner.h"

#include <ConHostControl.h>
#include <ConsolePrint.h>
#include <CoreRTConsole.h>
#include <Platform.h>
#include <TimecycleControl.h>

#include <imgui.h>

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace
{
using namespace sandbox;

constexpr const char* kChannel = "sandbox";
// Where the editor first opens, in Dear ImGui's settings format: 1200 x 580
// where the display has room for it above the console, which docks itself
// along the bottom of the display.
std::string WindowLayout(ImVec2 display)
{
    const int width = std::clamp(int(display.x) - 60, 1020, 1200);
    const int height = std::clamp(int(display.y * 0.66f) - 60, 400, 580);
    return fmt::format("[Window][Timecycle Editor]\nPos=30,30\nSize={},{}\n", width, height);
}

// The components the sandbox loads from its folder, in order.
const char* const kComponents[] = { "devtools-vesk" };

// Why the path cannot be read as a file or used as a folder, in the system's
// words; empty when it can.
std::string PathProblem(const std::string& path, bool folder)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return error.message();
    if (folder != std::filesystem::is_directory(status))
        return std::make_error_code(folder ? std::errc::not_a_directory : std::errc::is_a_directory).message();
    if (!folder)
    {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file)
            return std::strerror(errno);
        std::fclose(file);
    }
    return {};
}

// What stops the sandbox before anything loads: a data folder without its
// variable table, a script that cannot be read.
std::string StartProblem(const SandboxOptions& options)
{
    if (const std::string problem = PathProblem(options.dataFolder, true); !problem.empty())
        return "cannot use the data folder " + options.dataFolder + ": " + problem;
    const std::string table = (std::filesystem::path(options.dataFolder) / "variables.xml").string();
    if (const std::string problem = PathProblem(table, false); !problem.empty())
        return "the data folder " + options.dataFolder + " has no variable table: " + table + ": " + problem;
    if (!options.scriptPath.empty())
        if (const std::string problem = PathProblem(options.scriptPath, false); !problem.empty())
            return "cannot read the script " + options.scriptPath + ": " + problem;
    return {};
}

void LoadGameData(Sandbox& sandbox, const std::string& folder)
{
    timecycle::ResetManager();
    const timecycle::LoadReport report = timecycle::LoadDataFolder(folder);
    for (const timecycle::LoadMessage& message : report.messages)
    {
        if (message.line > 0)
            PrintWarning(kChannel, "%s:%d: %s\n", message.file, message.line, message.text);
        else
            PrintWarning(kChannel, "%s: %s\n", message.file, message.text);
    }
    Printf(kChannel, "timecycle data from %s: %d variables, %d modifiers\n", folder, report.variablesLoaded,
           report.modifiersLoaded);
    if (report.modifiersLoaded == 0)
        PrintWarning(kChannel, "no modifiers in %s: the editor has nothing to list\n",
                     (std::filesystem::path(folder) / "modifiers").string());
    for (const std::string& name : LiveModifierNames())
        sandbox.Loaded().Record(name, *timecycle::FindModifier(name));
}

// Headless without a script: commands from standard input, as typed at the
// console.
void ReadCommands(Sandbox& sandbox)
{
    std::string line;
    while (!sandbox.quitRequested && std::getline(std::cin, line))
    {
        const std::string command = ScriptCommand(line);
        if (!command.empty())
            sandbox.RunLine(command);
    }
}

int Run(const SandboxOptions& options)
{
    if (const std::string problem = StartProblem(options); !problem.empty())
    {
        std::fprintf(stderr, "vesk-sandbox: %s\n", problem.c_str());
        return 2;
    }

    LaunchSetup launch;
    if (launch.Refused())
    {
        std::fprintf(stderr, "vesk-sandbox: %s\n", launch.Problem().c_str());
        return 1;
    }
    if (!launch.Problem().empty())
        PrintWarning(kChannel, "%s\n", launch.Problem());
    Printf(kChannel, "install root %s\n", launch.InstallRoot());

    // "+set" values are in place before any component declares its variables.
    corert::ApplyLaunchArguments(options.arguments);

    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;

    int status = 0;
    {
        std::string note;
        std::unique_ptr<Display> display = Display::Open({ options.headless, options.size, options.scale }, note);
        if (!note.empty())
            Printf(kChannel, "%s\n", note);
        if (!display)
        {
            ImGui::DestroyContext();
            return 1;
        }
        // Every run starts from the same layout for its display, as a game's
        // settings would give it: the editor on top, the console along the
        // bottom.
        ImGui::LoadIniSettingsFromMemory(WindowLayout(display->Size()).c_str());

        Sandbox sandbox(*display);
        LoadGameData(sandbox, options.dataFolder);

        std::vector<LoadedComponent> components;
        for (const char* name : kComponents)
        {
            const std::string path = launch.ModuleFolder() + platform::ModuleFileName(name);
            if (std::optional<LoadedComponent> loaded = LoadComponent(path))
                components.push_back(std::move(*loaded));
        }
        launch.ModulesStarted();

        if (!options.scriptPath.empty())
            status = RunScriptFile(sandbox, options.scriptPath);

        if (status == 0 && !sandbox.quitRequested)
        {
            if (options.frames)
                sandbox.TimedFrames(*options.frames);
            else if (!display->IsHeadless())
                while (!sandbox.quitRequested)
                    sandbox.Frame(true);
            else if (options.scriptPath.empty())
                ReadCommands(sandbox);
        }
        for (LoadedComponent& component : components)
            StopComponent(component);
    }
    ImGui::DestroyContext();
    return status;
}
}

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<SandboxOptions> options =
        ParseOptions(std::vector<std::string>(argv + 1, argv + argc), VESK_DEFAULT_DATA, error);
    if (!options)
    {
        std::fprintf(stderr, "vesk-sandbox: %s\n", error.c_str());
        return 2;
    }
    if (options->help)
    {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    return Run(*options);
}
