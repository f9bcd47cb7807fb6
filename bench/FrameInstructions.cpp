// Counts the instructions of one editor frame with callgrind, so that the
// figure does not move with the machine's load. bench/report runs
//   valgrind --tool=callgrind --instr-atstart=no editor-frame-instructions FRAMES
// Each measurement, FRAMES frames at one size with or without the name
// filter, ends in a callgrind dump named after it ("frame/100",
// "frame_filtered/100", ...). Without valgrind the program just runs the
// frames.
#include "BenchGame.h"

#include "EditorState.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
// Frames a new window needs to lay itself out before its frames look alike.
constexpr int kSettleFrames = 3;

void CountFrames(int modifiers, bool filtered, int frames)
{
    bench::LoadGame(modifiers);
    TimecycleEditorState editor;
    bench::OpenEditor(editor, filtered);
    for (int i = 0; i < kSettleFrames; ++i)
        bench::RunEditorFrame(editor);

    const std::string name = std::string(filtered ? "frame_filtered/" : "frame/") + std::to_string(modifiers);
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    for (int i = 0; i < frames; ++i)
        bench::RunEditorFrame(editor);
    CALLGRIND_DUMP_STATS_AT(name.c_str());
    CALLGRIND_STOP_INSTRUMENTATION;
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
    return 0;
}
