#include "SandboxOptions.h"

#include "CommandHelp.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace sandbox
{
namespace
{
enum class Range
{
    Fits,
    NotANumber,
    TooSmall,
    TooLarge,
};

// A whole decimal number, and whether it lies in [minimum, maximum].
Range ParseWhole(std::string_view text, long long minimum, long long maximum, long long& value)
{
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || text.empty())
        return Range::NotANumber;
    if (result == std::errc::result_out_of_range)
        return text.starts_with('-') ? Range::TooSmall : Range::TooLarge;
    if (result != std::errc())
        return Range::NotANumber;
    return value < minimum ? Range::TooSmall : value > maximum ? Range::TooLarge : Range::Fits;
}

// "1280x720": both sides whole numbers of pixels that SDL takes.
Range ParseSize(std::string_view text, std::pair<int, int>& size)
{
    const size_t x = text.find('x');
    if (x == std::string_view::npos)
        return Range::NotANumber;
    long long width = 0, height = 0;
    const Range widthRange = ParseWhole(text.substr(0, x), 1, kLargestSize, width);
    const Range heightRange = ParseWhole(text.substr(x + 1), 1, kLargestSize, height);
    size = { int(width), int(height) };
    return widthRange != Range::Fits ? widthRange : heightRange;
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
            constexpr long long kMostFrames = std::numeric_limits<int>::max();
            long long frames = 0;
            const Range range = ParseWhole(*count, 0, kMostFrames, frames);
            if (range == Range::TooLarge)
                return bad(*count, fmt::format("too large (at most {})", kMostFrames));
            if (range != Range::Fits)
            {
                error = "--frames needs a number of 0 or more, not \"" + *count + "\"";
                return std::nullopt;
            }
            options.frames = int(frames);
        }
        else if (word == "--size")
        {
            const std::optional<std::string> text = value("a size, WIDTHxHEIGHT");
            if (!text)
                return std::nullopt;
            std::pair<int, int> size;
            switch (ParseSize(*text, size))
            {
            case Range::Fits:
                options.size = size;
                break;
            case Range::NotANumber:
                return bad(*text, "no size: give WIDTHxHEIGHT in pixels, e.g. 1280x720");
            case Range::TooSmall:
                return bad(*text, "too small (at least 1 pixel a side)");
            case Range::TooLarge:
                return bad(*text, fmt::format("too large (at most {} pixels a side)", kLargestSize));
            }
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
