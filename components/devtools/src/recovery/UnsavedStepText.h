// One step of unsaved work as the text of a journal record: lines of words,
// values in the shortest form that reads back to the same float, names and
// variables with every byte outside printable ASCII (and '%') written as %HH.
// Read by the rules the document reader keeps for the same things: a
// parameter that is not two finite numbers is left out, and of a variable
// given twice in a modifier the first counts; each with a note.
#pragma once

#include "recovery/UnsavedWork.h"

#include <string>
#include <string_view>
#include <vector>

namespace tceditor
{
std::string UnsavedStepText(const UnsavedStep& step);

struct UnsavedStepReading
{
    UnsavedStep step;
    // What was left out, as the document reader words it.
    std::vector<std::string> notes;
    // Why the text is no step; empty when it is one.
    std::string error;
};
UnsavedStepReading ReadUnsavedStep(std::string_view text);
}
