// A process of the tests of unsaved work. "session SEED FOLDER": random steps
// over a fresh stand-in game, keeping the work in FOLDER; after each step
// one line "step N MS RECORDS" (the milliseconds since the start, the game's
// records); then it kills itself, as the system would, at a moment the seed
// chooses, after the line "kill MS". "restore FOLDER": a fresh game restores the newest ended session
// and prints "restored RECORDS". "multi FOLDER": edits of all modifiers at
// once, then killed.
#include "editing/MultiEdit.h"
#include "recovery/SessionRecovery.h"
#include "RecoveryScenario.h"

#include <Platform.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

using namespace tceditor;

namespace
{
std::u16string Folder(const char* path)
{
    std::u16string folder;
    for (const char* c = path; *c; ++c)
        folder += char16_t(static_cast<unsigned char>(*c));
    return folder;
}

int Session(unsigned seed, const char* folder)
{
    recovery::StartGame();
    TimecycleEditorState state{ LiveGame() };
    SessionRecovery keeper(state, Folder(folder));
    recovery::RandomSteps steps(state, seed);
    const int stepCount = 1 + steps.Below(60);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= stepCount; ++i)
    {
        steps.Act();
        keeper.CaptureCompletedSteps();
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        std::printf("step %d %lld %s\n", i, static_cast<long long>(ms.count()),
                    recovery::RecordsText(gamerecords::Read()).c_str());
        std::fflush(stdout);
        // Now and then a pause, so that the writer is caught at every stage.
        if (steps.Below(8) == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(steps.Below(3000)));
    }
    // A third of the sessions wait past the last second, so that their last
    // step must be on disk when they are killed.
    const int waitMs = steps.Below(3) == 0 ? 1100 + steps.Below(200) : steps.Below(5);
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("kill %lld\n", static_cast<long long>(ms.count()));
    std::fflush(stdout);
    platform::KillCurrentProcess();
}

// Edits of every modifier at once (a typed operation, a drag, a variable
// added to those lacking it), each handed to the writer and written; prints
// "edited RECORDS" and is killed.
int MultiSession(const char* folder)
{
    recovery::StartGame();
    TimecycleEditorState state{ LiveGame() };
    SessionRecovery keeper(state, Folder(folder));
    state.SelectAllListed(state.listedModifiers.Update(state.game.Modifiers(), nullptr, true));
    state.UpdateMultiRows();
    MultiApplyTypedText(state, smallgame::kLightDirMult, ValueColumn::Outdoor, "*0.8", "-");
    keeper.CaptureCompletedSteps();
    for (int frame = 1; frame <= 3; ++frame)
    {
        MultiOffsetValue(state, smallgame::kLightDirMult, ValueColumn::Indoor, 0.125f * float(frame), 9);
        keeper.CaptureCompletedSteps();
    }
    state.history.EndGesture();
    keeper.CaptureCompletedSteps();
    MultiAddVariable(state, "fog_start");
    keeper.CaptureCompletedSteps();
    keeper.Writer().WaitUntilWritten();
    std::printf("edited %s\n", recovery::RecordsText(gamerecords::Read()).c_str());
    std::fflush(stdout);
    platform::KillCurrentProcess();
}

int Restore(const char* folder)
{
    recovery::StartGame();
    TimecycleEditorState state{ LiveGame() };
    SessionRecovery keeper(state, Folder(folder));
    while (!keeper.OffersReady())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (keeper.CurrentOffer())
        keeper.Restore();
    std::printf("restored %s\n", recovery::RecordsText(gamerecords::Read()).c_str());
    std::printf("status %s\n", state.CurrentStatus().c_str());
    return 0;
}
}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "session" && argc == 4)
        return Session(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)), argv[3]);
    if (mode == "restore" && argc == 3)
        return Restore(argv[2]);
    if (mode == "multi" && argc == 3)
        return MultiSession(argv[2]);
    std::fprintf(stderr, "usage: recovery_session_child session SEED FOLDER | restore FOLDER | multi FOLDER\n");
    return 2;
}
