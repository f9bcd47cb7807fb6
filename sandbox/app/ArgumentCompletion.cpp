#include "ArgumentCompletion.h"

#include "CommandSupport.h"
#include "LoadedData.h"

#include <CoreRTConsole.h>

#include <algorithm>
#include <filesystem>

namespace sandbox
{
namespace
{
enum class ArgumentKind
{
    Modifier,
    Variable,
    File,
    Command,
    OnOff,
    AddRemove,
    FatalKind,
};

struct CommandArguments
{
    const char* command;
    std::vector<ArgumentKind> arguments;
};

const CommandArguments kArguments[] = {
    { "tc_show", { ArgumentKind::Modifier } },
    { "tc_diff", { ArgumentKind::Modifier } },
    { "tc_restore", { ArgumentKind::Modifier } },
    { "tc_list", { ArgumentKind::Modifier } },
    { "tc_save", { ArgumentKind::Modifier, ArgumentKind::File } },
    { "tc_load", { ArgumentKind::File } },
    { "script", { ArgumentKind::File } },
    { "screenshot", { ArgumentKind::File } },
    { "set", { ArgumentKind::Variable } },
    { "help", { ArgumentKind::Command } },
    { "game_ready", { ArgumentKind::OnOff } },
    { "interior", { ArgumentKind::OnOff } },
    { "game_init_var", { ArgumentKind::AddRemove } },
    { "debug_fatal", { ArgumentKind::FatalKind } },
};

// The entries of the folder that `typed` names so far, written as `typed`
// writes the folder; folders end with '/' so that Tab can go on into them.
std::vector<std::string> FileNames(const std::string& typed)
{
    const size_t slash = typed.rfind('/');
    const std::string folderPart = slash == std::string::npos ? "" : typed.substr(0, slash + 1);
    const std::filesystem::path folder = folderPart.empty() ? "." : folderPart;

    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        std::error_code ignored;
        names.push_back(folderPart + it->path().filename().string() + (it->is_directory(ignored) ? "/" : ""));
    }
    return names;
}
}

std::vector<std::string> CompleteArgument(const std::string& command, size_t index, const std::string& typed)
{
    const auto known = std::find_if(std::begin(kArguments), std::end(kArguments),
                                    [&](const CommandArguments& entry) { return EqualsIgnoreCase(command, entry.command); });
    if (known == std::end(kArguments) || index >= known->arguments.size())
        return {};

    switch (known->arguments[index])
    {
    case ArgumentKind::Modifier:
        return LiveModifierNames();
    case ArgumentKind::Variable:
        return corert::VariableNames();
    case ArgumentKind::File:
        return FileNames(typed);
    case ArgumentKind::Command:
        return corert::CommandNames();
    case ArgumentKind::OnOff:
        return { "on", "off" };
    case ArgumentKind::AddRemove:
        return { "add", "remove" };
    case ArgumentKind::FatalKind:
        return { "assert", "va" };
    }
    return {};
}
}
