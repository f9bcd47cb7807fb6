#include "editing/ModifierPaste.h"

#include "base/StatusText.h"
#include "base/XmlText.h"
#include "documents/ModifierDocument.h"
#include "editing/EditHistory.h"
#include "editing/ModifierDocumentOfGame.h"
#include "editing/ModifierNameRule.h"
#include "game/VariableNameIndex.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tceditor
{
namespace
{
// The game's variables and modifiers by name, gathered once for a whole
// paste: a document of thousands of modifiers would otherwise search the
// game's arrays once per modifier and per parameter. Nothing but the paste
// changes the game while it runs, and the paste never looks up a modifier it
// created (the reader gives each name once).
class PasteLookup
{
public:
    explicit PasteLookup(GameTimecycle& game) : m_variables(game)
    {
        for (tcModifier* modifier : game.Modifiers())
            if (modifier && modifier->modData)
                m_modifiers.try_emplace(game.GetTimecycleName(*modifier), modifier);
    }

    // -1 for a variable the game does not know.
    int32_t VariableId(std::string_view name) const { return m_variables.Id(name); }

    tcModifier* Modifier(const std::string& name) const
    {
        const auto found = m_modifiers.find(name);
        return found != m_modifiers.end() ? found->second : nullptr;
    }

private:
    // Views of the game's own names, which a paste leaves as they are.
    VariableNameIndex m_variables;
    std::unordered_map<std::string, tcModifier*> m_modifiers;
};

// "a, b, c, and 9,990 more".
std::string NameList(const std::vector<std::string>& names)
{
    std::vector<std::string> shown;
    for (const std::string& name : names)
        shown.push_back(StatusName(name));
    return BoundedList(shown, ", ");
}

// What was left out or read otherwise: "; skipped unknown variable
// zz_unknown", then the names the editor does not create, then the reader's
// notes.
std::string SkippedText(const std::vector<std::string>& unknown, const std::vector<std::string>& notes,
                        const std::vector<std::string>& badNames = {})
{
    std::string text;
    if (!unknown.empty())
        text += (unknown.size() == 1 ? "; skipped unknown variable " : "; skipped unknown variables ") + NameList(unknown);
    if (!badNames.empty())
        text += "; not created, a modifier name needs " + std::to_string(kMinModifierNameBytes) + " to " +
                std::to_string(kMaxModifierNameBytes) + " bytes: " + NameList(badNames);
    if (!notes.empty())
        text += "; " + BoundedList(notes, "; ");
    return text;
}

std::string Counted(size_t count, const char* what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

PasteOutcome Failed(const DocumentReading& reading)
{
    return { "Paste failed: " + reading.error + SkippedText({}, reading.notes), true };
}
}

PasteOutcome PasteModifiers(GameTimecycle& game, EditHistory& history, std::string_view text)
{
    const DocumentReading reading = ReadModifierDocument(text);
    if (!reading.error.empty())
        return Failed(reading);

    const PasteLookup lookup(game);
    std::vector<std::string> unknown;
    std::vector<std::string> refused;
    std::vector<std::string> badNames;
    int updated = 0;
    int unchanged = 0;
    int created = 0;
    history.BeginGroup("paste of " + Counted(reading.modifiers.size(), "modifier"));
    for (const DocumentModifier& document : reading.modifiers)
    {
        const ModifierSnapshot target = SnapshotOfDocument(
            document, [&](std::string_view name) { return lookup.VariableId(name); }, unknown);
        if (tcModifier* existing = lookup.Modifier(target.name))
        {
            const ModifierSnapshot before = ModifierSnapshot::Take(game, *existing);
            if (!history.ReplaceModifier(*existing, target, "paste"))
                refused.push_back(target.name);
            else if (ModifierSnapshot::Take(game, *existing) == before)
                ++unchanged;
            else
                ++updated;
        }
        else if (!FitsModifierNameRule(target.name))
        {
            // The game would take it; the editor creates only what its own
            // name field could hold, as "Create" does.
            badNames.push_back(target.name);
        }
        else if (history.CreateModifier(target))
        {
            ++created;
        }
        else
        {
            refused.push_back(target.name);
        }
    }
    history.EndGroup();

    const std::pair<int, const char*> tally[] = { { updated, "updated" }, { unchanged, "unchanged" }, { created, "created" } };
    std::string counts;
    for (const auto& [count, what] : tally)
        if (count > 0)
            counts += (counts.empty() ? "" : ", ") + std::to_string(count) + " " + what;
    if (counts.empty())
        counts = "none applied";
    std::string message = "Pasted " + Counted(reading.modifiers.size(), "modifier") + ": " + counts;
    if (!refused.empty())
        message += "; the game refused all or part of " + NameList(refused);
    const size_t notApplied = refused.size() + badNames.size();
    return { message + SkippedText(unknown, reading.notes, badNames), notApplied == reading.modifiers.size() };
}

PasteOutcome PasteParameters(GameTimecycle& game, EditHistory& history, tcModifier& target, std::string_view text)
{
    const DocumentReading reading = ReadModifierDocument(text);
    if (!reading.error.empty())
        return Failed(reading);

    std::vector<std::string> unknown;
    const DocumentModifier& source = reading.modifiers.front();
    ModifierSnapshot content = SnapshotOfDocument(
        source, [&](std::string_view name) { return game.VariableIdByName(name); }, unknown);
    content.name = game.GetTimecycleName(target);
    const bool complete = history.ReplaceModifier(target, content, "paste parameters into");

    std::string message = "Pasted the parameters of " + StatusName(source.name) + " into " + StatusName(content.name);
    if (!complete)
        message += "; the game refused a part of them";
    return { message + SkippedText(unknown, reading.notes), false };
}
}
