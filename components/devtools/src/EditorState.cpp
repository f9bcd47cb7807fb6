#include "EditorState.h"

#include <string>

void ModifierSelection::ValidateSelection()
{
    if (modifier && !modifier->modData)
        ClearSelection();
}

void ModifierSelection::ClearSelection()
{
    removedVars.clear();
    savedParams.clear();
    modifier = nullptr;
}

void ModifierSelection::CaptureParams()
{
    if (!modifier)
        return;
    if (!modifier->modData)
    {
        ClearSelection();
        return;
    }

    for (int i = 0; i < modifier->numMods; ++i)
    {
        const tcModData& entry = modifier->modData[i];
        // The first entry of a var id wins, and a saved copy is never
        // overwritten: it may hold edits.
        savedParams.try_emplace(entry.varId, entry);
    }
}

void ModifierSelection::RestoreRemovedValues(tcModifier& previous) const
{
    for (int32_t varId : removedVars)
    {
        auto saved = savedParams.find(varId);
        if (saved == savedParams.end())
            continue;
        for (int i = 0; i < previous.numMods; ++i)
        {
            tcModData& entry = previous.modData[i];
            if (entry.varId == varId)
            {
                entry.value1 = saved->second.value1;
                entry.value2 = saved->second.value2;
            }
        }
    }
}

void ModifierSelection::SelectModifier(tcModifier& next)
{
    ValidateSelection();
    if (modifier && modifier != &next)
        RestoreRemovedValues(*modifier);

    removedVars.clear();
    savedParams.clear();
    modifier = &next;
    CaptureParams();
}

void TimecycleEditorState::SelectFromBrowser(tcModifier& modifier)
{
    const std::string name = TheTimecycleManager->GetTimecycleName(modifier);

    xmlPrinter.ClearBuffer();
    TheTimecycleManager->EnsureTimecycleBackup(modifier);
    selection.SelectModifier(modifier);
    CopyToTextBuffer(nameInput, name);
}

void TimecycleEditorState::ResetEditorState()
{
    selection.ClearSelection();

    ClearTextBuffer(searchName);
    ClearTextBuffer(searchParam);
    ClearTextBuffer(nameInput);
    ClearTextBuffer(paramFilter);
    ClearTextBuffer(varInput);

    isOpen = false;
    applySelected = false;
    TheTimecycleManager->SetInteriorModifierOverride(-1);
    xmlPrinter.ClearBuffer();
    filterHashes.clear();
}
