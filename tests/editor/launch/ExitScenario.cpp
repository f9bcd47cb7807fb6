// A host that starts the component, makes one step in the editor and
// returns from main at once, without stopping it: the step must be on disk
// once the process has ended. The install root is VESK_EXIT_ROOT (in this
// test's own init-state block); the modifier edited is VESK_EXIT_MODIFIER.
#include "Component.h"
#include "CoreRTControl.h"
#include "editing/EditorState.h"
#include "HostCycle.h"
#include "LaunchEnvironment.h"
#include "SmallTimecycleGame.h"
#include "TimecycleEditor.h"
#include "Utils.h"

#include <cstdlib>
#include <string>

extern "C" Component* CreateComponent();

int main()
{
    const char* rootVariable = std::getenv("VESK_EXIT_ROOT");
    const char* modifierVariable = std::getenv("VESK_EXIT_MODIFIER");
    if (!rootVariable || !modifierVariable)
        return 2;
    const std::string name = modifierVariable;

    // The root goes into this launch's block before the library reads it.
    const std::u16string root = ToUtf16(std::string(rootVariable) + "/");
    InitStateView block = OpenInitState("KelInitState");
    root.copy(block->rootPath, root.size());
    block->rootPath[root.size()] = u'\0';

    smallgame::ResetWithVariables();
    tcModifier& modifier = smallgame::AddModifier(name, { { smallgame::kFogStart, 5.0f, 6.0f } });
    corert::SetGameReady(true);

    Component* component = CreateComponent();
    if (!component)
        return 3;
    component->AddRef();
    if (!component->Start())
        return 4;
    GetTimecycleEditorState()->isOpen = true;

    uidriver::UiDriver ui([] { hostcycle::RaiseFrame(); });
    ui.Frame();
    hostcycle::MakeValueStep(ui, name, modifier.nameHash, smallgame::kFogStart, "7.25");
    // Released but never stopped: the editor goes with the process.
    component->Release();
    return 0;
}
