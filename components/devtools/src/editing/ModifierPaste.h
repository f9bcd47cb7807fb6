// Pasted timecycle_modifier_data text applied to the game through the edit
// history: each paste is one step, undone whole.
#pragma once

#include "game/GameTimecycle.h"

#include <string>
#include <string_view>

namespace tceditor
{
class EditHistory;

struct PasteOutcome
{
    // For the status line: what was updated, created and skipped, or why
    // nothing was pasted.
    std::string message;
    // Nothing of the text reached the game.
    bool failed = false;
};

// Every modifier of the document: one the game has by name takes the
// document's parameters (those it lacks are removed), values and user flags
// exactly; one it lacks is created. Variables the game does not know are
// skipped and named. Text that is not such a document changes nothing.
PasteOutcome PasteModifiers(GameTimecycle& game, EditHistory& history, std::string_view text);

// The document's first modifier's parameters, values and user flags onto
// `target`, whatever its name.
PasteOutcome PasteParameters(GameTimecycle& game, EditHistory& history, tcModifier& target, std::string_view text);
}
