// What keeping the unsaved work on disk costs: the editor's thread for one
// value step while every modifier of the data is changed (the copy it hands
// to the writer), that step's CPU time in both threads (the writer's disk
// work too), the bytes written for it, and the CPU time to restore the work
// of all those modifiers in a fresh game: until it is in the game, and until
// it is this session's work on disk again. CPU times of the whole process are
// taken with std::clock, which counts every thread.
#include "BenchGame.h"

#include "editing/EditorState.h"
#include "game/LiveTimecycle.h"
#include "recovery/SessionRecovery.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

using namespace tceditor;
namespace fs = std::filesystem;

namespace
{
constexpr int kDataModifiers = 2093;
}

void RecoveryStep(benchmark::State& state)
{
    bench::LoadGame(kDataModifiers);
    const fs::path folder = bench::FreshFolder("vesk-bench-recovery-step");
    {
        TimecycleEditorState editor{ LiveGame() };
        SessionRecovery recovery(editor, bench::Utf16(folder));
        bench::WaitForOffers(recovery);
        const int changed = bench::ChangeModifiers(editor, kDataModifiers);
        recovery.CaptureCompletedSteps();
        recovery.Writer().WaitUntilWritten();

        tcModifier& modifier = *editor.game.Modifiers()[kDataModifiers / 2];
        const int32_t varId = modifier.modData[0].varId;
        float value = 1.0f;
        uint64_t stepBytes = 0;
        std::clock_t processCpu = 0;
        for (auto _ : state)
        {
            const std::clock_t start = std::clock();
            editor.history.SetValue(modifier, varId, ValueColumn::Outdoor, value += 0.001f);
            recovery.CaptureCompletedSteps();
            state.PauseTiming();
            const uint64_t before = recovery.Writer().BytesWritten();
            recovery.Writer().WaitUntilWritten();
            // The first step after the whole journal was written is appended
            // as a record of its own.
            if (stepBytes == 0)
                stepBytes = recovery.Writer().BytesWritten() - before;
            processCpu += std::clock() - start;
            state.ResumeTiming();
        }
        state.counters["step_bytes"] = double(stepBytes);
        state.counters["both_threads_cpu_ms"] =
            1e3 * double(processCpu) / CLOCKS_PER_SEC / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
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
        bench::ChangeModifiers(editor, kDataModifiers);
        recovery.CaptureCompletedSteps();
        recovery.Writer().WaitUntilWritten();
        while (editor.history.CanUndo())
            editor.Undo();
        fs::copy(ended, folder / "copy");
    }
    // The undo above left nothing unsaved; the copy holds the work.
    size_t restored = 0;
    std::clock_t restoreCpu = 0;
    std::clock_t processCpu = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        fs::remove_all(ended);
        fs::copy(folder / "copy", ended);
        auto editor = std::make_unique<TimecycleEditorState>(LiveGame());
        state.ResumeTiming();
        const std::clock_t start = std::clock();
        auto recovery = std::make_unique<SessionRecovery>(*editor, bench::Utf16(ended));
        bench::WaitForOffers(*recovery);
        restored = recovery->CurrentOffer() ? recovery->CurrentOffer()->work.modifiers.size() : 0;
        recovery->Restore();
        restoreCpu += std::clock() - start;
        // The restored work is done once it is this session's on disk.
        recovery->Writer().WaitUntilWritten();
        processCpu += std::clock() - start;
        state.PauseTiming();
        editor->Undo();
        recovery.reset();
        editor.reset();
        state.ResumeTiming();
    }
    state.counters["modifiers"] = double(restored);
    const double iterations = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["restore_cpu_ms"] = 1e3 * double(restoreCpu) / CLOCKS_PER_SEC / iterations;
    state.counters["both_threads_cpu_ms"] = 1e3 * double(processCpu) / CLOCKS_PER_SEC / iterations;
    fs::remove_all(folder);
}

BENCHMARK(RecoveryStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(RestoreEveryModifier)->Unit(benchmark::kMillisecond)->Iterations(5);
