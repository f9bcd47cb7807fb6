// The editor's cost per GUI frame: open over games of different sizes, with
// and without a name filter, and closed.
#include "BenchGame.h"

#include "EditorState.h"
#include "ModifierSearch.h"
#include "TimecycleEditor.h"

#include <CoreRTControl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace
{
// Frames a new window needs to lay itself out before its frames look alike.
constexpr int kSettleFrames = 3;

// How many of the game's modifiers the list shows.
int ListedModifiers(bool filtered)
{
    tcManager& manager = *TimecycleManager::GetGameManager();
    int listed = 0;
    for (unsigned i = 0; i < manager.modifierCount; ++i)
    {
        const std::string& name = TheTimecycleManager->GetTimecycleName(*manager.modifiers[i]);
        if (!filtered || ContainsIgnoreCase(name.c_str(), bench::kFilterQuery))
            ++listed;
    }
    return listed;
}

void MeasureEditorFrame(benchmark::State& state, bool filtered)
{
    bench::LoadGame(static_cast<int>(state.range(0)));
    TimecycleEditorState editor;
    bench::OpenEditor(editor, filtered);
    for (int i = 0; i < kSettleFrames; ++i)
        bench::RunEditorFrame(editor);

    for (auto _ : state)
        bench::RunEditorFrame(editor);
    state.counters["listed"] = ListedModifiers(filtered);
}

void EditorFrame(benchmark::State& state)
{
    MeasureEditorFrame(state, false);
}

void EditorFrameFiltered(benchmark::State& state)
{
    MeasureEditorFrame(state, true);
}

// The editor as the game starts it, so that its frame handlers have their
// state.
TimecycleEditorState& StartedEditor()
{
    static TimecycleEditorState* editor = [] {
        StartTimecycleEditor();
        if (!GetTimecycleEditorState())
        {
            fprintf(stderr, "bench: the editor did not start (pure level above 0?)\n");
            exit(1);
        }
        return GetTimecycleEditorState();
    }();
    return *editor;
}

// What a closed editor costs the game each frame: the console host asks
// whether the GUI is wanted and raises the draw event.
void ClosedEditorFrame(benchmark::State& state)
{
    bench::LoadGame(1000);
    corert::SetGameReady(true);
    TimecycleEditorState& editor = StartedEditor();
    editor.isOpen = false;

    for (auto _ : state)
    {
        bool wantGui = false;
        HandleShouldDrawGui(&wantGui);
        HandleDrawGui();
        benchmark::DoNotOptimize(wantGui);
    }
}
}

BENCHMARK(EditorFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(EditorFrameFiltered)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClosedEditorFrame);
