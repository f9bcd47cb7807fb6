// The editor's cost per GUI frame: open over games of different sizes, with
// and without a name filter, and closed; and what its edit history costs.
#include "BenchGame.h"

#include "editing/EditorState.h"
#include "editing/ModifierSearch.h"
#include "editing/ModifierSnapshot.h"
#include "game/LiveTimecycle.h"
#include "TimecycleEditor.h"

#include <CoreRTControl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

using namespace tceditor;

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
    TimecycleEditorState editor{ LiveGame() };
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

// The edit history: the time to undo the deletion of a modifier that has
// every variable of the data, and as counters the memory one recorded step
// takes, a value step (the most frequent kind) and that deletion.
void UndoModifierDeletion(benchmark::State& state)
{
    bench::LoadGame(bench::kModifierCounts[0]);
    const int parameters = TimecycleManager::GetConfigVarInfoCount();
    tcModifier& modifier = bench::AddModifierWithParameters("bench_deleted", parameters);
    const std::string name = TheTimecycleManager->GetTimecycleName(modifier);
    TimecycleEditorState editor{ LiveGame() };

    constexpr int kValueSteps = 1000;
    for (int i = 0; i < kValueSteps; ++i)
        editor.history.SetValue(modifier, i % parameters, ValueColumn::Outdoor, static_cast<float>(i));
    if (editor.history.StepCount() != kValueSteps)
        state.SkipWithError("the history did not record every value step");
    const double valueStepBytes = static_cast<double>(editor.history.Bytes()) / kValueSteps;
    editor.history.Clear();

    editor.history.DeleteModifier(modifier);
    const double deletionBytes = static_cast<double>(editor.history.Bytes());
    for (auto _ : state)
    {
        editor.Undo();
        state.PauseTiming();
        if (!editor.game.FindModifierByName(name))
            state.SkipWithError("the undo did not bring the modifier back");
        editor.Redo();
        state.ResumeTiming();
    }
    state.counters["value_step_bytes"] = valueStepBytes;
    state.counters["deletion_step_bytes"] = deletionBytes;
    state.counters["parameters"] = parameters;
}

BENCHMARK(EditorFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(EditorFrameFiltered)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClosedEditorFrame);
BENCHMARK(UndoModifierDeletion)->Unit(benchmark::kMillisecond);
