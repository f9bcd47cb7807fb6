// A large "Paste XML" as the game's editor makes it, its unsaved work kept
// on disk, against the game's own loader (tc_load) of the same document.
// bench/report runs
//   valgrind --tool=callgrind --instr-atstart=no --separate-threads=yes paste-measures instructions
// for the instructions: "tc_load/N" is the loader's, "paste_kept/N" the
// editor thread's paste and the capture of its unsaved work at the end of
// that frame (the freeze a developer sees); the writer works on its own
// thread.
// Peak memory is measured in a fresh process each:
//   paste-measures rss load N     the growth of the peak RSS over tc_load
//   paste-measures rss paste N    the same over the paste, until written
// each printed in bytes.
#include "BenchGame.h"
#include "PasteDocument.h"

#include "editing/EditorState.h"
#include "editing/ModifierPaste.h"
#include "game/LiveTimecycle.h"
#include "recovery/SessionRecovery.h"

#include <TimecycleControl.h>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

using namespace tceditor;
using bench::Fail;

namespace
{
void LoadDocument(int count)
{
    const timecycle::LoadReport report =
        timecycle::LoadModifierFile(bench::PasteDocumentOf(count).path, timecycle::ExistingModifiers::Replace);
    if (report.modifiersLoaded != count)
        Fail("the loader did not create every modifier");
}

// The paste as the editor makes it, and the capture the frame ends with.
void PasteKept(TimecycleEditorState& editor, int count)
{
    const PasteOutcome outcome = PasteModifiers(editor.game, editor.history, bench::PasteDocumentOf(count).text);
    if (outcome.failed)
        Fail("the paste failed: " + outcome.message.substr(0, 200));
    editor.recovery->CaptureCompletedSteps();
}

void CountInstructions()
{
    const int dataCount = bench::LoadData();
    for (int count : bench::kPastedModifiers)
    {
        bench::PasteDocumentOf(count);
        const std::string size = std::to_string(count);

        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_ZERO_STATS;
        LoadDocument(count);
        const std::string loadName = "tc_load/" + size;
        CALLGRIND_DUMP_STATS_AT(loadName.c_str());
        CALLGRIND_STOP_INSTRUMENTATION;
        bench::RemovePasted(dataCount);

        TimecycleEditorState editor{ LiveGame() };
        const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-paste-unsaved");
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_ZERO_STATS;
        PasteKept(editor, count);
        const std::string pasteName = "paste_kept/" + size;
        CALLGRIND_DUMP_STATS_AT(pasteName.c_str());
        CALLGRIND_STOP_INSTRUMENTATION;
        unsaved.recovery->Writer().WaitUntilWritten();
        editor.Undo();
        if (editor.game.Modifiers().size() != size_t(dataCount))
            Fail("the undo of the paste did not hold");
    }
}

// A field of /proc/self/status, in bytes.
size_t StatusBytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t length = strlen(field);
    while (std::getline(status, line))
    {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return size_t(strtoull(line.c_str() + length + 1, nullptr, 10)) * 1024;
    }
    Fail(std::string("no ") + field + " in /proc/self/status");
}

// The growth of the peak RSS while `work` runs, from the RSS before it.
size_t PeakGrowth(const std::function<void()>& work)
{
    // "5" resets the peak to the RSS now.
    if (!(std::ofstream("/proc/self/clear_refs") << "5"))
        Fail("the peak RSS cannot be reset");
    const size_t before = StatusBytes("VmRSS");
    work();
    const size_t peak = StatusBytes("VmHWM");
    return peak > before ? peak - before : 0;
}

void MeasurePeak(const std::string& kind, int count)
{
    bench::PasteDocumentOf(count);
    size_t growth = 0;
    if (kind == "load")
    {
        growth = PeakGrowth([&] { LoadDocument(count); });
    }
    else if (kind == "paste")
    {
        TimecycleEditorState editor{ LiveGame() };
        const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-paste-unsaved");
        growth = PeakGrowth([&] {
            PasteKept(editor, count);
            unsaved.recovery->Writer().WaitUntilWritten();
        });
        editor.history.Clear();
    }
    else
    {
        Fail("no measurement \"" + kind + "\"");
    }
    printf("%zu\n", growth);
}
}

int main(int argc, char** argv)
{
    if (argc == 2 && strcmp(argv[1], "instructions") == 0)
        CountInstructions();
    else if (argc == 4 && strcmp(argv[1], "rss") == 0 && atoi(argv[3]) > 0)
        MeasurePeak(argv[2], atoi(argv[3]));
    else
    {
        fprintf(stderr, "usage: paste-measures instructions | paste-measures rss load|paste COUNT\n");
        return 2;
    }
    return 0;
}
