#include "BenchGame.h"

#include "editing/EditorState.h"
#include "editing/ModifierSearch.h"
#include "recovery/SessionRecovery.h"
#include "ui/EditorPanes.h"

#include <ImGuiItemHooks.h>
#include <TimecycleControl.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

using namespace tceditor;

namespace bench
{
[[noreturn]] void Fail(const std::string& message)
{
    fprintf(stderr, "bench: %s\n", message.c_str());
    exit(1);
}

namespace
{
// The number of modifiers LoadGame last made; -1 when the game holds
// something else.
int loadedCount = -1;

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

// The settings of the bench's contexts: a 1920x1080 display, built fonts,
// no imgui.ini.
void SetUpContext()
{
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(1920.0f, 1080.0f);
    io.DeltaTime = 1.0f / 60.0f;
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
}

// The process's Dear ImGui context, made on first use.
void EnsureImGui()
{
    if (ImGui::GetCurrentContext())
        return;
    ImGui::CreateContext();
    SetUpContext();
}
}

std::filesystem::path FreshFolder(const char* name)
{
    // Other runs may share the temporary folder: the folder's name is this run's.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + ("-" + std::to_string(std::random_device{}())));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::u16string Utf16(const std::filesystem::path& path)
{
    const std::string text = path.string();
    return std::u16string(text.begin(), text.end());
}

void WaitForOffers(SessionRecovery& recovery)
{
    while (!recovery.OffersReady())
        std::this_thread::sleep_for(std::chrono::microseconds(100));
}

KeptUnsavedWork::KeptUnsavedWork(TimecycleEditorState& state, const char* folderName)
    : state(state), folder(FreshFolder(folderName)),
      recovery(std::make_unique<SessionRecovery>(state, Utf16(folder)))
{
    WaitForOffers(*recovery);
    state.recovery = recovery.get();
}

KeptUnsavedWork::~KeptUnsavedWork()
{
    state.recovery = nullptr;
    recovery.reset();
    std::filesystem::remove_all(folder);
}

ImGuiContext* NewContextLikeEditors()
{
    EnsureImGui();
    ImGuiContext* context = ImGui::CreateContext(ImGui::GetIO().Fonts);
    ImGui::SetCurrentContext(context);
    SetUpContext();
    return context;
}

void LoadGame(int count)
{
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

int LoadData()
{
    timecycle::ResetManager();
    const timecycle::LoadReport report = timecycle::LoadDataFolder(VESK_TIMECYCLE_DATA);
    if (report.modifiersLoaded == 0)
        Fail("no modifiers in " VESK_TIMECYCLE_DATA);
    loadedCount = report.modifiersLoaded;
    return loadedCount;
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
    ImGui::SetNextWindowSize(ImVec2(kWorkingSize[0], kWorkingSize[1]), ImGuiCond_FirstUseEver);
    DrawTimecycleEditor(state);
    ImGui::Render();
}

tcModifier& AddModifierWithParameters(const std::string& name, int count)
{
    tcModifier* modifier = TheTimecycleManager->CreateTimecycle(name);
    if (!modifier)
        Fail("could not add the modifier " + name);
    for (int varId = 0; varId < count; ++varId)
    {
        const char* variable = TimecycleManager::GetVarInfoName(*TimecycleManager::GetConfigVarInfo(varId));
        if (!variable || !TheTimecycleManager->AddTimecycleModData(*modifier, variable))
            Fail("could not give " + name + " its parameter " + std::to_string(varId));
    }
    loadedCount = -1;
    return *modifier;
}

void LoadVariables(int count)
{
    // The game reads its variable table from a file only: the data's table
    // cut after `count` variables.
    std::ifstream data(VESK_TIMECYCLE_DATA "/variables.xml");
    std::string table;
    int kept = 0;
    for (std::string line; std::getline(data, line);)
    {
        const bool variable = line.find("<variable ") != std::string::npos;
        if (!variable || kept++ < count)
            table += line + "\n";
    }
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vesk-bench-variables-" + std::to_string(count) + ".xml");
    std::ofstream(file, std::ios::binary) << table;

    timecycle::ResetManager();
    const timecycle::LoadReport report = timecycle::LoadVariableTable(file.string());
    std::filesystem::remove(file);
    if (report.variablesLoaded != count)
        Fail("the game holds " + std::to_string(report.variablesLoaded) + " variables instead of " +
             std::to_string(count));
    loadedCount = -1;
}

int ChangeModifiers(TimecycleEditorState& state, int count)
{
    static float value = 0.5f;
    value += 0.25f;
    int changed = 0;
    for (tcModifier* modifier : state.game.Modifiers().first(std::min(size_t(count), state.game.Modifiers().size())))
    {
        if (modifier->numMods == 0)
            changed += state.history.AddParameter(*modifier, state.game.VariableName(0), nullptr,
                                                  tceditor::ParameterChangeKind::AddedOrDeleted);
        else
            changed += state.history.SetValue(*modifier, modifier->modData[0].varId, tceditor::ValueColumn::Outdoor,
                                              value);
    }
    return changed;
}

void SelectModifier(TimecycleEditorState& state, tcModifier& modifier)
{
    state.SelectFromBrowser(modifier);
    RunEditorFrame(state);
}

namespace
{
// Where the last frame drew the "Variable" field.
void FindVariableField(const ImGuiItemEvent& event, void* found)
{
    if (event.kind == ImGuiItemEvent::Described && event.label && std::string_view(event.label) == "##input")
    {
        auto& centre = *static_cast<ImVec2*>(found);
        centre = ImVec2((event.min.x + event.max.x) / 2.0f, (event.min.y + event.max.y) / 2.0f);
    }
}
}

void TypeIntoVariableField(TimecycleEditorState& state, const char* text)
{
    // Whatever a previous measurement left active lets go first.
    ImGui::ClearActiveID();
    ImVec2 field(-1.0f, -1.0f);
    ImGuiSetItemCallback(&FindVariableField, &field);
    RunEditorFrame(state);
    ImGuiSetItemCallback(nullptr, nullptr);
    if (field.x < 0.0f)
        Fail("the detail pane shows no \"Variable\" field");

    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = field;
    RunEditorFrame(state);
    io.MouseDown[0] = true;
    RunEditorFrame(state);
    io.MouseDown[0] = false;
    RunEditorFrame(state);
    io.AddInputCharactersUTF8(text);
    RunEditorFrame(state);
}

void SetEditorSize(TimecycleEditorState& state, const float (&size)[2])
{
    ImGui::NewFrame();
    ImGui::SetNextWindowSize(ImVec2(size[0], size[1]), ImGuiCond_Always);
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
