// What keeping the unsaved work on disk costs: the editor's thread for one
// value step while every modifier of the data is changed (the copy it hands
// to the writer), the bytes written for that step, and the time to restore
// the work of all those modifiers in a fresh game.
#include "BenchGame.h"

#include "EditorState.h"
#include "LiveTimecycle.h"
#include "SessionRecovery.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

using namespace tceditor;
namespace fs = std::filesystem;

namespace
{
constexpr int kDataModifiers = 2093;

// Changes every modifier, each as a step of its own: its first value to one
// it has not had before (the benchmarks run more than once over one game),
// or, without parameters, by a parameter added. Returns how many changed.
int ChangeEveryModifier(TimecycleEditorState& editor)
{
    static float value = 0.5f;
    value += 0.25f;
    int changed = 0;
    for (tcModifier* modifier : editor.game.Modifiers())
    {
        if (modifier->numMods == 0)
            changed += editor.history.AddParameter(*modifier, editor.game.VariableName(0), nullptr,
                                                   ParameterChangeKind::AddedOrDeleted);
        else
            changed += editor.history.SetValue(*modifier, modifier->modData[0].varId, ValueColumn::Outdoor, value);
    }
    return changed;
}
}

void RecoveryStep(benchmark::State& state)
{
    bench::LoadGame(kDataModifiers);
    const fs::path folder = bench::FreshFolder("vesk-bench-recovery-step");
    {
        TimecycleEditorState editor{ LiveGame() };
        SessionRecovery recovery(editor, bench::Utf16(folder));
        bench::WaitForOffers(recovery);
        const int changed = ChangeEveryModifier(editor);
        recovery.CaptureCompletedSteps();
        recovery.Writer().WaitUntilWritten();

        tcModifier& modifier = *editor.game.Modifiers()[kDataModifiers / 2];
        const int32_t varId = modifier.modData[0].varId;
        float value = 1.0f;
        uint64_t stepBytes = 0;
        for (auto _ : state)
        {
            editor.history.SetValue(modifier, varId, ValueColumn::Outdoor, value += 0.001f);
            recovery.CaptureCompletedSteps();
            state.PauseTiming();
            const uint64_t before = recovery.Writer().BytesWritten();
            recovery.Writer().WaitUntilWritten();
            // The first step after the whole journal was written is appended
            // as a record of its own.
            if (stepBytes == 0)
                stepBytes = recovery.Writer().BytesWritten() - before;
            state.ResumeTiming();
        }
        state.counters["step_bytes"] = double(stepBytes);
        state.counters["modifiers"] = double(changed);
        editor.history.Clear();
    }
    fs::remove_all(folder);
}

void RestoreEveryModifier(benchmark::State& state)
{
    bench::LoadGame(kDataModifiers);
    const fs::path folder = bench::FreshFolder("vesk-bench-recovery-restore");
    const fs::path ended = folder / "ended";
    {
        TimecycleEditorState editor{ LiveGame() };
        SessionRecovery recovery(editor, bench::Utf16(ended));
        bench::WaitForOffers(recovery);
        ChangeEveryModifier(editor);
        recovery.CaptureCompletedSteps();
        recovery.Writer().WaitUntilWritten();
        while (editor.history.CanUndo())
            editor.Undo();
        fs::copy(ended, folder / "copy");
    }
    // The undo above left nothing unsaved; the copy holds the work.
    size_t restored = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        fs::remove_all(ended);
        fs::copy(folder / "copy", ended);
        auto editor = std::make_unique<TimecycleEditorState>(LiveGame());
        state.ResumeTiming();
        auto recovery = std::make_unique<SessionRecovery>(*editor, bench::Utf16(ended));
        bench::WaitForOffers(*recovery);
        restored = recovery->CurrentOffer() ? recovery->CurrentOffer()->work.modifiers.size() : 0;
        recovery->Restore();
        state.PauseTiming();
        editor->Undo();
        recovery.reset();
        editor.reset();
        state.ResumeTiming();
    }
    state.counters["modifiers"] = double(restored);
    fs::remove_all(folder);
}

BENCHMARK(RecoveryStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(RestoreEveryModifier)->Unit(benchmark::kMillisecond)->Iterations(5);
