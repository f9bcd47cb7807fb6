// The cheapest frame that shows what the editor shows: Dear ImGui drawing
// the editor window's visible widgets (the same window, splitter, child
// regions, columns, table, clippers and labels) from texts made once, with
// no editor logic at all, and with the least work for their ids a
// hand-written program would do: a row's widgets take short labels under the
// row's number (PushID), not the editor's ids. Counted next to the editor's
// frame, it is the limit an immediate-mode editor can approach. The views are
// those of the benchmarks: nothing changed, no search, no popup; a primary
// and a transition modifier may be applied.
#pragma once

#include <TimecycleManager.h>
#include <imgui.h>

#include <string>
#include <vector>

namespace bench
{
// The tags after an applied modifier's name in the list.
enum BareTags
{
    kPrimaryTag = 1,
    kTransitionTag = 2,
};

struct BareListEntry
{
    const void* id;  // the row's id, as the browser gives it: the modifier
    std::string name;
    int tags;  // BareTags
};

struct BareParameterRow
{
    std::string varText, name, defaultText;
    float values[2];
    bool hasSwatch;
    ImVec4 swatchColour;
};

// An applied modifier's row of the browser; no text when none is applied.
struct BareAppliedRow
{
    std::string text;
    float strength = 0.0f;
};

// Everything the bare frame shows, made before it is drawn.
struct BareView
{
    float leftPaneWidth = 400.0f;
    float rightPaneWidth = 600.0f;
    std::vector<BareListEntry> list;
    std::string changedCountText;
    BareAppliedRow primary, transition;

    // The detail pane.
    char nameInput[128] = {};
    char paramFilter[128] = {};
    char varInput[128] = {};
    char searchName[128] = {};
    char searchParam[128] = {};
    const void* selectedId = nullptr;  // null: no modifier selected
    std::string indexText;
    std::vector<BareParameterRow> rows;
    // The table's fixed columns, as wide as their widest text.
    float varWidth = 0.0f, nameWidth = 0.0f;
};

// The view of the game as it is now, every modifier listed, with `selected`
// (or none) selected as a click in the browser selects it. Stops the process
// when the game shows something the bare frame does not draw.
BareView CaptureBareView(const tcModifier* selected);

// The first frame in a new context: the window where the editor's opens, at
// this size.
void OpenBareWindow(BareView& view, const float (&size)[2]);

// One GUI frame: NewFrame, the widgets, Render.
void RunBareFrame(BareView& view);
}
