#include "editing/TableValues.h"

namespace tceditor
{
ShownValues OriginalValues(const TimecycleEditorState& state, int32_t varId)
{
    const SessionChanges::Record* record = state.changes.Find(state.comparedEdit->name);
    return { record ? record->OriginalParameter(varId) : nullptr, true };
}

ShownValues TableValues(const TimecycleEditorState& state, int32_t varId)
{
    if (state.comparedEdit)
        return OriginalValues(state, varId);
    const auto working = state.selection.workingParams.find(varId);
    return { working != state.selection.workingParams.end() ? &working->second : nullptr, false };
}
}
