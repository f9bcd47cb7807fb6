// Several modifiers edited at once: "*0.8" typed into one parameter of the
// data's every modifier selected, and its undo, each on the editor's thread
// with the unsaved work kept (the copy of each changed modifier handed to the
// writer is part of the step).
#include "BenchGame.h"
#include "editing/EditorState.h"
#include "editing/MultiEdit.h"
#include "game/LiveTimecycle.h"
#include "recovery/SessionRecovery.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

using namespace tceditor;

namespace
{
// The editor over the data with every modifier selected, and the parameter
// most of them have.
struct EveryModifierSelected
{
    explicit EveryModifierSelected(const char* folderName) : unsaved(editor, folderName)
    {
        const std::span<tcModifier* const> rows = editor.listedModifiers.Update(editor.game.Modifiers(), nullptr, true);
        editor.SelectAllListed(rows);
        const std::vector<MultiParameterRow>& table = editor.UpdateMultiRows();
        const auto widest = std::max_element(table.begin(), table.end(), [](const auto& a, const auto& b) {
            return a.present < b.present;
        });
        if (widest == table.end())
            bench::Fail("the data has no parameters");
        varId = widest->varId;
        present = widest->present;
        unsaved.recovery->Writer().WaitUntilWritten();
    }
    void Apply()
    {
        if (MultiApplyTypedText(editor, varId, ValueColumn::Outdoor, "*0.8", "-").value_or(0) == 0)
            bench::Fail("the game took no value");
        unsaved.recovery->CaptureCompletedSteps();
    }
    void Undo()
    {
        editor.Undo();
        unsaved.recovery->CaptureCompletedSteps();
    }

    int modifiers = bench::LoadData();
    TimecycleEditorState editor{ LiveGame() };
    bench::KeptUnsavedWork unsaved;
    int32_t varId = -1;
    size_t present = 0;
};
}

void ApplyExpressionToEveryModifier(benchmark::State& state)
{
    EveryModifierSelected selected("vesk-bench-multi-apply");
    for (auto _ : state)
    {
        selected.Apply();
        state.PauseTiming();
        selected.Undo();
        selected.unsaved.recovery->Writer().WaitUntilWritten();
        state.ResumeTiming();
    }
    state.counters["modifiers"] = double(selected.present);
}
BENCHMARK(ApplyExpressionToEveryModifier)->Unit(benchmark::kMillisecond);

void UndoExpressionOverEveryModifier(benchmark::State& state)
{
    EveryModifierSelected selected("vesk-bench-multi-undo");
    for (auto _ : state)
    {
        state.PauseTiming();
        selected.Apply();
        selected.unsaved.recovery->Writer().WaitUntilWritten();
        state.ResumeTiming();
        selected.Undo();
    }
    state.counters["modifiers"] = double(selected.present);
}
BENCHMARK(UndoExpressionOverEveryModifier)->Unit(benchmark::kMillisecond);
