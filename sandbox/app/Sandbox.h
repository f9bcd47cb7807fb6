// The running sandbox: its frames, the UI driver that acts like a user in
// scripted frames, the data as loaded, and the lines of the console and of
// scripts with the sandbox's own commands.
#pragma once

#include "LoadedData.h"

#include <ConsoleCommandManager.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace uidriver
{
class UiDriver;
}

namespace sandbox
{
class Display;

class Sandbox
{
public:
    explicit Sandbox(Display& display);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // The modifiers as the data files gave them (tc_diff).
    LoadedData& Loaded() { return m_loaded; }

    // Runs one line as typed at the console. False when it failed: an
    // unknown command, wrong arguments, or a command that reported an error
    // (everything that the console shows as a warning on channel "cmd").
    bool RunLine(const std::string& line);

    // One frame of the game and its GUI, shown in the window (whose input
    // it takes; closing the window asks to quit). Then the lines typed into
    // the console run. With `waitWhenIdle`, a window that showed everything
    // there is to see first waits for input (or for a caret to blink).
    void Frame(bool waitWhenIdle = false);
    void Frames(int count);
    // Frames and a line saying what they did and how long each took.
    void TimedFrames(int count);

    Display& Screen() { return m_display; }

    // The UI driver over the sandbox's Dear ImGui context, made at first
    // use: it runs frames of its own in which it acts like a user and
    // records the widgets and texts. `Act` runs one of its actions and then
    // what it caused, as Frame does.
    uidriver::UiDriver& Ui();
    void Act(const std::function<void(uidriver::UiDriver&)>& action);
    // Whether the last frame ran through the driver, which recorded it.
    bool LastFrameByDriver() const { return m_lastFrameByDriver; }

    // Writes what the last frame showed, over the backdrop as it is now.
    bool Screenshot(const std::string& path, std::string& error);

    std::string uiWindow = "Timecycle Editor";
    bool quitRequested = false;

    // Registers a sandbox command for calls with `argumentCount` arguments.
    void AddCommand(const std::string& name, size_t argumentCount, ConsoleCommandHandler handler);

private:
    bool GameFrame();
    int IdleWaitMilliseconds() const;
    void DriverFramesDone();

    Display& m_display;
    LoadedData m_loaded;
    std::unique_ptr<uidriver::UiDriver> m_ui;
    bool m_lastFrameDrewGui = false;
    bool m_lastFrameByDriver = false;
    int m_framesToShowChange = 3;  // frames to draw before the window may wait; the first ones settle too
    std::vector<int> m_commandTokens;
};

// The sandbox's commands, by area.
void AddFrameCommands(Sandbox& sandbox);
void AddUiCommands(Sandbox& sandbox);
void AddColourCommands(Sandbox& sandbox);
void AddGameCommands(Sandbox& sandbox);
void AddTimecycleCommands(Sandbox& sandbox);
void AddDiagnosticsCommands(Sandbox& sandbox);
void AddHelpCommands(Sandbox& sandbox);
void AddWindowCommands(Sandbox& sandbox);
void AddScriptCommands(Sandbox& sandbox);

// Runs a script file's lines (ScriptRunner.h): 0 when it ran to its end, 1
// when a line failed, 2 when the file cannot be read; each said on the console.
int RunScriptFile(Sandbox& sandbox, const std::string& path);
}
