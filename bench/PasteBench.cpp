// "Paste XML" of many new modifiers against the game's own loader (tc_load)
// of the same document, and the undo of that paste. The game holds the data
// as committed; the document holds 20,000 copies of its modifiers under new
// names.
#include "BenchGame.h"

#include <EditorState.h>
#include <LiveTimecycle.h>
#include <ModifierDocument.h>
#include <ModifierDocumentOfGame.h>
#include <ModifierPaste.h>
#include <TimecycleControl.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace tceditor;

namespace
{
constexpr int kPastedModifiers = 20000;

struct PasteDocument
{
    std::string text;
    std::string path;
};

// The document, also written to a file for the loader; made once.
const PasteDocument& Document()
{
    static const PasteDocument document = [] {
        const int dataCount = bench::LoadData();
        std::vector<DocumentModifier> modifiers;
        for (int i = 0; i < kPastedModifiers; ++i)
        {
            modifiers.push_back(DocumentOfModifier(LiveGame(), *LiveGame().GetTimecycleByIndex(unsigned(i % dataCount))));
            modifiers.back().name = "pasted_" + std::to_string(i);
        }
        PasteDocument made{ ModifierDocumentText(modifiers),
                            (std::filesystem::temp_directory_path() / "vesk-bench-paste.xml").string() };
        std::ofstream(made.path, std::ios::binary) << made.text;
        return made;
    }();
    return document;
}

// Takes the pasted or loaded modifiers out again, newest first.
void RemovePasted(int dataCount)
{
    GameTimecycle& game = LiveGame();
    while (game.Modifiers().size() > size_t(dataCount))
        game.RemoveTimecycle(*game.Modifiers().back());
}

// The game's loader: `tc_load` of the document.
void LoadDocument(benchmark::State& state)
{
    const PasteDocument& document = Document();
    const int dataCount = bench::LoadData();
    for (auto _ : state)
    {
        const timecycle::LoadReport report =
            timecycle::LoadModifierFile(document.path, timecycle::ExistingModifiers::Replace);
        state.PauseTiming();
        if (report.modifiersLoaded != kPastedModifiers)
            state.SkipWithError("the loader did not create every modifier");
        RemovePasted(dataCount);
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
    const PasteDocument& document = Document();
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
