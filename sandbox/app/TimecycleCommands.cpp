// The game's timecycle from outside the editor: list, show, state, load,
// save, restore from the game's backup, and compare with the data as loaded.
#include "CommandSupport.h"
#include "Sandbox.h"

#include <TimecycleControl.h>

#include <algorithm>
#include <cctype>
#include <set>

namespace sandbox
{
namespace
{
bool ContainsIgnoreCase(const std::string& text, const std::string& query)
{
    return std::search(text.begin(), text.end(), query.begin(), query.end(), [](char a, char b) {
               return std::tolower(uint8_t(a)) == std::tolower(uint8_t(b));
           }) != text.end();
}

// Values as the game holds them: the shortest text that reads back to the
// same float, so a script sees every difference.
std::string Exact(float value)
{
    return fmt::format("{}", value);
}

// "value1 value2" of a parameter.
std::string Values(const tcModData& param)
{
    return Exact(param.value1) + " " + Exact(param.value2);
}

std::string VariableName(int32_t varId)
{
    const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(varId);
    const char* name = info ? TimecycleManager::GetVarInfoName(*info) : nullptr;
    return name ? name : "(unknown variable " + std::to_string(varId) + ")";
}

// "name (index 3)", or "none" for -1, or a note for an index that names no
// modifier.
std::string ModifierAt(int index)
{
    if (index == -1)
        return "none";
    tcModifier* modifier = TheTimecycleManager->GetTimecycleByIndex(unsigned(index));
    if (index < 0 || !modifier)
        return fmt::format("index {} (no such modifier)", index);
    return fmt::format("{} (index {})", TheTimecycleManager->GetTimecycleName(*modifier), index);
}

void PrintReport(const timecycle::LoadReport& report)
{
    for (const timecycle::LoadMessage& message : report.messages)
    {
        if (message.line > 0)
            Say("%s:%d: %s\n", message.file, message.line, message.text);
        else
            Say("%s: %s\n", message.file, message.text);
    }
}

bool Diff(const std::string& name, const LoadedModifier* loaded, tcModifier* live)
{
    if (!live)
    {
        Say("%s was loaded but no longer exists (deleted or renamed)\n", name);
        return true;
    }
    if (!loaded)
        Say("%s was not in the data as loaded; all its parameters are new\n", name);

    int differences = 0;
    if (loaded && loaded->userFlags != live->userFlags)
    {
        Say("  userFlags: %u -> %u\n", loaded->userFlags, live->userFlags);
        ++differences;
    }
    std::set<int32_t> liveIds;
    for (uint16_t i = 0; i < live->numMods; ++i)
    {
        const tcModData& now = live->modData[i];
        liveIds.insert(now.varId);
        const tcModData* before = nullptr;
        if (loaded)
            if (auto it = loaded->params.find(now.varId); it != loaded->params.end())
                before = &it->second;
        if (!before)
            Say("  added %s: %s\n", VariableName(now.varId), Values(now));
        else if (before->value1 != now.value1 || before->value2 != now.value2)
            Say("  changed %s: %s -> %s\n", VariableName(now.varId), Values(*before), Values(now));
        else
            continue;
        ++differences;
    }
    if (loaded)
        for (const auto& [varId, before] : loaded->params)
            if (!liveIds.contains(varId))
            {
                Say("  removed %s: %s\n", VariableName(varId), Values(before));
                ++differences;
            }
    if (differences == 0)
        Say("%s is as loaded\n", name);
    return true;
}
}

void AddTimecycleCommands(Sandbox& sandbox)
{
    auto list = [](ConsoleExecutionContext& context) {
        const std::string query = context.arguments.Count() == 1 ? context.arguments[0] : "";
        const std::vector<std::string> names = LiveModifierNames();
        int listed = 0;
        for (size_t index = 0; index < names.size(); ++index)
            if (ContainsIgnoreCase(names[index], query))
            {
                Say("%5d %s\n", int(index), names[index]);
                ++listed;
            }
        Say("%d of %d modifiers\n", listed, int(names.size()));
        return true;
    };
    sandbox.AddCommand("tc_list", 0, list);
    sandbox.AddCommand("tc_list", 1, list);

    sandbox.AddCommand("tc_show", 1, [](ConsoleExecutionContext& context) {
        const std::string& name = context.arguments[0];
        tcModifier* modifier = timecycle::FindModifier(name);
        if (!modifier)
            return Fail(context, "tc_show: no modifier named " + name);
        Say("%s: index %d, hash %x, user flags %u, %d parameters, backup: %s\n", name,
            TheTimecycleManager->GetTimecycleIndex(*modifier), modifier->nameHash, modifier->userFlags,
            int(modifier->numMods), timecycle::HasBackup(*modifier) ? "yes" : "no");
        for (uint16_t i = 0; i < modifier->numMods; ++i)
        {
            const tcModData& param = modifier->modData[i];
            Say("  %4d %-40s %s\n", param.varId, VariableName(param.varId), Values(param));
        }
        return true;
    });

    sandbox.AddCommand("tc_state", 0, [](ConsoleExecutionContext& context) {
        const TimecycleScriptData* script = TimecycleManager::GetScriptData();
        if (!script || !TheTimecycleManager)
            return Fail(context, "tc_state: the game has no timecycle manager");
        Say("primary: %s, strength %s\n", ModifierAt(script->primaryIndex), Exact(script->primaryStrength));
        Say("transition: %s, strength %s, rate %s/s\n", ModifierAt(script->transitionIndex),
            Exact(script->transitionStrength), Exact(script->transitionParam));
        Say("interior: %s, player %s\n", ModifierAt(TheTimecycleManager->GetInteriorModifierOverride()),
            TheTimecycleManager->IsInsideInteriorRoom() ? "inside an interior room" : "outdoors");
        return true;
    });

    sandbox.AddCommand("tc_load", 1, [&sandbox](ConsoleExecutionContext& context) {
        const std::vector<std::string> before = LiveModifierNames();
        const timecycle::LoadReport report = timecycle::LoadModifierFile(context.arguments[0], timecycle::ExistingModifiers::Replace);
        PrintReport(report);
        for (const std::string& name : LiveModifierNames())
            if (std::find(before.begin(), before.end(), name) == before.end())
                if (tcModifier* modifier = timecycle::FindModifier(name))
                    sandbox.Loaded().Record(name, *modifier);
        Say("%d modifiers loaded from %s\n", report.modifiersLoaded + report.modifiersReplaced, context.arguments[0]);
        if (report.modifiersReplaced > 0)
            Say("%d of them took the place of the modifier of the same name\n", report.modifiersReplaced);
        if (report.filesSkipped > 0)
            return Fail(context, "tc_load: " + context.arguments[0] + " was not loaded");
        return true;
    });

    sandbox.AddCommand("tc_save", 2, [](ConsoleExecutionContext& context) {
        const timecycle::LoadReport report = timecycle::SaveModifierFile(context.arguments[0], context.arguments[1]);
        PrintReport(report);
        if (!report.messages.empty())
            return Fail(context, "tc_save: " + context.arguments[0] + " was not saved");
        Say("%s saved to %s\n", context.arguments[0], context.arguments[1]);
        return true;
    });

    sandbox.AddCommand("tc_restore", 1, [](ConsoleExecutionContext& context) {
        const std::string& name = context.arguments[0];
        tcModifier* modifier = timecycle::FindModifier(name);
        if (!modifier)
            return Fail(context, "tc_restore: no modifier named " + name);
        if (!timecycle::RestoreBackup(*modifier))
            return Fail(context, "tc_restore: the game has no backup of " + name +
                                     " (it takes one when the editor first selects the modifier)");
        Say("%s restored from the game's backup\n", name);
        return true;
    });

    sandbox.AddCommand("tc_diff", 1, [&sandbox](ConsoleExecutionContext& context) {
        const std::string& name = context.arguments[0];
        const LoadedModifier* loaded = sandbox.Loaded().Find(name);
        tcModifier* live = timecycle::FindModifier(name);
        if (!loaded && !live)
            return Fail(context, "tc_diff: no modifier named " + name);
        return Diff(name, loaded, live);
    });
}
}
