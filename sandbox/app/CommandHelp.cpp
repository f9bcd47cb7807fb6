#include "CommandHelp.h"

#include "CommandSupport.h"

#include <fmt/format.h>

namespace sandbox
{
namespace
{
const CommandHelp kCommands[] = {
    { "help", "help [NAME]", "list every command, or give one command's usage" },
    { "set", "set NAME VALUE", "set a console variable (e.g. timecycleeditor true)" },
    { "frame", "frame [N]", "run N frames (1) and print what they took" },
    { "wait", "wait MS", "run frames for MS milliseconds, as the game runs on between actions" },
    { "screenshot", "screenshot FILE", "draw the picture (backdrop and GUI) and write it as PNG" },
    { "quit", "quit", "leave the sandbox" },
    { "script", "script FILE", "run the commands in FILE as --script does, stopping at a failing one" },
    { "window_size", "window_size WIDTHxHEIGHT", "resize the window, as a user dragging its border" },
    { "ui_windows", "ui_windows", "the display and its scale; the GUI's windows, where they stand, their scroll bars" },
    { "ui_columns", "ui_columns", "the columns of the UI window's tables: each one's room and its widest cell" },
    { "ui_window", "ui_window [NAME]", "window the UI commands act in (Timecycle Editor)" },
    { "ui_click", "ui_click [--ctrl|--shift] LABEL [INDEX]",
      "click a widget, with Ctrl or Shift held if asked; INDEX picks one of several matches" },
    { "ui_doubleclick", "ui_doubleclick LABEL [INDEX]", "double-click a widget" },
    { "ui_rightclick", "ui_rightclick LABEL [INDEX]",
      "right-click a widget; ui_click then finds the items of the context menu it opened" },
    { "ui_press", "ui_press LABEL [INDEX]",
      "press a widget and hold the button down across frames and commands (e.g. \"Compare\") until ui_release" },
    { "ui_release", "ui_release", "let go of the button ui_press holds" },
    { "ui_type", "ui_type LABEL TEXT [INDEX]", "click into a text field and type at its end" },
    { "ui_enter", "ui_enter LABEL TEXT [INDEX]", "ctrl+click a drag, type a value over it, then Enter" },
    { "ui_drag", "ui_drag LABEL DX [INDEX]", "drag a widget DX pixels to the right (left if < 0)" },
    { "ui_colour", "ui_colour LABEL R G B [INDEX]",
      "set a colour editor (\"Value 1\" in the colour popup) to a colour, as one gesture" },
    { "ui_key", "ui_key CHORD", "press a key: enter, escape, tab, up, ctrl+a, ctrl+c, ctrl+z, f8 (console), ..." },
    { "ui_items", "ui_items", "widgets of the last frame in the UI window" },
    { "ui_texts", "ui_texts", "texts of the last frame in the UI window" },
    { "ui_wait_text", "ui_wait_text TEXT MS", "run frames until a text of the UI window holds TEXT; fail after MS milliseconds" },
    { "clipboard", "clipboard", "print the clipboard (the UI commands' own once one ran)" },
    { "clipboard_load", "clipboard_load FILE", "put a file's text on the clipboard (the UI commands' own), e.g. for \"Paste XML\"" },
    { "game_ready", "game_ready on|off", "whether the game reports itself ready" },
    { "game_init_var", "game_init_var add|remove NAME", "add or remove a game init variable, e.g. gameKilled" },
    { "kill_network", "kill_network", "the game shuts networking down (OnKillNetworkDone)" },
    { "interior", "interior on|off", "the player enters or leaves an interior room" },
    { "request_editor", "request_editor", "the game asks for the timecycle editor" },
    { "tc_list", "tc_list [QUERY]", "modifiers with their index (names containing QUERY)" },
    { "tc_show", "tc_show NAME", "a modifier's parameters" },
    { "tc_state", "tc_state", "primary, transition and interior modifiers" },
    { "tc_load", "tc_load FILE", "load a timecycle_modifier_data file; modifiers it names that exist take its values" },
    { "tc_save", "tc_save NAME FILE", "save a modifier as timecycle_modifier_data" },
    { "tc_restore", "tc_restore NAME", "put back the game's backup of a modifier" },
    { "tc_diff", "tc_diff NAME", "a modifier against the data as loaded" },
    { "debug_fatal", "debug_fatal assert|va",
      "fail an assertion or overflow va in the sandbox itself (record in data/cache/error-pickup)" },
    { "debug_kill", "debug_kill", "end the sandbox at once, as the system kills a process (SIGKILL, TerminateProcess)" },
};
}

std::span<const CommandHelp> CommandHelpTable()
{
    return kCommands;
}

const CommandHelp* FindCommandHelp(const std::string& name)
{
    for (const CommandHelp& command : kCommands)
        if (EqualsIgnoreCase(command.name, name))
            return &command;
    return nullptr;
}

std::string CommandHelpText()
{
    std::string text;
    for (const CommandHelp& command : kCommands)
    {
        const std::string usage = command.usage;
        if (usage.size() < 30)
            text += fmt::format("  {:<30}{}\n", usage, command.summary);
        else
            text += fmt::format("  {}\n  {:<30}{}\n", usage, "", command.summary);
    }
    return text;
}
}
