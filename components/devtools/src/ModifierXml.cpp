// Export of the selected modifier as timecycle_modifier_data XML, and the
// pane that shows it for copying (by hand or with "Copy").
#include "EditorPanes.h"
#include "EditorState.h"
#include "ModifierXml.h"

#include <imgui.h>

DocumentModifier DocumentOfModifier(const tcModifier& modifier)
{
    DocumentModifier document;
    document.name = TheTimecycleManager->GetTimecycleName(modifier);
    document.userFlags = modifier.userFlags;
    document.numMods = modifier.numMods;
    for (int i = 0; i < modifier.numMods; ++i)
    {
        const tcModData& entry = modifier.modData[i];
        const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(entry.varId);
        const char* varName = info ? TimecycleManager::GetVarInfoName(*info) : nullptr;
        if (varName)
            document.parameters.push_back({ varName, entry.value1, entry.value2 });
    }
    return document;
}

void GenerateModifierXml(TimecycleEditorState& state)
{
    state.selection.ValidateSelection();
    tcModifier* modifier = state.selection.modifier;
    if (!modifier)
        return;

    state.xmlPrinter.ClearBuffer();
    PrintModifierDocument(state.xmlPrinter, { DocumentOfModifier(*modifier) });
}

void DrawOutputPane(TimecycleEditorState& state)
{
    if (ImGui::BeginChild("output", ImVec2(-1.0f, -1.0f), true, 0))
    {
        if (ImGui::Button("Close", ImVec2(0.0f, 0.0f)))
            state.xmlPrinter.ClearBuffer();
        ImGui::SameLine();
        ImGui::Text("Select and copy using CTRL+C");
        // Right under "Close", a row of its own: the whole document as the
        // field shows it.
        if (ImGui::Button("Copy", ImVec2(0.0f, 0.0f)))
            ImGui::SetClipboardText(state.xmlPrinter.CStr());
        ImGui::Separator();
        // Edited in place: the field may change the text but never make it
        // longer than it was printed.
        ImGui::InputTextMultiline("##xml_output", const_cast<char*>(state.xmlPrinter.CStr()),
                                  static_cast<size_t>(state.xmlPrinter.CStrSize()), ImVec2(-1.0f, -1.0f), 0,
                                  nullptr);
    }
    ImGui::EndChild();
}
