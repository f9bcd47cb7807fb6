#include "SandboxOptions.h"

#include "CommandHelp.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace sandbox
{
namespace
{
// A whole decimal number in [minimum, maximum]; otherwise `error` says why.
std::optional<long long> ParseWhole(const std::string& text, long long minimum, long long maximum, std::string& error)
{
    long long value = 0;
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || (result != std::errc() && result != std::errc::result_out_of_range))
        error = "a whole number";
    else if (result == std::errc::result_out_of_range || value > maximum)
        error = text.starts_with('-') ? "too small" : "too large";
    else if (value < minimum)
        error = "too small";
    else
        return value;
    return std::nullopt;
}

// "1280x720": both at least 1 and at most what SDL takes.
std::optional<std::pair<int, int>> ParseSize(const std::string& text, std::string& error)
{
    constexpr long long kLargest = 16384;
    const size_t x = text.find('x');
    if (x == std::string::npos)
    {
        error = "WIDTHxHEIGHT, e.g. 1280x720";
        return std::nullopt;
    }
    const std::optional<long long> width = ParseWhole(text.substr(0, x), 1, kLargest, error);
    const std::optional<long long> height = width ? ParseWhole(text.substr(x + 1), 1, kLargest, error) : std::nullopt;
    if (!height)
    {
        if (error == "too large")
            error = "too large (at most " + std::to_string(kLargest) + " pixels a side)";
        else if (error != "too small")
            error = "WIDTHxHEIGHT, e.g. 1280x720";
        return std::nullopt;
    }
    return std::pair{ int(*width), int(*height) };
}
}

std::optional<SandboxOptions> ParseOptions(const std::vector<std::string>& arguments,
                                           const std::string& defaultDataFolder, std::string& error)
{
    SandboxOptions options;
    options.dataFolder = defaultDataFolder;
    options.arguments = arguments;

    for (size_t i = 0; i < arguments.size(); ++i)
    {
        // "--name=value" is the same as "--name value".
        std::string word = arguments[i];
        std::optional<std::string> attached;
        if (word.starts_with("--"))
            if (const size_t equals = word.find('='); equals != std::string::npos)
            {
                attached = word.substr(equals + 1);
                word.resize(equals);
            }
        auto value = [&](const char* what) -> std::optional<std::string> {
            if (attached)
                return std::exchange(attached, std::nullopt);
            if (i + 1 >= arguments.size())
            {
                error = word + " needs " + what;
                return std::nullopt;
            }
            return arguments[++i];
        };
        auto bad = [&](const std::string& given, const std::string& why) {
            error = word + ": \"" + given + "\" is " + why;
            return std::nullopt;
        };

        const bool isSwitch = word == "--help" || word == "-h" || word == "--headless";
        if (isSwitch && attached)
        {
            error = word + " takes no value";
            return std::nullopt;
        }
        if (word == "--help" || word == "-h")
            options.help = true;
        else if (word == "--headless")
            options.headless = true;
        else if (word == "--script" || word == "--data")
        {
            const std::optional<std::string> path = value(word == "--script" ? "a file" : "a folder");
            if (!path)
                return std::nullopt;
            (word == "--script" ? options.scriptPath : options.dataFolder) = *path;
        }
        else if (word == "--frames")
        {
            const std::optional<std::string> count = value("a number");
            if (!count)
                return std::nullopt;
            std::string why;
            const std::optional<long long> frames = ParseWhole(*count, 0, std::numeric_limits<int>::max(), why);
            if (!frames)
            {
                if (why == "too large")
                    return bad(*count, "too large (at most " + std::to_string(std::numeric_limits<int>::max()) + ")");
                error = "--frames needs a number of 0 or more, not \"" + *count + "\"";
                return std::nullopt;
            }
            options.frames = int(*frames);
        }
        else if (word == "--size")
        {
            const std::optional<std::string> text = value("a size, WIDTHxHEIGHT");
            if (!text)
                return std::nullopt;
            std::string why;
            const std::optional<std::pair<int, int>> size = ParseSize(*text, why);
            if (!size)
                return bad(*text, why == "WIDTHxHEIGHT, e.g. 1280x720" ? "no size: give " + why : why);
            options.size = size;
        }
        else if (word == "--scale")
        {
            const std::optional<std::string> text = value("a factor");
            if (!text)
                return std::nullopt;
            float scale = 0.0f;
            const auto [end, result] = std::from_chars(text->data(), text->data() + text->size(), scale);
            if (result != std::errc() || end != text->data() + text->size() || !std::isfinite(scale))
                return bad(*text, "no number");
            if (scale < kMinimumScale || scale > kMaximumScale)
                return bad(*text, scale > kMaximumScale ? fmt::format("too large (at most {})", kMaximumScale)
                                                        : fmt::format("too small (at least {})", kMinimumScale));
            options.scale = scale;
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
                    [--size WxH] [--scale F] [+set NAME VALUE]... [launch words]

  --headless      no window (also chosen by itself when there is no display):
                  frames run the game and build the GUI but draw nothing;
                  "screenshot" draws the picture in software into memory
  --script FILE   run the commands in FILE, one per line, then quit when
                  headless; the first failing line stops the script and the
                  sandbox exits with status 1, naming the line
  --frames N      run N frames (after the script, if any), then quit
  --data DIR      timecycle data to load: DIR/variables.xml and
                  DIR/modifiers/*.xml (default: the repository's data/timecycle)
  --size WxH      size of the window or of the headless picture (default: the
                  window fits the display, the picture is 1600x1000)
  --scale F       size of the interface's text and widgets, 0.5 to 4 (default:
                  the display's scale); Ctrl+= and Ctrl+- change it in the window
  +set NAME VALUE set a console variable before any component loads
  --help          this text

An option's value may also be attached: --frames=5, --data=DIR. A data
folder or script that cannot be used stops the sandbox before anything loads,
with exit status 2.

Other words stay on the command line, where the component reads them as in
the game: "mosk" (development launch: offers the timecycleeditor variable),
"cl2", "pure_N" (pure level N: above 0 the editor does not exist). The
component finds them anywhere on the command line, inside file names too.

Headless without --script or --frames, commands are read from standard input.
In a window, F8 opens and closes the console; Tab completes command names and
their arguments (modifiers, variables, files); "help" lists the commands.

Console and script commands (besides each console variable's own, e.g.
"timecycleeditor true"). In scripts a line starting with # is a comment, and
" # " starts a comment at the end of a line. {hash:NAME} in a line becomes the
modifier's name hash as the editor writes it in widget ids, {var:NAME} the
variable's id, so that "##{hash:my_mod}-{var:fog_density}-1" names a value
field of the parameter table.

)" + CommandHelpText();
}
}
