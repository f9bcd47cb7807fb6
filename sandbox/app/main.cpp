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

#include <cstdio>
#include <fstream>
#include <iostream>

namespace
{
using namespace sandbox;

constexpr const char* kChannel = "sandbox";
// Window positions and sizes, in Dear ImGui's settings format, for a
// 1600 x 1000 display.
constexpr const char* kWindowLayout = "[Window][Timecycle Editor]\nPos=30,30\nSize=1200,580\n"
                                       "[Window][Console]\nPos=0,660\nSize=1600,340\n";
// The components the sandbox loads from its folder, in order.
const char* const kComponents[] = { "devtools-vesk" };

void LoadGameData(Sandbox& sandbox, const std::string& folder)
{
    timecycle::ResetManager();
    const timecycle::LoadReport report = timecycle::LoadDataFolder(folder);
    for (const timecycle::LoadMessage& message : report.messages)
        PrintWarning(kChannel, "%s:%d: %s\n", message.file, message.line, message.text);
    Printf(kChannel, "timecycle data from %s: %d variables, %d modifiers\n", folder, report.variablesLoaded,
           report.modifiersLoaded);
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

int RunScriptFile(Sandbox& sandbox, const std::string& path)
{
    std::ifstream file(path);
    if (!file)
    {
        PrintWarning(kChannel, "cannot open the script %s\n", path);
        return 1;
    }
    const ScriptResult result = RunScript(
        file,
        [&](const std::string& line) {
            Printf("script", "%s\n", line);
            return sandbox.RunLine(line);
        },
        [&] { return sandbox.quitRequested; });
    if (!result.succeeded)
    {
        PrintWarning(kChannel, "%s:%d: the script stops here: %s\n", path, result.failedLine, result.failedText);
        return 1;
    }
    return 0;
}

int Run(const SandboxOptions& options)
{
    LaunchSetup launch;
    if (!launch.Problem().empty())
        PrintWarning(kChannel, "%s\n", launch.Problem());
    Printf(kChannel, "install root %s\n", launch.InstallRoot());

    // "+set" values are in place before any component declares its variables.
    corert::ApplyLaunchArguments(options.arguments);

    ImGui::CreateContext();
    // Every run starts from the same layout, as a game's settings would give
    // it: the editor on top, the console along the bottom.
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::LoadIniSettingsFromMemory(kWindowLayout);
    ImGui::StyleColorsDark();

    int status = 0;
    {
        std::string note;
        std::unique_ptr<Display> display = Display::Open(options.headless, note);
        if (!note.empty())
            Printf(kChannel, "%s\n", note);
        if (!display)
        {
            ImGui::DestroyContext();
            return 1;
        }

        Sandbox sandbox(*display);
        LoadGameData(sandbox, options.dataFolder);

        std::vector<LoadedComponent> components;
        for (const char* name : kComponents)
        {
            const std::string path = launch.InstallRoot() + platform::ModuleFileName(name);
            if (std::optional<LoadedComponent> loaded = LoadComponent(path))
                components.push_back(std::move(*loaded));
        }

        if (!options.scriptPath.empty())
            status = RunScriptFile(sandbox, options.scriptPath);

        if (status == 0 && !sandbox.quitRequested)
        {
            if (display->IsHeadless())
            {
                if (options.frames)
                    sandbox.Frames(*options.frames);
                else if (options.scriptPath.empty())
                    ReadCommands(sandbox);
            }
            else
            {
                for (int frame = 0; !sandbox.quitRequested && (!options.frames || frame < *options.frames); ++frame)
                    sandbox.Frame();
            }
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
