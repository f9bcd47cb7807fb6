// The session's unsaved work kept on disk, and the work of ended sessions
// offered back. On the editor's thread it only takes, once a step has
// completed, a copy of each modifier the step touched; the writer does the
// disk work. The offers of ended sessions are acted on here: "Restore" puts
// one into the game as one undoable step, "Save to file" writes it as a
// "Save changed" document, "Discard" deletes it. Of a journal that did not
// read completely the part that did is offered the same way; the file
// itself is kept whatever is chosen.
#pragma once

#include "recovery/UnsavedWorkWriter.h"

#include <string>
#include <vector>

namespace tceditor
{
struct TimecycleEditorState;

class SessionRecovery
{
public:
    // Unsaved work goes to `folder` ("data/timecycle-changes/unsaved").
    SessionRecovery(TimecycleEditorState& state, std::u16string folder);

    // After every frame: hands the changes of each completed step to the
    // writer. Nothing is taken while a drag is still extending its step or
    // "Compare" shows an original in the game.
    void CaptureCompletedSteps();
    // "Save changed" wrote the session's work.
    void NoteSaved();
    // The editor forgot the session (the game shut networking down): its
    // work stays on disk as that of an ended session.
    void NoteSessionForgotten();

    // Whether the search for ended sessions is done.
    bool OffersReady();
    // Which of the ended sessions found the current offer is (1 for the
    // first), and how many were found.
    size_t OfferNumber() const { return m_offersFound - m_offers.size() + 1; }
    size_t OffersFound() const { return m_offersFound; }
    // The ended session offered now (newest first), or null while there is
    // none or the search is not done.
    const EndedSession* CurrentOffer();
    // The offer's work in the game as one step; the status line counts what
    // was restored and names what the game refused or did not have. A
    // modifier whose new values the game refuses keeps its old ones and its
    // own name.
    void Restore();
    // The offer's work as a new document in "data/timecycle-changes".
    void SaveToFile();
    // Forgets the offer, deleting its work (asked twice by the popup), or
    // moving on from a damaged one's notice.
    void Discard();

    // While the work cannot be written to disk: a warning that says so and
    // why; empty while it is kept.
    std::string NotKeptWarning() const;

    UnsavedWorkWriter& Writer() { return m_writer; }

    // The popup asks once more before "Discard" acts.
    bool askingToDiscard = false;

private:
    void NextOffer();
    // A restore of one modifier selects it, so that it can be looked at and
    // worked on at once.
    void SelectTheOneRestored(const std::vector<const UnsavedModifier*>& work);

    TimecycleEditorState& m_state;
    std::u16string m_folder;
    UnsavedWorkWriter m_writer;
    bool m_offersTaken = false;
    // Why the last frame found writing failing.
    std::string m_writeError;
    size_t m_offersFound = 0;
    std::vector<EndedSession> m_offers;
};

// The popup's text for a session: "The session's last change was at
// 2026-12-10 14:03:22; it left 3 modifiers changed (1 created, 1 removed)".
std::string OfferText(const EndedSession& session);
// The modifiers of a session's work, one line per kind that it has:
// "Changed: fog_bank, sunny_day", "Created: ...", "Removed: ...", each
// naming its first few and counting the rest.
std::vector<std::string> OfferNameLines(const EndedSession& session);
// "3 modifiers", "1 modifier".
std::string ModifierCount(size_t count);
}
