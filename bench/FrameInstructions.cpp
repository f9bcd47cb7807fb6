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
// The table of 379 parameters is measured once more with that modifier
// applied as the primary and the list's first as the transition modifier
// ("frame_table_applied_large/379"): tags, strengths and "Clear" buttons.
// The unfiltered and the table measurements are followed by the bare frame
// of the same view ("bare_frame/10000", "bare_frame_table/15", ...), Dear
// ImGui drawing the same widgets with no editor logic, once a frame of each
// was checked to show the same. The list is measured in a session with
// work too: the data's 2,093 modifiers with 2,000 of them changed
// ("frame_changed/2093"), and with 20,000 modifiers created
// ("frame_created/22093"), each next to the same list without changes
// ("frame_unchanged/2093", "frame_unchanged/22093"). The rebuild of the
// search's result over 10,000 modifiers is counted too
// ("rebuild_filter/10000"), a time goal's work in instructions. The data's
// 2,093 modifiers all selected at once are measured in the opening window
// ("frame_multi/2093"), against the table of 379 parameters. The editor
// keeps its unsaved work on disk, as the game's editor always does.
// Without valgrind the program just runs the frames and the checks.
#include "BareFrame.h"
#include "BenchGame.h"
#include "FrameCheck.h"

#include "editing/EditorState.h"
#include "editing/ModifierSearch.h"
#include "game/LiveTimecycle.h"
#include "recovery/SessionRecovery.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <tuple>

using namespace tceditor;

namespace
{
// Frames a new window needs to lay itself out before its frames look alike.
constexpr int kSettleFrames = 3;

// Counts `frames` runs of `frame` under `name`.
void CountRuns(const std::function<void()>& frame, const std::string& name, int frames)
{
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    for (int i = 0; i < frames; ++i)
        frame();
    CALLGRIND_DUMP_STATS_AT(name.c_str());
    CALLGRIND_STOP_INSTRUMENTATION;
}

// Counts `frames` frames of the editor as it is now, under `name`.
void CountEditorFrames(TimecycleEditorState& editor, const std::string& name, int frames)
{
    for (int i = 0; i < kSettleFrames; ++i)
        bench::RunEditorFrame(editor);
    CountRuns([&] { bench::RunEditorFrame(editor); }, name, frames);
}

// Counts `frames` bare frames of what the editor shows now, in a window of
// `size`, under "bare_<name>", once the check found them the same as the
// editor's.
void CountBareFrames(TimecycleEditorState& editor, const tcModifier* selected, const float (&size)[2],
                     const std::string& name, int frames)
{
    bench::BareView view = bench::CaptureBareView(selected);
    ImGuiContext* editorContext = ImGui::GetCurrentContext();
    ImGuiContext* bareContext = bench::NewContextLikeEditors();
    bench::OpenBareWindow(view, size);
    for (int i = 0; i < kSettleFrames; ++i)
        bench::RunBareFrame(view);
    const bench::FrameRecord bare = bench::RecordFrame([&] { bench::RunBareFrame(view); });

    ImGui::SetCurrentContext(editorContext);
    const bench::FrameRecord edited = bench::RecordFrame([&] { bench::RunEditorFrame(editor); });
    bench::CheckSameFrame(edited, bare, name);

    ImGui::SetCurrentContext(bareContext);
    CountRuns([&] { bench::RunBareFrame(view); }, "bare_" + name, frames);
    ImGui::DestroyContext(bareContext);
    ImGui::SetCurrentContext(editorContext);
}

void CountListFrames(int modifiers, bool filtered, int frames)
{
    bench::LoadGame(modifiers);
    TimecycleEditorState editor{ LiveGame() };
    const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-frame-unsaved");
    bench::OpenEditor(editor, filtered);
    bench::SetEditorSize(editor, bench::kWorkingSize);
    const std::string name = std::string(filtered ? "frame_filtered/" : "frame/") + std::to_string(modifiers);
    CountEditorFrames(editor, name, frames);
    if (!filtered)
        CountBareFrames(editor, nullptr, bench::kWorkingSize, name, frames);
}

// The open editor over the smallest game with a modifier of `parameters`
// parameters selected, in a window of `size`; with `applied`, that modifier
// is the game's primary and the first of the list its transition modifier.
void CountTableFrames(int parameters, const float (&size)[2], const char* name, int frames, bool applied = false)
{
    bench::LoadGame(bench::kModifierCounts[0]);
    tcModifier& modifier = bench::AddModifierWithParameters("bench_parameters", parameters);
    TimecycleEditorState editor{ LiveGame() };
    const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-frame-unsaved");
    TimecycleScriptData& script = *editor.game.GetScriptData();
    if (applied)
    {
        script.primaryIndex = editor.game.GetTimecycleIndex(modifier);
        script.primaryStrength = 0.75f;
        script.transitionIndex = 0;
        script.transitionStrength = 0.25f;
    }
    bench::OpenEditor(editor, false);
    bench::SetEditorSize(editor, size);
    bench::SelectModifier(editor, modifier);
    CountEditorFrames(editor, name + std::to_string(parameters), frames);
    CountBareFrames(editor, &modifier, size, name + std::to_string(parameters), frames);
    script.primaryIndex = -1;
    script.transitionIndex = -1;
}

// The list of `modifiers` in a session with work: `kind` "changed" changes
// the first `work` modifiers, "created" creates `work` modifiers after the
// game's `modifiers - work`, and "unchanged" does neither. The work is one
// step, undone afterwards.
void CountSessionFrames(const std::string& kind, int modifiers, int work, int frames)
{
    bench::LoadGame(kind == "created" ? modifiers - work : modifiers);
    TimecycleEditorState editor{ LiveGame() };
    const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-frame-unsaved");
    editor.history.BeginGroup("bench session work");
    if (kind == "changed" && bench::ChangeModifiers(editor, work) != work)
        bench::Fail("the game refused a change");
    for (int i = 0; kind == "created" && i < work; ++i)
    {
        if (!editor.history.CreateModifier("bench_created_" + std::to_string(i)))
            bench::Fail("the game refused a modifier");
    }
    editor.history.EndGroup();
    bench::OpenEditor(editor, false);
    bench::SetEditorSize(editor, bench::kWorkingSize);
    // The writer's thread is done with the work before frames are counted.
    unsaved.recovery->Writer().WaitUntilWritten();
    CountEditorFrames(editor, "frame_" + kind + "/" + std::to_string(modifiers), frames);
    if (editor.history.CanUndo())
        editor.Undo();
}

// The data's every modifier selected at once, in the window as it opens:
// the multi-selection's table over the union of their parameters.
void CountMultiFrames(int frames)
{
    const int modifiers = bench::LoadData();
    TimecycleEditorState editor{ LiveGame() };
    const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-frame-unsaved");
    bench::OpenEditor(editor, false);
    bench::SetEditorSize(editor, bench::kOpeningSize);
    editor.SelectAllListed(editor.listedModifiers.Update(editor.game.Modifiers(), nullptr, true));
    if (!editor.MultiSelected())
        bench::Fail("no multi-selection");
    CountEditorFrames(editor, "frame_multi/" + std::to_string(modifiers), frames);
}

// The search's result built again over `modifiers` modifiers, the name
// field holding kFilterQuery.
void CountFilterRebuilds(int modifiers, int frames)
{
    bench::LoadGame(modifiers);
    TimecycleEditorState editor{ LiveGame() };
    bench::OpenEditor(editor, true);
    CountRuns([&] { RebuildFilter(editor); }, "rebuild_filter/" + std::to_string(modifiers), frames);
}

// The suggestions under the "Variable" field over a game of `variables`
// variables, every one of them matching the typed text but those the
// selected modifier has.
void CountPopupFrames(int variables, int frames)
{
    bench::LoadVariables(variables);
    tcModifier& modifier = bench::AddModifierWithParameters("bench_suggestions", bench::kSuggestionModifierParameters);
    TimecycleEditorState editor{ LiveGame() };
    const bench::KeptUnsavedWork unsaved(editor, "vesk-bench-frame-unsaved");
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
        CountListFrames(modifiers, false, frames);
        CountListFrames(modifiers, true, frames);
    }
    CountFilterRebuilds(bench::kModifierCounts[2], frames);
    for (int parameters : bench::kParameterCounts)
    {
        CountTableFrames(parameters, bench::kOpeningSize, "frame_table/", frames);
        CountTableFrames(parameters, bench::kWorkingSize, "frame_table_large/", frames);
    }
    CountTableFrames(bench::kParameterCounts[1], bench::kWorkingSize, "frame_table_applied_large/", frames, true);
    for (int variables : bench::kVariableCounts)
        CountPopupFrames(variables, frames);
    CountMultiFrames(frames);
    for (const auto& [modifiers, work, kind] : { std::tuple(2093, 2000, "changed"), std::tuple(22093, 20000, "created") })
    {
        CountSessionFrames("unchanged", modifiers, 0, frames);
        CountSessionFrames(kind, modifiers, work, frames);
    }
    return 0;
}
