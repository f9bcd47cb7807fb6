#include "editing/EditorState.h"

#include "base/XmlText.h"
#include "editing/ModifierDocumentOfGame.h"

#include <string>
#include <utility>
#include <vector>

namespace tceditor
{
void TimecycleEditorState::ShowXmlOutput(std::string text, int roundedValues)
{
    xmlOutput = std::move(text);
    xmlRoundedValues = roundedValues;
    showingXmlOutput = true;
    xmlCopyNote.clear();
}

void TimecycleEditorState::CloseXmlOutput()
{
    xmlOutput.clear();
    showingXmlOutput = false;
    xmlRoundedValues = 0;
    xmlCopyNote.clear();
}

void TimecycleEditorState::Select(tcModifier& modifier)
{
    multiSelection.Clear();
    selection.Select(game, modifier);
}

void TimecycleEditorState::SelectFromBrowser(tcModifier& modifier)
{
    const std::string name = game.GetTimecycleName(modifier);

    CloseXmlOutput();
    game.EnsureTimecycleBackup(modifier);
    Select(modifier);
    multiSelection.SetAnchor(name);
    FillNameInput(name);
    // What the status said was about the work before this click.
    status = {};
}

void TimecycleEditorState::FillNameInput(const std::string& name)
{
    nameInputCutFrom = CopyToTextBuffer(nameInput, name) ? 0 : name.size();
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
    colourPopup = {};
    browserScrollTarget.clear();

    selection.Clear();
    multiSelection.Clear();
    multiSelection.SetAnchor({});
    multiRows.Invalidate();

    ClearTextBuffer(searchName);
    ClearTextBuffer(searchParam);
    ClearTextBuffer(nameInput);
    nameInputCutFrom = 0;
    ClearTextBuffer(paramFilter);
    ClearTextBuffer(varInput);

    isOpen = false;
    sessionChangesOpen = false;
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
    {
        selection.FollowRename(effect.renamedFrom, effect.modifier);
        multiSelection.FollowRename(effect.renamedFrom, effect.modifier);
    }
    // A step over the selected modifiers leaves them selected; their table
    // is gathered again.
    if (multiSelection.IsActive() && multiSelection.Contains(effect.modifier))
        return;
    tcModifier* selected = SelectedModifier();
    if (effect.kind == StepEffect::Kind::Modifier && !effect.present)
        return;
    tcModifier* modifier = game.FindModifierByName(effect.modifier);
    if (!modifier)
        return;

    if (selected != modifier)
    {
        Select(*modifier);
        FillNameInput(effect.modifier);
    }
    else if (effect.kind == StepEffect::Kind::Replaced)
    {
        Select(*modifier);
    }

    const int32_t varId = effect.entry.varId;
    switch (effect.kind)
    {
    case StepEffect::Kind::Value:
        selection.SetWorking(varId, effect.entry);
        break;
    case StepEffect::Kind::Parameter:
        if (effect.present || effect.parameterKind == ParameterChangeKind::Switched)
        {
            selection.SetWorking(varId, effect.entry);
            if (effect.present)
                selection.switchedOff.erase(varId);
            else
                selection.switchedOff.insert(varId);
        }
        else
        {
            selection.ForgetWorking(varId);
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
    comparedShown = ModifierSnapshot::Take(game, *selected);
}

void TimecycleEditorState::EndCompare()
{
    if (!comparedEdit)
        return;
    const ModifierSnapshot edit = std::move(*comparedEdit);
    comparedEdit.reset();
    const std::string name = DisplayName(edit.name);
    tcModifier* modifier = game.FindModifierByName(edit.name);
    if (!modifier)
    {
        SetStatus("Compare ended: the game no longer has " + name + ", so the edit was not put back", true);
        return;
    }
    if (!(ModifierSnapshot::Take(game, *modifier) == comparedShown))
    {
        SetStatus("Compare ended: the game changed " + name + " while its original was shown, so the edit was not put back",
                  true);
        // The table follows the game's modifier as it is now.
        if (SelectedModifier() == modifier)
            Select(*modifier);
        return;
    }
    ApplyContent(game, *modifier, edit);
}

void GenerateModifierXml(TimecycleEditorState& state)
{
    const tcModifier* modifier = state.SelectedModifier();
    if (!modifier)
        return;
    const std::vector<DocumentModifier> document = { DocumentOfModifier(state.game, *modifier) };
    state.ShowXmlOutput(ModifierDocumentText(document, nullptr, ValueText::ThreeDecimals), CountRoundedValues(document));
}
}
