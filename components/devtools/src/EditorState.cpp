#include "EditorState.h"

#include <string>
#include <utility>

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
        if (history)
        {
            // The game keeps one entry per variable.
            history->SetValue(previous, varId, ValueColumn::Outdoor, saved->second.value1);
            history->SetValue(previous, varId, ValueColumn::Indoor, saved->second.value2);
            continue;
        }
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

void TimecycleEditorState::SetStatus(std::string text, bool refusal)
{
    status = { std::move(text), refusal, history.Revision() };
}

const std::string& TimecycleEditorState::CurrentStatus()
{
    if (status.revision != history.Revision())
        status = {};
    return status.text;
}

void TimecycleEditorState::RefreshSelection()
{
    selection.ValidateSelection();
    if (selection.modifier)
        selection.SelectModifier(*selection.modifier);
}

void TimecycleEditorState::ResetEditorState()
{
    // The edited values go back into the game before anything is forgotten.
    EndCompare();
    history.Clear();
    changes.Clear();
    status = {};
    typedValue = {};

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

void TimecycleEditorState::Undo()
{
    if (std::optional<StepEffect> effect = history.Undo())
        FollowStep(*effect);
}

void TimecycleEditorState::Redo()
{
    if (std::optional<StepEffect> effect = history.Redo())
        FollowStep(*effect);
}

// The modifier a step changed becomes the selected one, so the user sees what
// was undone; its table rows follow the step.
void TimecycleEditorState::FollowStep(const StepEffect& effect)
{
    selection.ValidateSelection();
    if (effect.kind == StepEffect::Kind::Modifier && !effect.present)
        return;
    tcModifier* modifier = FindModifierByName(effect.modifier);
    if (!modifier)
        return;

    if (selection.modifier != modifier)
    {
        selection.SelectModifier(*modifier);
        CopyToTextBuffer(nameInput, effect.modifier);
    }
    else if (effect.kind == StepEffect::Kind::Replaced)
    {
        selection.SelectModifier(*modifier);
    }

    const int32_t varId = effect.entry.varId;
    switch (effect.kind)
    {
    case StepEffect::Kind::Value:
        selection.savedParams[varId] = effect.entry;
        break;
    case StepEffect::Kind::Parameter:
        if (effect.present || effect.row == ParameterRow::Switched)
        {
            selection.savedParams[varId] = effect.entry;
            if (effect.present)
                selection.removedVars.erase(varId);
            else
                selection.removedVars.insert(varId);
        }
        else
        {
            selection.savedParams.erase(varId);
            selection.removedVars.erase(varId);
        }
        break;
    default:
        break;
    }
}

void TimecycleEditorState::BeginCompare()
{
    selection.ValidateSelection();
    if (!selection.modifier || comparedEdit)
        return;
    const SessionChanges::Record* record = changes.Find(TheTimecycleManager->GetTimecycleName(*selection.modifier));
    if (!record || !record->original)
        return;
    comparedEdit = ModifierSnapshot::Take(*selection.modifier);
    ApplyContent(*selection.modifier, *record->original);
}

void TimecycleEditorState::EndCompare()
{
    if (!comparedEdit)
        return;
    if (tcModifier* modifier = FindModifierByName(comparedEdit->name))
        ApplyContent(*modifier, *comparedEdit);
    comparedEdit.reset();
}
