#include "recovery/SessionRecovery.h"

#include "base/DateStamp.h"
#include "base/StatusText.h"
#include "base/XmlText.h"
#include "documents/ModifierDocumentFile.h"
#include "editing/EditorState.h"
#include "editing/ModifierDocumentOfGame.h"
#include "game/ModifierNameIndex.h"
#include "game/VariableNameIndex.h"

#include <Utils.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace tceditor
{
namespace
{
std::string Now()
{
    return ShownDateStamp(platform::GetLocalTime());
}

// Where "Save to file" writes: the folder above "unsaved".
std::u16string ParentFolder(const std::u16string& folder)
{
    return folder.substr(0, folder.find_last_of(platform::kPathSeparator));
}

// Up to this many names a step's modifiers are found by a scan each; beyond
// it one pass that indexes every name costs less (a paste touches thousands).
constexpr size_t kNamesFoundByScan = 8;

// The modifier's unsaved state for the name it has now in the game, after
// a step touched it. `index` is null when the step touched few names; the
// step's documents share `names`.
void AddChangesOf(TimecycleEditorState& state, const ModifierNameIndex* index, SharedVariableNames& names,
                  const std::string& name, UnsavedStep& step)
{
    using Kind = UnsavedModifier::Kind;
    const SessionChanges::Record* live = state.changes.Find(name);
    tcModifier* modifier = !live ? nullptr : index ? index->Find(name) : state.game.FindModifierByName(name);
    if (modifier && live->original)
    {
        // Back to what the game loads is nothing unsaved.
        // The order of parameters counts here as little as in the session's
        // own change tracking: a session that changed nothing offers nothing.
        const bool asLoaded = ModifierSnapshot::Take(state.game, *modifier).SameContent(*live->original);
        step.changes.push_back({ asLoaded ? Kind::Dropped : Kind::Put, false, live->original->name,
                                 asLoaded ? DocumentModifier{} : DocumentOfModifier(state.game, *modifier, names) });
    }
    else if (modifier)
    {
        step.changes.push_back({ Kind::Put, true, name, DocumentOfModifier(state.game, *modifier, names) });
    }
    else
    {
        // One created under this name was removed or renamed.
        step.changes.push_back({ Kind::Dropped, true, name, {} });
    }

    const auto& removed = state.changes.Removed();
    if (auto found = removed.find(name); found != removed.end() && found->second.original)
        step.changes.push_back({ Kind::Removed, false, found->second.original->name, {} });
}

// "fog_bank, removed vault_dark": what a restore brings back, by the names
// the modifiers have once it is done.
std::string RestoredNames(const std::vector<const UnsavedModifier*>& work)
{
    std::vector<std::string> names;
    for (const UnsavedModifier* modifier : work)
        names.push_back(modifier->kind == UnsavedModifier::Kind::Removed ? "removed " + StatusName(modifier->key)
                                                                          : StatusName(modifier->state.name));
    return BoundedList(names, ", ");
}

// A free name to park a modifier under while others take their names.
std::string ParkingName(GameTimecycle& game, const std::string& name)
{
    for (int attempt = 1;; ++attempt)
    {
        std::string parked = name + va("~restoring%d", attempt);
        if (!game.FindModifierByName(parked))
            return parked;
    }
}
}

std::string ModifierCount(size_t count)
{
    return std::to_string(count) + (count == 1 ? " modifier" : " modifiers");
}

std::string OfferText(const EndedSession& session)
{
    // The journal knows when the last step was made, not when its process
    // ended.
    const UnsavedWork& work = session.work;
    return "The session's last change was at " + work.endedAt + "; it left " + ModifierCount(work.modifiers.size()) +
           " changed (" + std::to_string(work.CreatedCount()) + " created, " + std::to_string(work.RemovedCount()) +
           " removed)";
}

std::vector<std::string> OfferNameLines(const EndedSession& session)
{
    std::vector<std::string> changed, created, removed;
    for (const auto& [key, modifier] : session.work.modifiers)
    {
        if (modifier.kind == UnsavedModifier::Kind::Removed)
            removed.push_back(StatusName(modifier.key));
        else if (modifier.created)
            created.push_back(StatusName(modifier.state.name));
        else if (modifier.state.name != modifier.key)
            changed.push_back(StatusName(modifier.key) + " (renamed " + StatusName(modifier.state.name) + ")");
        else
            changed.push_back(StatusName(modifier.key));
    }
    std::vector<std::string> lines;
    for (const auto& [label, names] : { std::pair{ "Changed: ", &changed }, std::pair{ "Created: ", &created },
                                        std::pair{ "Removed: ", &removed } })
        if (!names->empty())
            lines.push_back(label + BoundedList(*names, ", "));
    return lines;
}

SessionRecovery::SessionRecovery(TimecycleEditorState& state, std::u16string folder)
    : m_state(state), m_folder(folder), m_writer(std::move(folder))
{
}

void SessionRecovery::CaptureCompletedSteps()
{
    // While writing fails a line in the editor says so (NotKeptWarning);
    // the status line tells when it starts failing and when it works again.
    std::string error = m_writer.Error();
    if (!error.empty() && m_writeError.empty())
        m_state.SetStatus("Unsaved work is not kept on disk: " + error, true);
    else if (error.empty() && !m_writeError.empty())
        m_state.SetStatus("Unsaved work is kept on disk again", false);
    m_writeError = std::move(error);

    if (m_state.history.GestureOpen() || m_state.comparedEdit)
        return;
    const std::unordered_set<std::string> names = m_state.changes.TakeChangedNames();
    if (names.empty())
        return;
    UnsavedStep step{ Now(), false, {} };
    std::optional<ModifierNameIndex> index;
    if (names.size() > kNamesFoundByScan)
        index.emplace(m_state.game);
    SharedVariableNames variableNames;
    for (const std::string& name : names)
        AddChangesOf(m_state, index ? &*index : nullptr, variableNames, name, step);
    m_writer.Submit(std::move(step));
}

std::string SessionRecovery::NotKeptWarning() const
{
    if (m_writeError.empty())
        return {};
    return "Unsaved work is not being kept on disk (" + m_writeError +
           "); it is held in memory and written as soon as writing works again";
}

void SessionRecovery::NoteSaved()
{
    CaptureCompletedSteps();
    m_writer.Submit({ Now(), true, {} });
}

void SessionRecovery::NoteSessionForgotten()
{
    CaptureCompletedSteps();
    m_writer.StartNewJournal();
}

const EndedSession* SessionRecovery::CurrentOffer()
{
    if (!m_offersTaken)
    {
        std::optional<std::vector<EndedSession>> ended = m_writer.TakeEndedSessions();
        if (!ended)
            return nullptr;
        m_offers = std::move(*ended);
        std::reverse(m_offers.begin(), m_offers.end());  // the newest at the back
        m_offersFound = m_offers.size();
        m_offersTaken = true;
    }
    return m_offers.empty() ? nullptr : &m_offers.back();
}

bool SessionRecovery::OffersReady()
{
    CurrentOffer();
    return m_offersTaken;
}

void SessionRecovery::NextOffer()
{
    m_offers.pop_back();
}

namespace
{
// What a restore did, modifier by modifier, for the status line.
struct RestoreOutcome
{
    size_t restored = 0;
    // The game refused all or part of these.
    std::vector<std::string> refused;
    // Refused and put back as they were, under their own names.
    std::vector<std::string> keptOld;
    // Not in the game to change or remove.
    std::vector<std::string> notFound;
    std::vector<std::string> unknownVariables;
};

std::string Names(const std::vector<std::string>& names)
{
    std::vector<std::string> shown;
    for (const std::string& name : names)
        shown.push_back(StatusName(name));
    return BoundedList(shown, ", ");
}

// What came back, named when all of it did; otherwise what did not is named
// after the count.
std::string RestoreMessage(const RestoreOutcome& outcome, const EndedSession& offer,
                           const std::vector<const UnsavedModifier*>& work)
{
    const size_t count = work.size();
    std::string message = outcome.restored == count
                              ? "Restored " + ModifierCount(count) + " (" + RestoredNames(work) + ")"
                              : "Restored " + std::to_string(outcome.restored) + " of " + ModifierCount(count);
    message += " from the session whose last change was at " + offer.work.endedAt;
    if (!outcome.refused.empty())
        message += "; the game refused all or part of " + Names(outcome.refused);
    if (!outcome.keptOld.empty())
        message += "; the game refused " + Names(outcome.keptOld) + ", which kept " +
                   (outcome.keptOld.size() == 1 ? "its" : "their") + " old values";
    if (!outcome.notFound.empty())
        message += "; not found in the game: " + Names(outcome.notFound);
    if (!outcome.unknownVariables.empty())
        message += (outcome.unknownVariables.size() == 1 ? "; skipped unknown variable "
                                                         : "; skipped unknown variables ") +
                   Names(outcome.unknownVariables);
    if (!offer.notes.empty())
        message += "; " + BoundedList(offer.notes, "; ");
    return message;
}
}

void SessionRecovery::Restore()
{
    const EndedSession* offer = CurrentOffer();
    if (!offer || offer->work.Empty())
        return;
    GameTimecycle& game = m_state.game;
    EditHistory& history = m_state.history;
    const std::vector<const UnsavedModifier*> work = [&] {
        std::vector<const UnsavedModifier*> modifiers;
        for (const auto& [key, modifier] : offer->work.modifiers)
            modifiers.push_back(&modifier);
        return modifiers;
    }();
    RestoreOutcome outcome;
    const VariableNameIndex variables(game);
    const auto variableIdOf = [&](std::string_view name) { return variables.Id(name); };

    const uint64_t revisionBefore = history.Revision();
    history.BeginGroup("restore unsaved work (" + ModifierCount(work.size()) + ")", true);
    // Removals first, then the game's modifiers that were renamed step aside,
    // so that names the work swaps or takes over are free when they are given.
    for (const UnsavedModifier* modifier : work)
    {
        if (modifier->kind != UnsavedModifier::Kind::Removed)
            continue;
        if (tcModifier* found = game.FindModifierByName(modifier->key))
        {
            history.DeleteModifier(*found);
            ++outcome.restored;
        }
        else
            outcome.notFound.push_back(modifier->key);
    }
    // Each with its name in the game now and as it was before the restore.
    struct Existing
    {
        const UnsavedModifier* modifier;
        std::string current;
        ModifierSnapshot before;
    };
    std::vector<Existing> existing;
    for (const UnsavedModifier* modifier : work)
    {
        if (modifier->kind != UnsavedModifier::Kind::Put || modifier->created)
            continue;
        tcModifier* found = game.FindModifierByName(modifier->key);
        if (!found)
        {
            outcome.notFound.push_back(modifier->key);
            continue;
        }
        std::string current = modifier->key;
        ModifierSnapshot before = ModifierSnapshot::Take(game, *found);
        if (modifier->state.name != current)
        {
            const std::string parked = ParkingName(game, current);
            if (history.RenameModifier(*found, parked))
                current = parked;
        }
        existing.push_back({ modifier, std::move(current), std::move(before) });
    }
    for (const Existing& entry : existing)
    {
        tcModifier* found = game.FindModifierByName(entry.current);
        if (!found)
            continue;
        if (history.ReplaceModifier(*found, SnapshotOfDocument(entry.modifier->state, variableIdOf,
                                                               outcome.unknownVariables), "restore"))
        {
            ++outcome.restored;
            continue;
        }
        // A refused replace leaves no part of the work and no parking name:
        // the modifier is put back as it was.
        if (!history.ReplaceModifier(*found, entry.before, "restore") &&
            game.GetTimecycleName(*found) != entry.before.name)
            history.RenameModifier(*found, entry.before.name);
        outcome.keptOld.push_back(game.GetTimecycleName(*found));
    }
    for (const UnsavedModifier* modifier : work)
    {
        if (modifier->kind != UnsavedModifier::Kind::Put || !modifier->created)
            continue;
        const ModifierSnapshot snapshot = SnapshotOfDocument(modifier->state, variableIdOf, outcome.unknownVariables);
        tcModifier* found = game.FindModifierByName(snapshot.name);
        const bool restored =
            found ? history.ReplaceModifier(*found, snapshot, "restore") : history.CreateModifier(snapshot) != nullptr;
        if (restored)
            ++outcome.restored;
        else
            outcome.refused.push_back(snapshot.name);
    }
    history.EndGroup();

    m_state.RefreshSelection();
    SelectTheOneRestored(work);
    m_state.SetStatus(RestoreMessage(outcome, *offer, work),
                      !outcome.refused.empty() || !outcome.keptOld.empty() || !outcome.notFound.empty());

    // The restored work is this session's now; the old copy goes once it is
    // safe in this session's journal. When nothing could be restored it
    // stays, for the next start.
    CaptureCompletedSteps();
    if (history.Revision() != revisionBefore)
        m_writer.RemoveAfterWriting(std::move(m_offers.back()));
    NextOffer();
}

void SessionRecovery::SelectTheOneRestored(const std::vector<const UnsavedModifier*>& work)
{
    if (work.size() != 1 || work.front()->kind != UnsavedModifier::Kind::Put)
        return;
    if (tcModifier* restored = m_state.game.FindModifierByName(work.front()->state.name))
    {
        m_state.Select(*restored);
        m_state.FillNameInput(work.front()->state.name);
    }
}

void SessionRecovery::SaveToFile()
{
    const EndedSession* offer = CurrentOffer();
    if (!offer || offer->work.Empty())
        return;
    std::vector<DocumentModifier> modifiers;
    DocumentNameList removed{ "Removed this session:", {} };
    for (const auto& [key, modifier] : offer->work.modifiers)
    {
        if (modifier.kind == UnsavedModifier::Kind::Removed)
            removed.names.push_back(modifier.key);
        else
            modifiers.push_back(modifier.state);
    }
    const SaveOutcome outcome =
        SaveDocument(ModifierDocumentText(modifiers, removed.names.empty() ? nullptr : &removed), ParentFolder(m_folder));
    m_state.SetStatus(outcome.message, !outcome.saved);
    if (!outcome.saved)
        return;
    m_offers.back().Remove();
    NextOffer();
}

void SessionRecovery::Discard()
{
    if (!CurrentOffer())
        return;
    // A damaged journal, or one whose folder cannot be written, stays.
    m_offers.back().Remove();
    NextOffer();
}
}
