// The browser's search: by name and by parameter. The result is cached as a
// set of name hashes and rebuilt only when the search text changes.
#pragma once

struct TimecycleEditorState;

bool IsFilterActive(const TimecycleEditorState& state);

// Recomputes filterHashes from searchName and searchParam. The selected
// modifier always passes.
void RebuildFilter(TimecycleEditorState& state);

// The first place in `text` where `query` appears, comparing letters through
// the global locale's toupper; null when there is none, when the query is
// empty, or when either is null.
const char* ContainsIgnoreCase(const char* text, const char* query);
