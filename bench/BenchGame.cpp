#include "BenchGame.h"

#include "EditorPanes.h"
#include "EditorState.h"
#include "ModifierSearch.h"

#include <TimecycleControl.h>
#include <imgui.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace bench
{
namespace
{
[[noreturn]] void Fail(const std::string& message)
{
    fprintf(stderr, "bench: %s\n", message.c_str());
    exit(1);
}

tcManager& GameManager()
{
    tcManager* manager = TimecycleManager::GetGameManager();
    if (!manager)
        Fail("the game has no timecycle manager");
    return *manager;
}

// Keeps `count` of the loaded modifiers, evenly spread over the data so that
// every data file is represented. Removes from the back, so that the array
// moves as little as possible.
void ThinTo(int count)
{
    tcManager& manager = GameManager();
    const int loaded = manager.modifierCount;
    std::vector<bool> keep(loaded, false);
    for (int i = 0; i < count; ++i)
        keep[static_cast<long>(i) * loaded / count] = true;

    for (int i = loaded - 1; i >= 0; --i)
        if (!keep[i])
            TheTimecycleManager->RemoveTimecycle(*manager.modifiers[i]);
}

// Adds copies of the loaded modifiers, with their parameters, named
// "<name>_<round>", until there are `count`.
void GrowTo(int count)
{
    tcManager& manager = GameManager();
    const int loaded = manager.modifierCount;
    for (int i = loaded; i < count; ++i)
    {
        tcModifier& source = *manager.modifiers[i % loaded];
        const std::string name = TheTimecycleManager->GetTimecycleName(source) + "_" + std::to_string(i / loaded);
        if (!TheTimecycleManager->CloneTimecycle(source, name))
            Fail("could not add the modifier " + name);
    }
}

// The process's Dear ImGui context, made on first use: a 1920x1080 display,
// built fonts, no imgui.ini.
void EnsureImGui()
{
    if (ImGui::GetCurrentContext())
        return;

    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(1920.0f, 1080.0f);
    io.DeltaTime = 1.0f / 60.0f;
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
}
}

void LoadGame(int count)
{
    static int loadedCount = -1;
    if (count == loadedCount)
        return;

    timecycle::ResetManager();
    const timecycle::LoadReport report = timecycle::LoadDataFolder(VESK_TIMECYCLE_DATA);
    if (report.modifiersLoaded == 0)
        Fail("no modifiers in " VESK_TIMECYCLE_DATA);

    if (count < report.modifiersLoaded)
        ThinTo(count);
    else
        GrowTo(count);

    if (GameManager().modifierCount != count)
        Fail("the game holds " + std::to_string(GameManager().modifierCount) + " modifiers instead of " +
             std::to_string(count));
    loadedCount = count;
}

void OpenEditor(TimecycleEditorState& state, bool filtered)
{
    EnsureImGui();
    state.isOpen = true;
    if (filtered)
    {
        CopyToTextBuffer(state.searchName, kFilterQuery);
        RebuildFilter(state);
    }

    // Left to itself the window would open at its minimum size, 1020x400;
    // a developer working in it makes it larger. Dear ImGui takes the size
    // only inside a frame.
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(40.0f, 40.0f), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize(ImVec2(1280.0f, 900.0f), ImGuiCond_FirstUseEver);
    DrawTimecycleEditor(state);
    ImGui::Render();
}

void RunEditorFrame(TimecycleEditorState& state)
{
    ImGui::NewFrame();
    DrawTimecycleEditor(state);
    ImGui::Render();
}
}
