// Counts the instructions of one editor frame with callgrind, so that the
// figure does not move with the machine's load. bench/report runs
//   valgrind --tool=callgrind --instr-atstart=no editor-frame-instructions FRAMES
// Each measurement, FRAMES frames at one size with or without the name
// filter, ends in a callgrind dump named after it ("frame/100",
// "frame_filtered/100", ...). The detail pane is measured the same way: the
// editor with a modifier of 15 and of 379 parameters selected, in the window
// as it opens, where 15 rows already fill the table's view
// ("frame_table/15", "frame_table/379"), and in the larger window of the
// other measurements, where the table shows 15 rows against twice as many
// ("frame_table_large/15", ...); and the variable suggestions open over a
// game of 20 and of 379 variables ("frame_popup/20", "frame_popup/379").
// Without valgrind the program just runs the frames.
#include "BenchGame.h"

#include "EditorState.h"
#include "LiveTimecycle.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tceditor;

namespace
{
// Frames a new window needs to lay itself out before its frames look alike.
constexpr int kSettleFrames = 3;

// Counts `frames` frames of the editor as it is now, under `name`.
void CountEditorFrames(TimecycleEditorState& editor, const std::string& name, int frames)
{
    for (int i = 0; i < kSettleFrames; ++i)
        bench::RunEditorFrame(editor);

    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    for (int i = 0; i < frames; ++i)
        bench::RunEditorFrame(editor);
    CALLGRIND_DUMP_STATS_AT(name.c_str());
    CALLGRIND_STOP_INSTRUMENTATION;
}

void CountFrames(int modifiers, bool filtered, int frames)
{
    bench::LoadGame(modifiers);
    TimecycleEditorState editor{ LiveGame() };
    bench::OpenEditor(editor, filtered);
    bench::SetEditorSize(editor, bench::kWorkingSize);
    CountEditorFrames(editor, std::string(filtered ? "frame_filtered/" : "frame/") + std::to_string(modifiers),
                      frames);
}

// The open editor over the smallest game with a modifier of `parameters`
// parameters selected, in a window of `size`.
void CountTableFrames(int parameters, const float (&size)[2], const char* name, int frames)
{
    bench::LoadGame(bench::kModifierCounts[0]);
    tcModifier& modifier = bench::AddModifierWithParameters("bench_parameters", parameters);
    TimecycleEditorState editor{ LiveGame() };
    bench::OpenEditor(editor, false);
    bench::SetEditorSize(editor, size);
    bench::SelectModifier(editor, modifier);
    CountEditorFrames(editor, name + std::to_string(parameters), frames);
}

// The suggestions under the "Variable" field over a game of `variables`
// variables, every one of them matching the typed text but those the
// selected modifier has.
void CountPopupFrames(int variables, int frames)
{
    bench::LoadVariables(variables);
    tcModifier& modifier = bench::AddModifierWithParameters("bench_suggestions", bench::kSuggestionModifierParameters);
    TimecycleEditorState editor{ LiveGame() };
    bench::OpenEditor(editor, false);
    bench::SetEditorSize(editor, bench::kWorkingSize);
    bench::SelectModifier(editor, modifier);
    bench::TypeIntoVariableField(editor, bench::kVariableQuery);
    CountEditorFrames(editor, "frame_popup/" + std::to_string(variables), frames);
}
}

int main(int argc, char** argv)
{
    const int frames = argc == 2 ? atoi(argv[1]) : 0;
    if (frames < 1)
    {
        fprintf(stderr, "usage: editor-frame-instructions FRAMES\n");
        return 2;
    }

    for (int modifiers : bench::kModifierCounts)
    {
        CountFrames(modifiers, false, frames);
        CountFrames(modifiers, true, frames);
    }
    for (int parameters : bench::kParameterCounts)
    {
        CountTableFrames(parameters, bench::kOpeningSize, "frame_table/", frames);
        CountTableFrames(parameters, bench::kWorkingSize, "frame_table_large/", frames);
    }
    for (int variables : bench::kVariableCounts)
        CountPopupFrames(variables, frames);
    return 0;
}
