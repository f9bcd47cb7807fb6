#include "SandboxOptions.h"

#include <charconv>

namespace sandbox
{
std::optional<SandboxOptions> ParseOptions(const std::vector<std::string>& arguments,
                                           const std::string& defaultDataFolder, std::string& error)
{
    SandboxOptions options;
    options.dataFolder = defaultDataFolder;
    options.arguments = arguments;

    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& word = arguments[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= arguments.size())
            {
                error = word + " needs " + what;
                return nullptr;
            }
            return &arguments[++i];
        };

        if (word == "--help" || word == "-h")
            options.help = true;
        else if (word == "--headless")
            options.headless = true;
        else if (word == "--script")
        {
            const std::string* path = value("a file");
            if (!path)
                return std::nullopt;
            options.scriptPath = *path;
        }
        else if (word == "--data")
        {
            const std::string* folder = value("a folder");
            if (!folder)
                return std::nullopt;
            options.dataFolder = *folder;
        }
        else if (word == "--frames")
        {
            const std::string* count = value("a number");
            if (!count)
                return std::nullopt;
            int frames = -1;
            const auto [end, result] = std::from_chars(count->data(), count->data() + count->size(), frames);
            if (result != std::errc() || end != count->data() + count->size() || frames < 0)
            {
                error = "--frames needs a number of 0 or more, not \"" + *count + "\"";
                return std::nullopt;
            }
            options.frames = frames;
        }
        else if (word == "+set")
        {
            if (i + 2 >= arguments.size())
            {
                error = "+set needs a name and a value";
                return std::nullopt;
            }
            i += 2;
        }
        else if (word.starts_with("--"))
        {
            error = "unknown option " + word + " (see --help)";
            return std::nullopt;
        }
        // Anything else is a launch word for the components.
    }
    return options;
}

std::string HelpText()
{
    return R"(vesk-sandbox: runs the devtools-vesk component (the Timecycle Editor) outside the
game, over stand-ins of the framework's and the game's modules.

Usage: vesk-sandbox [--headless] [--script FILE] [--frames N] [--data DIR]
                    [+set NAME VALUE]... [launch words]

  --headless      draw the frames in software into memory, without a window
                  (also chosen by itself when there is no display)
  --script FILE   run the commands in FILE, one per line, then quit when
                  headless; the first failing line stops the script and the
                  sandbox exits with status 1, naming the line
  --frames N      run N frames (after the script, if any), then quit
  --data DIR      timecycle data to load: DIR/variables.xml and
                  DIR/modifiers/*.xml (default: the repository's data/timecycle)
  +set NAME VALUE set a console variable before any component loads
  --help          this text

Other words stay on the command line, where the component reads them as in
the game: "mosk" (development launch: offers the timecycleeditor variable),
"cl2", "pure_N" (pure level N: above 0 the editor does not exist). The
component finds them anywhere on the command line, inside file names too.

Headless without --script or --frames, commands are read from standard input.
In a window, F8 opens and closes the console.

Console and script commands (besides the console's own, e.g.
"timecycleeditor true"). In scripts a line starting with # is a comment, and
" # " starts a comment at the end of a line. {hash:NAME} in a line becomes the
modifier's name hash as the editor writes it in widget ids, {var:NAME} the
variable's id, so that "##{hash:my_mod}-{var:fog_density}-1" names a value
field of the parameter table.

  frame [N]                 run N frames (1)
  screenshot FILE           write the picture (backdrop and GUI) as PNG
  quit                      leave the sandbox
  ui_window [NAME]          window the UI commands act in (Timecycle Editor)
  ui_click LABEL [INDEX]    click a widget; INDEX picks one of several matches
  ui_doubleclick LABEL [INDEX]
  ui_rightclick LABEL [INDEX]  right-click a widget; ui_click then finds the
                            items of the context menu it opened
  ui_type LABEL TEXT [INDEX]  click into a text field and type at its end
  ui_enter LABEL TEXT [INDEX]  ctrl+click a drag, type a value over it, Enter
  ui_drag LABEL DX [INDEX]  drag a widget DX pixels to the right (left if < 0)
  ui_key CHORD              press a key: enter, escape, tab, up, ctrl+a,
                            ctrl+c, ctrl+z, ... (f8 toggles the console)
  ui_items                  widgets of the last frame in the UI window
  ui_texts                  texts of the last frame in the UI window
  clipboard                 print the clipboard (once a UI command ran, the
                            UI commands' own, also in a window)
  clipboard_load FILE       put a file's text on the clipboard (the UI
                            commands' own), e.g. for "Paste XML"
  game_ready on|off         whether the game reports itself ready
  game_init_var add|remove NAME   e.g. gameKilled
  kill_network              the game shuts networking down (OnKillNetworkDone)
  interior on|off           the player enters or leaves an interior room
  request_editor            the game asks for the timecycle editor
  tc_list [QUERY]           modifiers, with their index (names containing QUERY)
  tc_show NAME              a modifier's parameters
  tc_state                  primary, transition and interior modifiers
  tc_load FILE              load a timecycle_modifier_data file
  tc_save NAME FILE         save a modifier as timecycle_modifier_data
  tc_restore NAME           put back the game's backup of a modifier
  tc_diff NAME              a modifier against the data as loaded
  debug_fatal assert|va     fail an assertion, or overflow va, in the sandbox
                            itself: the fatal-error path end to end (the record
                            goes to data/cache/error-pickup under the install root)
)";
}
}
