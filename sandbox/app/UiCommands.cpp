// The UI commands: a user's clicks, drags, typing and keys in a window
// (by default the Timecycle Editor), through the UI driver, and what the last
// frame showed.
#include "CommandSupport.h"
#include "Sandbox.h"

#include <ConHostControl.h>
#include <UiDriver.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

namespace sandbox
{
namespace
{
using Action = std::function<void(uidriver::UiDriver&, int index)>;

// Runs a driver action on the widget named by the command; an optional last
// argument picks one of several widgets with the label.
bool RunOnWidget(Sandbox& sandbox, ConsoleExecutionContext& context, size_t fixedArguments, const Action& action)
{
    int index = uidriver::UiDriver::kUnique;
    if (context.arguments.Count() > fixedArguments)
    {
        const std::optional<int> parsed = ParseInteger(context.arguments[fixedArguments]);
        if (!parsed || *parsed < 0)
            return Fail(context,
                        "the widget index must be 0 or more, not \"" + context.arguments[fixedArguments] + "\"");
        index = *parsed;
    }
    try
    {
        sandbox.Act([&](uidriver::UiDriver& ui) { action(ui, index); });
    }
    catch (const std::exception& error)
    {
        return Fail(context, error.what());
    }
    return true;
}

std::string Describe(const uidriver::UiItem& item)
{
    std::string text = item.label.empty() ? fmt::format("(id {:08x})", item.id) : "\"" + item.label + "\"";
    text += fmt::format(" at ({:.0f}, {:.0f}) size {:.0f} x {:.0f}", item.rect.Min.x, item.rect.Min.y,
                        item.rect.GetWidth(), item.rect.GetHeight());
    if (item.Checked())
        text += " checked";
    if (item.highlighted)
        text += " highlighted";
    if (item.Disabled())
        text += " disabled";
    return text;
}

// The driver records only the frames it runs.
void EnsureRecordedFrame(Sandbox& sandbox)
{
    if (!sandbox.LastFrameByDriver())
        sandbox.Act([](uidriver::UiDriver& ui) { ui.Frame(); });
}
}

void AddUiCommands(Sandbox& sandbox)
{
    sandbox.AddCommand("ui_window", 0, [&sandbox](ConsoleExecutionContext&) {
        Say("UI commands act in \"%s\"\n", sandbox.uiWindow);
        return true;
    });
    sandbox.AddCommand("ui_window", 1, [&sandbox](ConsoleExecutionContext& context) {
        sandbox.uiWindow = context.arguments[0];
        return true;
    });

    sandbox.AddCommand("ui_click", 1, [&sandbox](ConsoleExecutionContext& context) {
        return RunOnWidget(sandbox, context, 1, [&](uidriver::UiDriver& ui, int index) {
            ui.Click(sandbox.uiWindow, context.arguments[0], index);
        });
    });
    for (size_t count : { 1, 2 })
    {
        sandbox.AddCommand("ui_doubleclick", count, [&sandbox](ConsoleExecutionContext& context) {
            return RunOnWidget(sandbox, context, 1, [&](uidriver::UiDriver& ui, int index) {
                ui.DoubleClick(sandbox.uiWindow, context.arguments[0], index);
            });
        });
        sandbox.AddCommand("ui_rightclick", count, [&sandbox](ConsoleExecutionContext& context) {
            return RunOnWidget(sandbox, context, 1, [&](uidriver::UiDriver& ui, int index) {
                ui.RightClick(sandbox.uiWindow, context.arguments[0], index);
            });
        });
    }

    // "ui_click LABEL I", and "ui_click --ctrl LABEL [I]" and "ui_click
    // --shift LABEL [I]": the click with the key held, as the browser's list
    // takes several rows.
    for (size_t count : { 2, 3 })
    {
        sandbox.AddCommand("ui_click", count, [&sandbox, count](ConsoleExecutionContext& context) {
            const std::string& key = context.arguments[0];
            if (key != "--ctrl" && key != "--shift")
            {
                // Two words without a key: a label and an index.
                if (count == 2)
                    return RunOnWidget(sandbox, context, 1, [&](uidriver::UiDriver& ui, int index) {
                        ui.Click(sandbox.uiWindow, context.arguments[0], index);
                    });
                return Fail(context, "ui_click: the key held must be --ctrl or --shift, not \"" + key + "\"");
            }
            const uidriver::UiDriver::HeldKeys keys{ key == "--ctrl", key == "--shift" };
            return RunOnWidget(sandbox, context, 2, [&](uidriver::UiDriver& ui, int index) {
                ui.Click(sandbox.uiWindow, context.arguments[1], keys, index);
            });
        });
    }

    // A button held across frames (and commands) until ui_release, e.g.
    // "Compare".
    for (size_t count : { 1, 2 })
    {
        sandbox.AddCommand("ui_press", count, [&sandbox](ConsoleExecutionContext& context) {
            return RunOnWidget(sandbox, context, 1, [&](uidriver::UiDriver& ui, int index) {
                ui.Press(sandbox.uiWindow, context.arguments[0], index);
            });
        });
    }
    sandbox.AddCommand("ui_release", 0, [&sandbox](ConsoleExecutionContext& context) {
        return RunOnWidget(sandbox, context, 0, [](uidriver::UiDriver& ui, int) { ui.Release(); });
    });

    for (size_t count : { 2, 3 })
    {
        sandbox.AddCommand("ui_type", count, [&sandbox](ConsoleExecutionContext& context) {
            return RunOnWidget(sandbox, context, 2, [&](uidriver::UiDriver& ui, int index) {
                ui.Type(sandbox.uiWindow, context.arguments[0], context.arguments[1], index);
            });
        });
        sandbox.AddCommand("ui_enter", count, [&sandbox](ConsoleExecutionContext& context) {
            return RunOnWidget(sandbox, context, 2, [&](uidriver::UiDriver& ui, int index) {
                ui.EnterValue(sandbox.uiWindow, context.arguments[0], context.arguments[1], index);
            });
        });
        sandbox.AddCommand("ui_drag", count, [&sandbox](ConsoleExecutionContext& context) {
            const std::optional<float> dx = ParseNumber(context.arguments[1]);
            if (!dx)
                return Fail(context, "ui_drag: DX must be a number of pixels, not \"" + context.arguments[1] + "\"");
            return RunOnWidget(sandbox, context, 2, [&](uidriver::UiDriver& ui, int index) {
                ui.Drag(sandbox.uiWindow, context.arguments[0], ImVec2(*dx, 0.0f), index);
            });
        });
    }

    sandbox.AddCommand("ui_key", 1, [&sandbox](ConsoleExecutionContext& context) {
        const std::string& chord = context.arguments[0];
        // F8 belongs to the console host, which the platform tells directly.
        if (chord == "f8" || chord == "F8")
        {
            conhost::ToggleConsole();
            sandbox.Frames(1);
            return true;
        }
        return RunOnWidget(sandbox, context, 1, [&](uidriver::UiDriver& ui, int) { ui.Key(chord); });
    });

    sandbox.AddCommand("ui_items", 0, [&sandbox](ConsoleExecutionContext&) {
        EnsureRecordedFrame(sandbox);
        int listed = 0;
        for (const uidriver::UiItem& item : sandbox.Ui().Items())
        {
            if (sandbox.uiWindow != item.TopWindowName())
                continue;
            Say("%s\n", Describe(item));
            ++listed;
        }
        Say("%d widgets in \"%s\"\n", listed, sandbox.uiWindow);
        return true;
    });

    sandbox.AddCommand("ui_texts", 0, [&sandbox](ConsoleExecutionContext&) {
        EnsureRecordedFrame(sandbox);
        for (const std::string& line : sandbox.Ui().Texts(sandbox.uiWindow))
            Say("%s\n", line);
        return true;
    });

    // Frames run until a text of the UI window holds TEXT: a script waits for
    // what it needs (a popup that comes once work off the frame is done), not
    // for a set time that a loaded machine may not keep.
    sandbox.AddCommand("ui_wait_text", 2, [&sandbox](ConsoleExecutionContext& context) {
        const std::string& wanted = context.arguments[0];
        const std::optional<int> ms = ParseInteger(context.arguments[1]);
        if (!ms || *ms < 0)
            return Fail(context, "ui_wait_text: MS must be 0 or more milliseconds, not \"" + context.arguments[1] + "\"");
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(*ms);
        for (;;)
        {
            sandbox.Act([](uidriver::UiDriver& ui) { ui.Frame(); });
            for (const std::string& line : sandbox.Ui().Texts(sandbox.uiWindow))
                if (line.find(wanted) != std::string::npos)
                    return true;
            if (std::chrono::steady_clock::now() >= end)
                return Fail(context, "ui_wait_text: no text with \"" + wanted + "\" in \"" + sandbox.uiWindow +
                                         "\" within " + context.arguments[1] + " ms");
        }
    });

    sandbox.AddCommand("clipboard", 0, [](ConsoleExecutionContext&) {
        const char* text = ImGui::GetClipboardText();
        Say("%s\n", text ? text : "");
        return true;
    });

    // A file's text onto the clipboard, for scripts that paste.
    sandbox.AddCommand("clipboard_load", 1, [&sandbox](ConsoleExecutionContext& context) {
        std::ifstream file(context.arguments[0], std::ios::binary);
        if (!file)
            return Fail(context, "clipboard_load: cannot read " + context.arguments[0]);
        const std::string text{ std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
        if (file.bad())
            return Fail(context, "clipboard_load: cannot read " + context.arguments[0]);
        // The UI commands' clipboard is the one "Paste XML" reads from then on.
        sandbox.Ui();
        ImGui::SetClipboardText(text.c_str());
        Say("%d bytes of %s on the clipboard\n", static_cast<int>(text.size()), context.arguments[0]);
        return true;
    });
}
}
