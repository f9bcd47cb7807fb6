// A Windows host that loads the component DLL, makes one step in the editor
// and returns from main at once, with the DLL still loaded and started: the
// process's exit ends the writer's thread before the DLL is detached, and
// the step must be on disk all the same. Its arguments: the modifier to edit
// and the install root, handed over as a launcher does, so that no other
// test's root or leftover reaches this run.
#include "Component.h"
#include "ConsoleCommandManager.h"
#include "CoreRTConsole.h"
#include "CoreRTControl.h"
#include "HostCycle.h"
#include "LaunchHandover.h"
#include "SmallTimecycleGame.h"
#include "Utils.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string name = argv[1];
    // A guest launch, set before the block is first opened: the launch mode
    // names the block the root goes into.
    _putenv("Tamberlin_SDK_Guest=1");
    RootHandover handover(ToUtf16(argv[2]) + u'\\', 60 * 1000);
    if (!handover.Problem().empty())
    {
        std::fprintf(stderr, "cannot hand over the install root: %s\n", handover.Problem().c_str());
        return 7;
    }
    smallgame::ResetWithVariables();
    tcModifier& modifier = smallgame::AddModifier(name, {{smallgame::kFogStart, 5.0f, 6.0f}});
    corert::SetGameReady(true);

    HMODULE library = LoadLibraryW(L"devtools-vesk.dll");
    if (!library)
    {
        std::fprintf(stderr, "LoadLibrary failed: %lu\n", GetLastError());
        return 5;
    }
    auto createComponent =
        reinterpret_cast<Component* (*)()>(reinterpret_cast<void*>(GetProcAddress(library, "CreateComponent")));
    if (!createComponent)
        return 6;
    Component* component = createComponent();
    if (!component)
        return 3;
    component->AddRef();
    if (!component->Start())
        return 4;
    handover.ModulesStarted();
    corert::CommandManager().Invoke("timecycleeditor true");

    uidriver::UiDriver ui([] { hostcycle::RaiseFrame(); });
    ui.Frame();
    hostcycle::MakeValueStep(ui, name, modifier.nameHash, smallgame::kFogStart, "7.25");
    return 0;
}
