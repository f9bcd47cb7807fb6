// What the sandbox does with the console host: run the GUI frames, and open,
// close and feed the console window. Components see only ConHost.h.
#pragma once

#include "ConHost.h"

#include <functional>
#include <string>
#include <vector>

namespace conhost
{
// Raises ConHost::OnShouldDrawGui: whether a component wants the GUI now.
CONHOST_API bool ComponentsWantGui();

// The GUI of one frame, inside a Dear ImGui frame that the caller runs:
// ConHost::OnDrawGui when `componentsWantGui`, then the console window when
// it is open.
CONHOST_API void DrawGui(bool componentsWantGui);

// One whole frame when anything is to be drawn (a component wants the GUI,
// or the console is open): NewFrame, DrawGui, Render. False, without a Dear
// ImGui frame, otherwise. The platform's half of the frame (display size,
// time, input) comes first, from the caller; RunTypedLines after it.
CONHOST_API bool RunFrame();

// Runs the lines typed into the console since the last call. Lines are
// typed inside a frame but run outside it, so that a line may run frames
// itself: the caller of a frame runs them once the frame is shown.
CONHOST_API void RunTypedLines();

// The console window: open at start, toggled with F8 by the platform. Opened,
// it takes the keyboard, so that the next keys go to its input line.
CONHOST_API bool IsConsoleOpen();
CONHOST_API void SetConsoleOpen(bool open);
CONHOST_API void ToggleConsole();

// How a typed line runs; by default the core runtime's command manager runs
// it as typed.
CONHOST_API void SetLineRunner(std::function<void(const std::string& line)> runner);

// What Tab offers for argument `index` (0-based) of `command` when `typed`
// stands there so far; empty when the argument has no known set. By default
// only command names complete.
using ArgumentCompleter =
    std::function<std::vector<std::string>(const std::string& command, size_t index, const std::string& typed)>;
CONHOST_API void SetArgumentCompleter(ArgumentCompleter completer);
}
