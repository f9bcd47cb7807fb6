// Export of the selected modifier as timecycle_modifier_data XML, and the
// pane that shows it for copying.
#include "EditorPanes.h"
#include "EditorState.h"

#include <Utils.h>

#include <imgui.h>

#include <string>

void GenerateModifierXml(TimecycleEditorState& state)
{
    TimecycleManager& manager = *TheTimecycleManager;
    state.selection.ValidateSelection();
    tcModifier* modifier = state.selection.modifier;
    if (!modifier)
        return;

    const std::string name = manager.GetTimecycleName(*modifier);

    tinyxml2::XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
    tinyxml2::XMLElement* root = document.NewElement("timecycle_modifier_data");
    root->SetAttribute("version", "1.000000");

    tinyxml2::XMLElement* element = document.NewElement("modifier");
    element->SetAttribute("name", name.c_str());
    element->SetAttribute("description", "");
    element->SetAttribute("numMods", static_cast<int>(modifier->numMods));
    element->SetAttribute("userFlags", static_cast<unsigned>(modifier->userFlags));

    for (int i = 0; i < modifier->numMods; ++i)
    {
        const tcModData& entry = modifier->modData[i];
        const tcVarInfo* info = TimecycleManager::GetConfigVarInfo(entry.varId);
        const char* varName = info ? TimecycleManager::GetVarInfoName(*info) : nullptr;
        if (!varName)
            continue;

        tinyxml2::XMLElement* parameter = document.NewElement(varName);
        parameter->SetText(va("%.3f %.3f", entry.value1, entry.value2));
        element->InsertEndChild(parameter);
    }

    root->InsertEndChild(element);
    document.InsertEndChild(root);

    state.xmlPrinter.ClearBuffer();
    state.xmlPrinter.PushHeader(false, true);
    document.Print(&state.xmlPrinter);
}

void DrawOutputPane(TimecycleEditorState& state)
{
    if (ImGui::BeginChild("output", ImVec2(-1.0f, -1.0f), true, 0))
    {
        if (ImGui::Button("Close", ImVec2(0.0f, 0.0f)))
            state.xmlPrinter.ClearBuffer();
        ImGui::SameLine();
        ImGui::Text("Select and copy using CTRL+C");
        ImGui::Separator();
        // Edited in place: the field may change the text but never make it
        // longer than it was printed.
        ImGui::InputTextMultiline("##xml_output", const_cast<char*>(state.xmlPrinter.CStr()),
                                  static_cast<size_t>(state.xmlPrinter.CStrSize()), ImVec2(-1.0f, -1.0f), 0,
                                  nullptr);
    }
    ImGui::EndChild();
}
