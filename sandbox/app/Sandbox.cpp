#include "Sandbox.h"

#include "ArgumentCompletion.h"
#include "Display.h"

#include <ConHostControl.h>
#include <ConsolePrint.h>
#include <CoreRTConsole.h>
#include <TimecycleControl.h>
#include <UiDriver.h>

#include <fmt/format.h>

#include <chrono>
#include <optional>

namespace sandbox
{
namespace
{
std::optional<int> VariableId(const std::string& name)
{
    const int count = TimecycleManager::GetConfigVarInfoCount();
    for (int id = 0; id < count; ++id)
    {
        const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(id);
        const char* infoName = info ? TimecycleManager::GetVarInfoName(*info) : nullptr;
        if (infoName && name == infoName)
            return info->varId;
    }
    return std::nullopt;
}

// Replaces {hash:NAME} with the modifier's name hash as the editor writes it
// in widget ids (lower-case hex) and {var:NAME} with the variable's id.
std::optional<std::string> ExpandNames(const std::string& line, std::string& error)
{
    std::string result;
    size_t position = 0;
    while (true)
    {
        const size_t open = line.find('{', position);
        const size_t close = open == std::string::npos ? open : line.find('}', open);
        if (close == std::string::npos)
            break;
        const std::string_view inside(line.data() + open + 1, close - open - 1);
        std::optional<std::string> replacement;
        if (inside.starts_with("hash:"))
        {
            const std::string name(inside.substr(5));
            tcModifier* modifier = timecycle::FindModifier(name);
            if (!modifier)
            {
                error = "no modifier named " + name + " for {hash:" + name + "}";
                return std::nullopt;
            }
            replacement = fmt::format("{:x}", modifier->nameHash);
        }
        else if (inside.starts_with("var:"))
        {
            const std::string name(inside.substr(4));
            const std::optional<int> id = VariableId(name);
            if (!id)
            {
                error = "no timecycle variable named " + name + " for {var:" + name + "}";
                return std::nullopt;
            }
            replacement = std::to_string(*id);
        }

        result.append(line, position, open - position);
        result += replacement ? *replacement : line.substr(open, close - open + 1);
        position = close + 1;
    }
    result.append(line, position);
    return result;
}
}

Sandbox::Sandbox(Display& display)
    : m_display(display)
{
    conhost::SetLineRunner([this](const std::string& line) { RunLine(line); });
    AddFrameCommands(*this);
    AddUiCommands(*this);
    AddColourCommands(*this);
    AddGameCommands(*this);
    AddTimecycleCommands(*this);
    AddDiagnosticsCommands(*this);
    AddHelpCommands(*this);
    AddWindowCommands(*this);
    AddScriptCommands(*this);
    conhost::SetArgumentCompleter(CompleteArgument);
}

Sandbox::~Sandbox()
{
    for (int token : m_commandTokens)
        corert::CommandManager().Unregister(token);
    conhost::SetLineRunner([](const std::string& line) { corert::CommandManager().Invoke(line); });
    conhost::SetArgumentCompleter({});
}

void Sandbox::AddCommand(const std::string& name, size_t argumentCount, ConsoleCommandHandler handler)
{
    m_commandTokens.push_back(corert::CommandManager().Register(name, "sandbox", handler, argumentCount));
}

bool Sandbox::RunLine(const std::string& line)
{
    std::string error;
    const std::optional<std::string> expanded = ExpandNames(line, error);
    if (!expanded)
    {
        PrintWarning("cmd", "%s\n", error);
        return false;
    }

    const size_t before = corert::ConsoleMessageCount();
    corert::CommandManager().Invoke(*expanded);
    for (const corert::ConsoleMessage& message : corert::ConsoleMessagesFrom(before))
        if (message.warning && message.channel == "cmd")
            return false;
    return true;
}

// What the game does every frame, whether or not a GUI is drawn: time passes
// for the transition modifier. True when the picture changed.
bool Sandbox::GameFrame()
{
    return timecycle::AdvanceTransition(ImGui::GetIO().DeltaTime);
}

uidriver::UiDriver& Sandbox::Ui()
{
    if (!m_ui)
        m_ui = std::make_unique<uidriver::UiDriver>(
            [this] {
                GameFrame();
                conhost::DrawGui(conhost::ComponentsWantGui());
            },
            uidriver::UiContext::Current);
    return *m_ui;
}

void Sandbox::Act(const std::function<void(uidriver::UiDriver&)>& action)
{
    uidriver::UiDriver& ui = Ui();
    const int framesBefore = ui.FrameCount();
    try
    {
        action(ui);
    }
    catch (...)
    {
        if (ui.FrameCount() != framesBefore)
            DriverFramesDone();
        throw;
    }
    if (ui.FrameCount() != framesBefore)
        DriverFramesDone();
}

void Sandbox::DriverFramesDone()
{
    m_lastFrameByDriver = true;
    m_lastFrameDrewGui = true;
    if (!m_display.IsHeadless())
        m_display.Show(ImGui::GetDrawData());
    conhost::RunTypedLines();
}

// After input or a change Dear ImGui needs a few frames to settle (hover,
// windows sizing to their contents); then nothing moves but a text field's
// caret, which blinks at 0.4 s.
int Sandbox::IdleWaitMilliseconds() const
{
    constexpr int kCaretMilliseconds = 400;
    constexpr int kIdleMilliseconds = 1000;
    if (m_framesToShowChange > 0)
        return 0;
    return ImGui::GetIO().WantTextInput ? kCaretMilliseconds : kIdleMilliseconds;
}

void Sandbox::Frame(bool waitWhenIdle)
{
    constexpr int kFramesToSettle = 3;
    const size_t messagesBefore = corert::ConsoleMessageCount();
    if (!m_display.IsHeadless())
    {
        bool hadInput = false;
        if (!m_display.PumpEvents(conhost::ToggleConsole, waitWhenIdle ? IdleWaitMilliseconds() : 0, hadInput))
            quitRequested = true;
        if (hadInput)
            m_framesToShowChange = kFramesToSettle;
        m_display.BeginPlatformFrame();
        // A button held by ui_press stays down over the real mouse.
        if (m_ui)
            m_ui->KeepHeld();
    }
    const bool gameMoved = GameFrame();
    m_lastFrameDrewGui = conhost::RunFrame();
    m_lastFrameByDriver = false;
    if (!m_display.IsHeadless())
        m_display.Show(m_lastFrameDrewGui ? ImGui::GetDrawData() : nullptr);
    conhost::RunTypedLines();

    if (gameMoved || corert::ConsoleMessageCount() != messagesBefore)
        m_framesToShowChange = kFramesToSettle;
    else if (m_framesToShowChange > 0)
        --m_framesToShowChange;
}

void Sandbox::Frames(int count)
{
    for (int i = 0; i < count && !quitRequested; ++i)
        Frame();
}

void Sandbox::TimedFrames(int count)
{
    const auto start = std::chrono::steady_clock::now();
    Frames(count);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (count <= 0)
        return;
    if (m_display.IsHeadless())
        Printf("sandbox", "%d frames, %.3f ms each (headless: the game and the GUI ran, nothing was drawn)\n", count,
               took.count() / count);
    else
        Printf("sandbox", "%d frames drawn in the window, %.3f ms each\n", count, took.count() / count);
}

bool Sandbox::Screenshot(const std::string& path, std::string& error)
{
    return m_display.Screenshot(m_lastFrameDrewGui ? ImGui::GetDrawData() : nullptr, path, error);
}
}
