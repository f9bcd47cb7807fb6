// Counts the instructions of the editor's work that has a time goal, so that
// the goal can be checked where the machine's load does not move it.
// bench/report runs
//   valgrind --tool=callgrind --instr-atstart=no --separate-threads=yes|no step-instructions RUNS
// once per thread setting: the editor's thread alone, and every thread.
// Each measurement, RUNS runs of one piece of work, ends in a callgrind dump
// named after it: "closed_frame" (what a closed editor costs the game each
// frame), "undo_deletion" (the undo of the deletion of a modifier that has
// every variable of the data) and "recovery_step/2093" (one value step while
// all 2,093 modifiers of the data are changed, its unsaved work kept: the
// editor thread's capture, and the writer's work for it on its own thread).
#include "BenchGame.h"

#include "editing/EditorState.h"
#include "game/LiveTimecycle.h"
#include "recovery/SessionRecovery.h"
#include "TimecycleEditor.h"

#include <CoreRTControl.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

using namespace tceditor;

namespace
{
constexpr int kDataModifiers = 2093;

// Counts `runs` runs of `work` under `name`; `between` runs after each,
// uncounted.
void CountRuns(const std::function<void()>& work, const std::function<void()>& between, const char* name, int runs)
{
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    for (int i = 0; i < runs; ++i)
    {
        work();
        CALLGRIND_TOGGLE_COLLECT;
        between();
        CALLGRIND_TOGGLE_COLLECT;
    }
    CALLGRIND_DUMP_STATS_AT(name);
    CALLGRIND_STOP_INSTRUMENTATION;
}

void CountUndoDeletion(int runs)
{
    bench::LoadGame(bench::kModifierCounts[0]);
    const int parameters = TimecycleManager::GetConfigVarInfoCount();
    tcModifier& modifier = bench::AddModifierWithParameters("bench_deleted", parameters);
    const std::string name = TheTimecycleManager->GetTimecycleName(modifier);
    TimecycleEditorState editor{ LiveGame() };
    editor.history.DeleteModifier(modifier);
    CountRuns([&] { editor.Undo(); },
              [&] {
                  if (!editor.game.FindModifierByName(name))
                      bench::Fail("the undo did not bring the modifier back");
                  editor.Redo();
              },
              "undo_deletion", runs);
    editor.history.Clear();
}

void CountRecoveryStep(int runs)
{
    bench::LoadGame(kDataModifiers);
    TimecycleEditorState editor{ LiveGame() };
    const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-step-unsaved");
    if (bench::ChangeModifiers(editor, kDataModifiers) != kDataModifiers)
        bench::Fail("the game refused a change");
    unsaved.recovery->CaptureCompletedSteps();
    unsaved.recovery->Writer().WaitUntilWritten();

    tcModifier& modifier = *editor.game.Modifiers()[kDataModifiers / 2];
    const int32_t varId = modifier.modData[0].varId;
    float value = 1.0f;
    // The writer's work for the step is counted too: on its own thread,
    // until the step is on disk.
    CountRuns([&] {
                  editor.history.SetValue(modifier, varId, ValueColumn::Outdoor, value += 0.001f);
                  unsaved.recovery->CaptureCompletedSteps();
                  unsaved.recovery->Writer().WaitUntilWritten();
              },
              [] {}, ("recovery_step/" + std::to_string(kDataModifiers)).c_str(), runs);
    while (editor.history.CanUndo())
        editor.Undo();
}

void CountClosedFrames(int runs)
{
    bench::LoadGame(1000);
    corert::SetGameReady(true);
    StartTimecycleEditor();
    TimecycleEditorState* editor = GetTimecycleEditorState();
    if (!editor)
        bench::Fail("the editor did not start (pure level above 0?)");
    editor->isOpen = false;
    // The first frame after the start settles the editor's state.
    bool settled = false;
    HandleShouldDrawGui(&settled);
    HandleDrawGui();
    CountRuns([] {
                  bool wantGui = false;
                  HandleShouldDrawGui(&wantGui);
                  HandleDrawGui();
              },
              [] {}, "closed_frame", runs);
}
}

int main(int argc, char** argv)
{
    const int runs = argc == 2 ? atoi(argv[1]) : 0;
    if (runs < 1)
    {
        fprintf(stderr, "usage: step-instructions RUNS\n");
        return 2;
    }
    CountUndoDeletion(runs);
    CountRecoveryStep(runs);
    CountClosedFrames(runs);
    return 0;
}
