#include "SessionRecovery.h"

#include "EditorState.h"
#include "ModifierDocumentFile.h"
#include "ModifierDocumentOfGame.h"
#include "ModifierNameIndex.h"
#include "VariableNameIndex.h"
#include "XmlText.h"

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
    const platform::LocalTime time = platform::GetLocalTime();
    return va("%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour, time.minute, time.second);
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
        const bool asLoaded = ModifierSnapshot::Take(state.game, *modifier) == *live->original;
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
    const UnsavedWork& work = session.work;
    return "The session that ended at " + work.endedAt + " left " + ModifierCount(work.modifiers.size()) +
           " changed (" + std::to_string(work.CreatedCount()) + " created, " + std::to_string(work.RemovedCount()) +
           " removed)";
}

SessionRecovery::SessionRecovery(TimecycleEditorState& state, std::u16string folder)
    : m_state(state), m_folder(folder), m_writer(std::move(folder))
{
}

void SessionRecovery::CaptureCompletedSteps()
{
    // A failing disk is told once, in the status line.
    std::string error = m_writer.Error();
    if (!error.empty() && error != m_shownError)
        m_state.SetStatus("Unsaved work is not kept on disk: " + error, true);
    m_shownError = std::move(error);

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

void SessionRecovery::Restore()
{
    const EndedSession* offer = CurrentOffer();
    if (!offer || !offer->damage.empty())
        return;
    GameTimecycle& game = m_state.game;
    EditHistory& history = m_state.history;
    const std::vector<const UnsavedModifier*> work = [&] {
        std::vector<const UnsavedModifier*> modifiers;
        for (const auto& [key, modifier] : offer->work.modifiers)
            modifiers.push_back(&modifier);
        return modifiers;
    }();
    std::vector<std::string> unknown;
    std::vector<std::string> refused;
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
            history.DeleteModifier(*found);
    }
    std::vector<std::pair<const UnsavedModifier*, std::string>> existing;
    for (const UnsavedModifier* modifier : work)
    {
        if (modifier->kind != UnsavedModifier::Kind::Put || modifier->created)
            continue;
        tcModifier* found = game.FindModifierByName(modifier->key);
        if (!found)
        {
            refused.push_back(modifier->key);
            continue;
        }
        std::string current = modifier->key;
        if (modifier->state.name != current)
        {
            const std::string parked = ParkingName(game, current);
            if (history.RenameModifier(*found, parked))
                current = parked;
        }
        existing.emplace_back(modifier, current);
    }
    for (const auto& [modifier, current] : existing)
    {
        tcModifier* found = game.FindModifierByName(current);
        if (!found ||
            !history.ReplaceModifier(*found, SnapshotOfDocument(modifier->state, variableIdOf, unknown), "restore"))
            refused.push_back(modifier->state.name);
    }
    for (const UnsavedModifier* modifier : work)
    {
        if (modifier->kind != UnsavedModifier::Kind::Put || !modifier->created)
            continue;
        const ModifierSnapshot snapshot = SnapshotOfDocument(modifier->state, variableIdOf, unknown);
        tcModifier* found = game.FindModifierByName(snapshot.name);
        const bool restored =
            found ? history.ReplaceModifier(*found, snapshot, "restore") : history.CreateModifier(snapshot) != nullptr;
        if (!restored)
            refused.push_back(snapshot.name);
    }
    history.EndGroup();

    std::string message = "Restored " + ModifierCount(work.size()) + " from the session that ended at " +
                          offer->work.endedAt;
    if (!unknown.empty())
    {
        message += unknown.size() == 1 ? "; skipped unknown variable " : "; skipped unknown variables ";
        for (size_t i = 0; i < unknown.size(); ++i)
            message += (i ? ", " : "") + DisplayName(unknown[i]);
    }
    if (!refused.empty())
    {
        message += "; the game refused all or part of ";
        for (size_t i = 0; i < refused.size(); ++i)
            message += (i ? ", " : "") + DisplayName(refused[i]);
    }
    m_state.RefreshSelection();
    m_state.SetStatus(std::move(message), false);

    // The restored work is this session's now; the old copy goes once it is
    // safe in this session's journal. When nothing could be restored it
    // stays, for the next start.
    CaptureCompletedSteps();
    if (history.Revision() != revisionBefore)
        m_writer.RemoveAfterWriting(std::move(m_offers.back()));
    NextOffer();
}

void SessionRecovery::SaveToFile()
{
    const EndedSession* offer = CurrentOffer();
    if (!offer || !offer->damage.empty())
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
    // A damaged journal was moved aside and stays there.
    if (m_offers.back().damage.empty())
        m_offers.back().Remove();
    NextOffer();
}
}
