// "Paste XML" of many new modifiers against the game's own loader (tc_load)
// of the same document, and the undo of that paste. The game holds the data
// as committed; the document holds 20,000 copies of its modifiers under new
// names.
#include "BenchGame.h"
#include "PasteDocument.h"

#include "editing/EditorState.h"
#include "editing/ModifierPaste.h"
#include "game/LiveTimecycle.h"

#include <TimecycleControl.h>

#include <benchmark/benchmark.h>

#include <string>

using namespace tceditor;

namespace
{
constexpr int kPastedModifiers = bench::kPastedModifiers[1];

const bench::PasteDocument& Document()
{
    return bench::PasteDocumentOf(kPastedModifiers);
}

// The game's loader: `tc_load` of the document.
void LoadDocument(benchmark::State& state)
{
    const bench::PasteDocument& document = Document();
    const int dataCount = bench::LoadData();
    for (auto _ : state)
    {
        const timecycle::LoadReport report =
            timecycle::LoadModifierFile(document.path, timecycle::ExistingModifiers::Replace);
        state.PauseTiming();
        if (report.modifiersLoaded != kPastedModifiers)
            state.SkipWithError("the loader did not create every modifier");
        bench::RemovePasted(dataCount);
        state.ResumeTiming();
    }
}

// "Paste XML" of the document, and its undo; `measured` says which is timed.
enum class Measured
{
    Paste,
    Undo,
};

void PasteDocumentInto(benchmark::State& state, Measured measured)
{
    const bench::PasteDocument& document = Document();
    const int dataCount = bench::LoadData();
    for (auto _ : state)
    {
        TimecycleEditorState editor{ LiveGame() };
        if (measured == Measured::Undo)
            state.PauseTiming();
        const PasteOutcome outcome = PasteModifiers(editor.game, editor.history, document.text);
        if (measured == Measured::Paste)
            state.PauseTiming();
        else
            state.ResumeTiming();
        editor.Undo();
        if (measured == Measured::Undo)
            state.PauseTiming();
        if (outcome.failed || editor.game.Modifiers().size() != size_t(dataCount))
            state.SkipWithError(("the paste or its undo did not hold: " + outcome.message.substr(0, 200)).c_str());
        state.ResumeTiming();
    }
}

void PasteModifiersDocument(benchmark::State& state)
{
    PasteDocumentInto(state, Measured::Paste);
}

void UndoPasteModifiersDocument(benchmark::State& state)
{
    PasteDocumentInto(state, Measured::Undo);
}
}

// A run takes most of a second: a few are enough (bench/report names the
// count in its results).
BENCHMARK(LoadDocument)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(PasteModifiersDocument)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(UndoPasteModifiersDocument)->Unit(benchmark::kMillisecond)->Iterations(2);
