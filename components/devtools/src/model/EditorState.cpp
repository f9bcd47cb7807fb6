#include "EditorState.h"

#include "ModifierDocumentOfGame.h"

#include <string>
#include <utility>

namespace tceditor
{
void TimecycleEditorState::ShowXmlOutput(std::string text)
{
    xmlOutput = std::move(text);
    showingXmlOutput = true;
    xmlCopyNote.clear();
}

void TimecycleEditorState::CloseXmlOutput()
{
    xmlOutput.clear();
    showingXmlOutput = false;
    xmlCopyNote.clear();
}

void TimecycleEditorState::Select(tcModifier& modifier)
{
    selection.Select(game, history, modifier);
}

void TimecycleEditorState::SelectFromBrowser(tcModifier& modifier)
{
    const std::string name = game.GetTimecycleName(modifier);

    CloseXmlOutput();
    game.EnsureTimecycleBackup(modifier);
    Select(modifier);
    CopyToTextBuffer(nameInput, name);
    // What the status said was about the work before this click.
    status = {};
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
    if (tcModifier* selected = SelectedModifier())
        Select(*selected);
}

void TimecycleEditorState::ResetEditorState()
{
    // The edited values go back into the game before anything is forgotten.
    EndCompare();
    history.Clear();
    changes.Clear();
    status = {};
    typedValue = {};

    selection.Clear();

    ClearTextBuffer(searchName);
    ClearTextBuffer(searchParam);
    ClearTextBuffer(nameInput);
    ClearTextBuffer(paramFilter);
    ClearTextBuffer(varInput);

    isOpen = false;
    applySelected = false;
    game.SetInteriorModifierOverride(-1);
    CloseXmlOutput();
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
    if (effect.kind == StepEffect::Kind::Renamed)
        selection.FollowRename(effect.renamedFrom, effect.modifier);
    tcModifier* selected = SelectedModifier();
    if (effect.kind == StepEffect::Kind::Modifier && !effect.present)
        return;
    tcModifier* modifier = game.FindModifierByName(effect.modifier);
    if (!modifier)
        return;

    if (selected != modifier)
    {
        Select(*modifier);
        CopyToTextBuffer(nameInput, effect.modifier);
    }
    else if (effect.kind == StepEffect::Kind::Replaced)
    {
        Select(*modifier);
    }

    const int32_t varId = effect.entry.varId;
    switch (effect.kind)
    {
    case StepEffect::Kind::Value:
        selection.workingParams[varId] = effect.entry;
        break;
    case StepEffect::Kind::Parameter:
        if (effect.present || effect.parameterKind == ParameterChangeKind::Switched)
        {
            selection.workingParams[varId] = effect.entry;
            if (effect.present)
                selection.switchedOff.erase(varId);
            else
                selection.switchedOff.insert(varId);
        }
        else
        {
            selection.workingParams.erase(varId);
            selection.switchedOff.erase(varId);
        }
        break;
    default:
        break;
    }
}

void TimecycleEditorState::BeginCompare()
{
    tcModifier* selected = SelectedModifier();
    if (!selected || comparedEdit)
        return;
    const SessionChanges::Record* record = changes.Find(game.GetTimecycleName(*selected));
    if (!record || !record->original)
        return;
    comparedEdit = ModifierSnapshot::Take(game, *selected);
    ApplyContent(game, *selected, *record->original);
}

void TimecycleEditorState::EndCompare()
{
    if (!comparedEdit)
        return;
    if (tcModifier* modifier = game.FindModifierByName(comparedEdit->name))
        ApplyContent(game, *modifier, *comparedEdit);
    comparedEdit.reset();
}

void GenerateModifierXml(TimecycleEditorState& state)
{
    if (const tcModifier* modifier = state.SelectedModifier())
        state.ShowXmlOutput(ModifierDocumentText({ DocumentOfModifier(state.game, *modifier) }));
}
}
