// The browser's search: by name and by parameter. The result is cached as a
// set of name hashes and rebuilt only when the search text changes.
#pragma once

namespace tceditor
{
struct TimecycleEditorState;

bool IsFilterActive(const TimecycleEditorState& state);

// Recomputes filterHashes from searchName and searchParam. The selected
// modifier always passes.
void RebuildFilter(TimecycleEditorState& state);
}
