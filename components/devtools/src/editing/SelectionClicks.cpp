// The browser's clicks that select several modifiers: Ctrl+click, Shift+click
// and Ctrl+A. A selection that comes down to one modifier is that modifier
// selected as a plain click selects it.
#include "editing/EditorState.h"

#include <utility>

namespace tceditor
{
std::vector<std::string> TimecycleEditorState::SelectedNames() const
{
    if (multiSelection.IsActive())
        return multiSelection.Names();
    if (selection.IsEmpty())
        return {};
    return { selection.Name() };
}

void TimecycleEditorState::SelectNames(std::vector<std::string> names)
{
    if (names.size() == 1)
    {
        tcModifier* modifier = game.FindModifierByName(names.front());
        if (modifier)
        {
            const std::string anchor = multiSelection.Anchor();
            SelectFromBrowser(*modifier);
            multiSelection.SetAnchor(anchor);
            return;
        }
        names.clear();
    }
    CloseXmlOutput();
    status = {};
    selection.Clear();
    multiSelection.Assign(std::move(names));
    if (!multiSelection.IsActive())
    {
        multiSelection.Clear();
        return;
    }
    // As a click on one does: the game keeps each member as it was loaded.
    for (tcModifier* modifier : game.Modifiers())
    {
        if (modifier && modifier->modData && multiSelection.Contains(game.GetTimecycleName(*modifier)))
            game.EnsureTimecycleBackup(*modifier);
    }
}

void TimecycleEditorState::CtrlClickInBrowser(tcModifier& modifier)
{
    const std::string& name = game.GetTimecycleName(modifier);
    MultiSelection next;
    next.Assign(SelectedNames());
    next.Toggle(name);
    multiSelection.SetAnchor(name);
    SelectNames(next.Names());
}

void TimecycleEditorState::ShiftClickInBrowser(const std::string& name, std::span<tcModifier* const> rows)
{
    std::string anchor = multiSelection.Anchor();
    if (anchor.empty())
        anchor = selection.Name();
    std::vector<std::string> names = MultiSelection::Range(game, rows, anchor, name);
    if (names.empty())
        return;
    if (names.size() == 1 || anchor.empty())
        multiSelection.SetAnchor(name);
    SelectNames(std::move(names));
}

void TimecycleEditorState::SelectAllListed(std::span<tcModifier* const> rows)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (tcModifier* row : rows)
    {
        if (row && row->modData)
            names.push_back(game.GetTimecycleName(*row));
    }
    SelectNames(std::move(names));
}

const std::vector<MultiParameterRow>& TimecycleEditorState::UpdateMultiRows()
{
    const std::vector<MultiParameterRow>& rows = multiRows.Update(game, multiSelection, history.Revision(), paramFilter);
    if (!multiSelection.IsActive())
        SelectNames(multiSelection.Names());
    return rows;
}
}
