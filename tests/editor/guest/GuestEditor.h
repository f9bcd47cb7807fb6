// The editor as the game runs it inside this test process: started through
// its start-up function over the stand-in game, drawn by the console host's
// two events in real Dear ImGui frames, stopped again by the test; its
// unsaved work goes under a temporary install root.
#pragma once

#include "CoreRTControl.h"
#include "editing/EditorState.h"
#include "FreshInstallRoot.h"
#include "HostCycle.h"
#include "recovery/SessionRecovery.h"
#include "recovery/UnsavedJournal.h"
#include "recovery/UnsavedWorkFiles.h"
#include "SmallTimecycleGame.h"
#include "TimecycleControl.h"
#include "TimecycleEditor.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

class GuestEditor : public testing::Test
{
protected:
    static constexpr const char* kWindow = "Timecycle Editor";

    void SetUp() override
    {
        SettledInstallRoot();
        RemoveData();
        corert::SetGameReady(true);
        ResetGame();
        Start();
    }

    void TearDown() override
    {
        StopTimecycleEditor();
        timecycle::ResetManager();
        RemoveData();
    }

    static void ResetGame()
    {
        smallgame::ResetWithVariables();
        smallgame::AddModifier("sunny_day", { { smallgame::kLightDirMult, 2.0f, 1.5f } });
        smallgame::AddModifier("Foggy_Morning", { { smallgame::kFogDensity, 0.9f, 0.2f } });
    }

    static void RemoveData()
    {
        std::error_code ignored;
        std::filesystem::remove_all(SettledInstallRoot() / "data", ignored);
    }

    // Starts the editor, open, once it has looked for ended sessions.
    void Start()
    {
        StartTimecycleEditor();
        ASSERT_NE(GetTimecycleEditorState(), nullptr);
        State().isOpen = true;
        while (!State().recovery->OffersReady())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ui.Frame(2);
    }

    static tceditor::TimecycleEditorState& State() { return *GetTimecycleEditorState(); }

    bool EditorDrawn() const { return ui.Exists(kWindow, "##controls_search_name"); }

    // The work this session's journal holds once everything handed over is
    // written; empty when there is no journal.
    static tceditor::UnsavedWork WorkOnDisk()
    {
        tceditor::UnsavedWorkWriter& writer = State().recovery->Writer();
        writer.WaitUntilWritten();
        const std::filesystem::path journal(writer.JournalPath());
        std::ifstream file(journal, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        return tceditor::ReadJournal(bytes).work;
    }

public:
    // What the console host does each frame.
    bool wantGui = false;
    uidriver::UiDriver ui{ [this] { HostFrame(); } };

protected:
    virtual void HostFrame() { wantGui = hostcycle::RaiseFrame(); }
};
