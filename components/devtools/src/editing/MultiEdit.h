// Edits of every selected modifier at once (a multi-selection). Each is one
// step of the history, named "... in N modifiers" after the modifiers it
// acts on, undone and redone across all of them; a member the game changed
// meanwhile is left alone by the undo, which names it. Each returns how many
// modifiers took the edit.
#pragma once

#include "editing/EditHistory.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tceditor
{
struct TimecycleEditorState;

// Sets the value in every member that has the parameter.
size_t MultiSetValue(TimecycleEditorState& state, int32_t varId, ValueColumn column, float value,
                     uint32_t gesture = 0);
// Moves the value of every member that has the parameter by `offset`;
// frames of one gesture are one step.
size_t MultiOffsetValue(TimecycleEditorState& state, int32_t varId, ValueColumn column, float offset,
                        uint32_t gesture);
// A text typed into a value field that showed `shownText`: "+x", "*x", "/x"
// act on each member's own exact value, a number is set in all. None when
// the text is neither (nothing changes); the text as shown changes nothing.
std::optional<size_t> MultiApplyTypedText(TimecycleEditorState& state, int32_t varId, ValueColumn column,
                                          std::string_view typedText, std::string_view shownText);
size_t MultiResetToDefault(TimecycleEditorState& state, int32_t varId, ValueColumn column);
// Each member that has the parameter in its original of this session gets
// that value; the others are left as they are.
size_t MultiResetToOriginal(TimecycleEditorState& state, int32_t varId, ValueColumn column);
// The colour into every member that has all three channels.
size_t MultiSetColour(TimecycleEditorState& state, const std::array<int32_t, 3>& channels, std::string_view stem,
                      ValueColumn column, const std::array<float, 3>& colour, uint32_t gesture);
// Adds the variable to every member that lacks it.
size_t MultiAddVariable(TimecycleEditorState& state, const char* varName);
// Removes the parameter from every member that has it, deleted or switched
// off (the values kept for switching it on again).
size_t MultiRemoveVariable(TimecycleEditorState& state, int32_t varId, ParameterChangeKind kind);
// Switches the parameter on again, with its kept values, in the members it
// was switched off in that lack it now.
size_t MultiSwitchOn(TimecycleEditorState& state, int32_t varId);
}
