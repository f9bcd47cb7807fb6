#include "SandboxOptions.h"

#include "CommandHelp.h"
#include "CommandSupport.h"

#include <CLI/CLI.hpp>
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

// The options' values as given; checked once CLI11 has matched them.
struct GivenOptions
{
    bool help = false;
    bool headless = false;
    std::optional<std::string> script;
    std::optional<std::string> data;
    std::optional<std::string> frames;
    std::optional<std::string> size;
    std::optional<std::string> scale;
};

// The options that take a value, what they need, and where it goes.
struct ValueOption
{
    const char* name;
    const char* needs;
    std::optional<std::string> GivenOptions::*given;
};
constexpr ValueOption kValueOptions[] = {
    { "--script", "a file", &GivenOptions::script },
    { "--data", "a folder", &GivenOptions::data },
    { "--frames", "a number of 0 or more", &GivenOptions::frames },
    { "--size", "a size, WIDTHxHEIGHT", &GivenOptions::size },
    { "--scale", "a factor", &GivenOptions::scale },
};

const char* NeedsOf(std::string_view name)
{
    for (const ValueOption& option : kValueOptions)
    {
        if (name == option.name)
            return option.needs;
    }
    return "a value";
}

// CLI11's complaint in the sandbox's words; its messages start with the
// option's name.
std::string ParseErrorText(const CLI::ParseError& failure)
{
    const std::string what = failure.what();
    if (!dynamic_cast<const CLI::ArgumentMismatch*>(&failure))
        return what + " (see --help)";
    // A flag given a value is named without its dashes.
    const std::string option = what.substr(0, what.find_first_of(": "));
    if (what.find("flag override") != std::string::npos)
        return (option.starts_with('-') ? option : "--" + option) + " takes no value";
    return option + " needs " + NeedsOf(option);
}

// Matches the options with CLI11; "+set NAME VALUE" triples and the launch
// words are left out of it. False with `error` on a malformed line.
bool MatchOptions(const std::vector<std::string>& arguments, GivenOptions& given, std::string& error)
{
    std::vector<std::string> reversed; // CLI11 takes the words last first
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] != "+set")
            reversed.insert(reversed.begin(), arguments[i]);
        else if (i + 2 >= arguments.size())
        {
            error = "+set needs a name and a value";
            return false;
        }
        else
            i += 2;
    }

    CLI::App app;
    app.set_help_flag();
    app.allow_extras(); // the launch words, for the components
    app.add_flag("-h,--help", given.help)->disable_flag_override();
    app.add_flag("--headless", given.headless)->disable_flag_override();
    for (const ValueOption& option : kValueOptions)
    {
        app.add_option_function<std::string>(option.name,
                                             [&given, &option](const std::string& text) { given.*option.given = text; })
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    try
    {
        app.parse(reversed);
    }
    catch (const CLI::ParseError& failure)
    {
        error = ParseErrorText(failure);
        return false;
    }
    for (const std::string& word : app.remaining())
    {
        if (word.starts_with("--"))
        {
            error = "unknown option " + word.substr(0, word.find('=')) + " (see --help)";
            return false;
        }
    }
    return true;
}
}

std::optional<SandboxOptions> ParseOptions(const std::vector<std::string>& arguments,
                                           const std::string& defaultDataFolder, std::string& error)
{
    GivenOptions given;
    if (!MatchOptions(arguments, given, error))
        return std::nullopt;

    SandboxOptions options;
    options.help = given.help;
    options.headless = given.headless;
    options.scriptPath = given.script.value_or("");
    options.dataFolder = given.data.value_or(defaultDataFolder);
    options.arguments = arguments;
    auto bad = [&](const char* option, const std::string& text, const std::string& why) {
        error = std::string(option) + ": \"" + text + "\" is " + why;
        return std::nullopt;
    };

    if (const std::optional<std::string>& count = given.frames)
    {
        constexpr long long kMostFrames = std::numeric_limits<int>::max();
        long long frames = 0;
        const Range range = ParseWhole(*count, 0, kMostFrames, frames);
        if (range == Range::TooLarge)
            return bad("--frames", *count, fmt::format("too large (at most {})", kMostFrames));
        if (range != Range::Fits)
        {
            error = "--frames needs a number of 0 or more, not \"" + *count + "\"";
            return std::nullopt;
        }
        options.frames = int(frames);
    }
    if (const std::optional<std::string>& text = given.size)
    {
        std::pair<int, int> size;
        switch (ParseSize(*text, size))
        {
        case Range::Fits:
            options.size = size;
            break;
        case Range::NotANumber:
            return bad("--size", *text, "no size: give WIDTHxHEIGHT in pixels, e.g. 1280x720");
        case Range::TooSmall:
            return bad("--size", *text, "too small (at least 1 pixel a side)");
        case Range::TooLarge:
            return bad("--size", *text, fmt::format("too large (at most {} pixels a side)", kLargestSize));
        }
    }
    if (const std::optional<std::string>& text = given.scale)
    {
        const std::optional<float> number = ParseNumber(*text);
        if (!number)
            return bad("--scale", *text, "no number");
        const float scale = *number;
        if (scale < kMinimumScale || scale > kMaximumScale)
            return bad("--scale", *text,
                       scale > kMaximumScale ? fmt::format("too large (at most {})", kMaximumScale)
                                             : fmt::format("too small (at least {})", kMinimumScale));
        options.scale = scale;
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
